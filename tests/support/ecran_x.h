// Looking at and typing into an X display from the tests, through the
// standard X tools (xwininfo, ImageMagick's import, xdotool).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumaveil::testing {

// A top-level X window as xwininfo lists it.
struct XWindow {
  std::string id;         // "0x..."
  std::string name;       // title; empty when it has none
  std::string className;  // WM_CLASS instance; Wine uses the program's file name
  int width = 0;
  int height = 0;
  int x = 0;
  int y = 0;
};

// The root's children on `display` that are mapped and larger than 1x1.
std::vector<XWindow> VisibleWindows(const std::string& display);

// The whole screen as 0x00RRGGBB pixels, rows top-down; empty on failure.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Screenshot TakeScreenshot(const std::string& display, int width, int height);

// True when each channel of a and b differs by at most `tolerance`.
bool ColoursNear(uint32_t a, uint32_t b, int tolerance);

// Gives `windowId` the keyboard focus (no window manager runs) and
// presses `key` (an xdotool key name).
void PressKey(const std::string& display, const std::string& windowId, const std::string& key);
// Runs one xdotool command line (arguments after "xdotool").
void Xdotool(const std::string& display, const std::string& arguments);

// Polls `condition` every 100 ms until it holds or `milliseconds` pass.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds);

}  // namespace lumaveil::testing
