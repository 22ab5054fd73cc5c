#include "ecran_x.h"

#include <chrono>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <thread>

#include "sortie_commande.h"

namespace lumaveil::testing {
namespace {

std::string WithDisplay(const std::string& display, const std::string& command) {
  return "DISPLAY=" + display + " " + command;
}

bool Viewable(const std::string& display, const std::string& id) {
  std::string info = RunAndCapture(WithDisplay(display, "xwininfo -id " + id + " 2>/dev/null"));
  return info.find("Map State: IsViewable") != std::string::npos;
}

}  // namespace

std::vector<XWindow> VisibleWindows(const std::string& display) {
  // 0xc00001 "Error": ("lmvengine.exe" "lmvengine.exe")  167x80+428+353  +428+353
  static const std::regex line(
      R"re(^\s+(0x[0-9a-f]+) (?:"(.*)"|\(has no name\)): \((?:"([^"]*)"[^)]*)?\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+))re");
  std::vector<XWindow> windows;
  std::string tree = RunAndCapture(WithDisplay(display, "xwininfo -root -children 2>/dev/null"));
  std::istringstream lines(tree);
  std::string text;
  while (std::getline(lines, text)) {
    std::smatch m;
    if (!std::regex_search(text, m, line)) continue;
    XWindow w;
    w.id = m[1];
    w.name = m[2];
    w.className = m[3];
    w.width = std::stoi(m[4]);
    w.height = std::stoi(m[5]);
    w.x = std::stoi(m[6]);
    w.y = std::stoi(m[7]);
    if (w.width <= 1 && w.height <= 1) continue;
    if (!Viewable(display, w.id)) continue;
    windows.push_back(w);
  }
  return windows;
}

Screenshot TakeScreenshot(const std::string& display, int width, int height) {
  Screenshot shot;
  std::string raw = RunAndCapture(
      WithDisplay(display, "import -silent -window root -depth 8 rgb:- 2>/dev/null"));
  if (raw.size() != static_cast<size_t>(width) * height * 3) return shot;
  shot.width = width;
  shot.height = height;
  shot.pixels.resize(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < shot.pixels.size(); ++i) {
    auto byte = [&](size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>(raw[k])); };
    shot.pixels[i] = (byte(3 * i) << 16) | (byte(3 * i + 1) << 8) | byte(3 * i + 2);
  }
  return shot;
}

bool ColoursNear(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    int ca = static_cast<int>((a >> shift) & 0xFF);
    int cb = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > tolerance) return false;
  }
  return true;
}

void Xdotool(const std::string& display, const std::string& arguments) {
  RunAndCapture(WithDisplay(display, "xdotool " + arguments + " >/dev/null 2>&1"));
}

void PressKey(const std::string& display, const std::string& windowId, const std::string& key) {
  if (!windowId.empty()) Xdotool(display, "windowfocus " + windowId);
  Xdotool(display, "key " + key);
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

}  // namespace lumaveil::testing
