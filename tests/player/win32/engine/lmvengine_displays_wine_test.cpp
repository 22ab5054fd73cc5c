// LmvEngine.exe under Wine on the displays people have: two monitors side
// by side (Xephyr heads joined by Xinerama) and a display scaled to 200 %
// (Wine's LogPixels). Seen from outside: screenshots, X windows, exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sortie_commande.h"
#include "dossier_temporaire.h"
#include "programmes_wine.h"
#include "ecran_x.h"
#include "xephyr.h"
#include "xvfb.h"

namespace lumaveil::testing {
namespace {

constexpr uint32_t kBlue = 0x2050C0;
constexpr uint32_t kRed = 0xC03020;
constexpr uint32_t kGreen = 0x30A040;
constexpr uint32_t kYellow = 0xE0C020;
constexpr uint32_t kBackground = 0x000000;  // around the screens fitted to the display
constexpr int kStartMs = 45000;                // a loaded machine starts Wine slowly
constexpr int kJpegTolerance = 24;

std::string Hex(uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", colour);
  return text;
}

std::string Engine() { return std::string(LUMAVEIL_BIN_DIR) + "/LmvEngine.exe"; }

// A saver: `engine` with `pictures` ("D:E:file") appended by lmvpack.
std::string MakeSaver(const std::string& file, const std::string& engine, const std::string& size,
                      const std::vector<std::string>& pictures) {
  std::string command = std::string(LUMAVEIL_BIN_DIR) + "/lmvpack '" + file + "' '" + engine +
                        "' " + size;
  for (const auto& p : pictures) command += " '" + p + "'";
  std::string output = RunAndCapture(command + " 2>&1");
  EXPECT_TRUE(std::filesystem::exists(file)) << command << "\n" << output;
  return file;
}

// The mapped X window of a program (Wine names its class after the file).
std::optional<XWindow> WindowOf(const std::string& display, const std::string& program,
                                int minWidth) {
  std::string lower = std::filesystem::path(program).filename().string();
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const auto& w : VisibleWindows(display)) {
    if (w.className == lower && w.width >= minWidth) return w;
  }
  return std::nullopt;
}

// A value of the suite prefix's registry set for one test and put back as it
// was (or deleted) afterwards, each change in a fresh Wine session.
class ScopedWineValue {
 public:
  ScopedWineValue(const std::string& key, const std::string& name, const std::string& type,
                  const std::string& data, const std::string& log)
      : key_(key), name_(name) {
    StopWineSession();
    // "    LogPixels    REG_DWORD    0x60" when the value exists.
    WineProcess query("reg", {"query", key, "/v", name}, "", "-all", log);
    query.WaitExit(60000);
    std::istringstream lines(query.Log());
    std::string line;
    while (std::getline(lines, line)) {
      std::istringstream words(line);
      std::string word, kind, value;
      if (words >> word && word == name && words >> kind >> value) {
        oldType_ = kind;
        oldData_ = kind == "REG_DWORD" ? std::to_string(std::stoul(value, nullptr, 0)) : value;
      }
    }
    ok_ = Reg({"add", key, "/v", name, "/t", type, "/d", data, "/f"}, log);
    StopWineSession();
  }
  ~ScopedWineValue() {
    StopWineSession();
    if (oldType_.empty()) {
      Reg({"delete", key_, "/v", name_, "/f"}, "/dev/null");
    } else {
      Reg({"add", key_, "/v", name_, "/t", oldType_, "/d", oldData_, "/f"}, "/dev/null");
    }
    StopWineSession();
  }
  ScopedWineValue(const ScopedWineValue&) = delete;
  ScopedWineValue& operator=(const ScopedWineValue&) = delete;
  bool Ok() const { return ok_; }

 private:
  static bool Reg(const std::vector<std::string>& args, const std::string& log) {
    WineProcess reg("reg", args, "", "-all", log);
    return reg.Started() && reg.WaitExit(60000) == std::optional<int>(0);
  }
  std::string key_, name_, oldType_, oldData_;
  bool ok_ = false;
};

class DisplaysUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(SuitePrefixReadyMarker()))
        << "the suite's Wine prefix is missing (fixture WinePrefix.IsCreatedOnceForTheSuite)";
    ASSERT_TRUE(std::filesystem::exists(Engine())) << Engine();
    ASSERT_FALSE(dir_.Path().empty());
  }
  void TearDown() override { StopWineSession(); }

  TempDir dir_;
};

// Two monitors side by side, 1280x1024 and 1024x768, and a 1280x960 saver
// of four coloured quadrants: the left monitor shows it 1:1 at (0, 32),
// as wide as the monitor, the right one scales it into its 1024x768. A key press ends the saver,
// and so does the mouse moving on the right monitor.
TEST_F(DisplaysUnderWine, EveryMonitorShowsTheFirstScreenWithItsOwnGeometry) {
  XephyrMonitors x({{1280, 1024}, {1024, 768}});
  ASSERT_TRUE(x.Ok()) << "Xephyr did not start inside Xvfb";
  const std::string heads = RunAndCapture("DISPLAY=" + x.Display() + " xdpyinfo -ext XINERAMA");
  ASSERT_NE(heads.find("1024x768 @ 1280,0"), std::string::npos) << heads;
  // Xephyr's RandR describes its first screen only; Wine then lists the
  // monitors from Xinerama, as the X server joins them.
  ScopedWineValue xinerama("HKCU\\Software\\Wine\\X11 Driver", "UseXRandR", "REG_SZ", "N",
                           dir_.File("reg.log"));
  ASSERT_TRUE(xinerama.Ok()) << "reg add failed";

  const std::string picture = dir_.File("quadrants.jpg");
  RunAndCapture("convert \\( -size 640x480 xc:'#" + Hex(kBlue) + "' xc:'#" + Hex(kRed) +
                "' +append \\) \\( -size 640x480 xc:'#" + Hex(kGreen) + "' xc:'#" + Hex(kYellow) +
                "' +append \\) -append -quality 95 '" + picture + "' 2>&1");
  const std::string saver = MakeSaver(dir_.File("two.scr"), Engine(), "1280x960",
                                      {"30:0:" + picture, "30:1:" + picture});
  WineProcess player(saver, {"/s"}, x.Display(), "-all", dir_.File("two.log"));
  ASSERT_TRUE(player.Started());

  struct Probe {
    int x, y;
    uint32_t colour;
    int tolerance;
  };
  const std::vector<Probe> probes = {
      // Left monitor: copied unscaled, centred; black above and below.
      {320, 272, kBlue, kJpegTolerance},   {960, 272, kRed, kJpegTolerance},
      {320, 752, kGreen, kJpegTolerance},  {960, 752, kYellow, kJpegTolerance},
      {5, 987, kGreen, kJpegTolerance},    {1275, 37, kRed, kJpegTolerance},
      {640, 1000, kBackground, 8},         {640, 20, kBackground, 8},
      // Right monitor: the whole picture scaled into 1024x768.
      {1536, 192, kBlue, kJpegTolerance},  {2048, 192, kRed, kJpegTolerance},
      {1536, 576, kGreen, kJpegTolerance}, {2048, 576, kYellow, kJpegTolerance},
      {1281, 1, kBlue, kJpegTolerance},    {2302, 766, kYellow, kJpegTolerance},
      // The window's part below the right monitor is shown by no monitor
      // and held in no X framebuffer either, so a screenshot cannot tell
      // its colour.
  };
  Screenshot shot;
  auto allMatch = [&] {
    shot = TakeScreenshot(x.Display(), 2304, 1024);
    if (shot.pixels.empty()) return false;
    for (const Probe& p : probes) {
      if (!ColoursNear(shot.At(p.x, p.y), p.colour, p.tolerance)) return false;
    }
    return true;
  };
  const bool drawn = WaitUntil(allMatch, kStartMs);
  std::string seen;
  for (const Probe& p : probes) {
    seen += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")=" +
            (shot.pixels.empty() ? std::string("?") : Hex(shot.At(p.x, p.y))) + "/" +
            Hex(p.colour);
  }
  ASSERT_TRUE(drawn) << "seen/expected:" << seen << "\n" << player.Log();

  std::optional<XWindow> window = WindowOf(x.Display(), saver, 2);
  ASSERT_TRUE(window.has_value()) << "no saver window";
  EXPECT_EQ(window->x, 0);
  EXPECT_EQ(window->y, 0);
  EXPECT_EQ(window->width, 2304);
  EXPECT_EQ(window->height, 1024);

  PressKey(x.Display(), window->id, "space");
  std::optional<int> code = player.WaitExit(3000);
  ASSERT_TRUE(code.has_value()) << "still running 3 s after the key press\n" << player.Log();
  EXPECT_EQ(*code, 0);

  // Again, ended by the mouse moving on the right monitor (whether Wine's
  // own first move message or ours is the one that is only recorded).
  WineProcess again(saver, {"/s"}, x.Display(), "-all", dir_.File("again.log"));
  ASSERT_TRUE(WaitUntil(
      [&] {
        shot = TakeScreenshot(x.Display(), 2304, 1024);
        return !shot.pixels.empty() && ColoursNear(shot.At(2048, 576), kYellow, kJpegTolerance);
      },
      kStartMs))
      << again.Log();
  Xdotool(x.Display(), "mousemove 1700 300");
  Xdotool(x.Display(), "mousemove 1900 500");
  code = again.WaitExit(3000);
  ASSERT_TRUE(code.has_value()) << "still running 3 s after the mouse moved on the right monitor";
  EXPECT_EQ(*code, 0);
}

constexpr int kScaledWidth = 1024;
constexpr int kScaledHeight = 768;

// A 1024x768 picture whose neighbouring pixels differ (red alternates by
// column, green by row, blue by 64-pixel block), saved at quality 100
// without chroma subsampling; returns the JPEG and its decoded pixels.
std::pair<std::string, Screenshot> FinePicture(const TempDir& dir) {
  const std::string ppm = dir.File("fine.ppm");
  const std::string jpeg = dir.File("fine.jpg");
  {
    std::ofstream out(ppm, std::ios::binary);
    out << "P6\n" << kScaledWidth << " " << kScaledHeight << "\n255\n";
    for (int y = 0; y < kScaledHeight; ++y) {
      for (int x = 0; x < kScaledWidth; ++x) {
        const char rgb[3] = {static_cast<char>(x % 2 ? 230 : 20),
                             static_cast<char>(y % 2 ? 220 : 40),
                             static_cast<char>((x / 64 + y / 64) % 2 ? 200 : 60)};
        out.write(rgb, 3);
      }
    }
  }
  RunAndCapture("convert '" + ppm + "' -quality 100 -sampling-factor 1x1 '" + jpeg + "' 2>&1");
  Screenshot decoded;
  const std::string raw = RunAndCapture("convert '" + jpeg + "' -depth 8 rgb:- 2>/dev/null");
  if (raw.size() == static_cast<size_t>(kScaledWidth) * kScaledHeight * 3) {
    decoded.width = kScaledWidth;
    decoded.height = kScaledHeight;
    for (size_t i = 0; i < raw.size(); i += 3) {
      auto byte = [&](size_t k) { return uint32_t{static_cast<unsigned char>(raw[k])}; };
      decoded.pixels.push_back((byte(i) << 16) | (byte(i + 1) << 8) | byte(i + 2));
    }
  }
  return {jpeg, decoded};
}

struct ScaledRun {
  std::optional<XWindow> window;  // the saver's X window
  int mismatches = -1;            // screen pixels unlike the picture's (-1: no screenshot)
  bool declared = false;          // the loader read the per-monitor DPI declarations
  std::string log;

  // What the player must do on a scaled display: declare per-monitor
  // awareness, cover the whole physical display and draw 1:1.
  bool DrawsOneToOne() const {
    return declared && window.has_value() && window->width == kScaledWidth &&
           window->height == kScaledHeight && mismatches == 0;
  }
};

// Runs a 1024x768 saver made from `engine` full screen on a 1024x768
// display at 200 % scaling and compares the screen with the picture.
ScaledRun RunScaled(const TempDir& dir, const std::string& engine, const std::string& name) {
  ScaledRun run;
  Xvfb xvfb(kScaledWidth, kScaledHeight);
  if (!xvfb.Ok()) return run;
  ScopedWineValue scaling("HKCU\\Control Panel\\Desktop", "LogPixels", "REG_DWORD", "192",
                          dir.File(name + "-reg.log"));
  if (!scaling.Ok()) return run;
  auto [jpeg, picture] = FinePicture(dir);
  if (picture.pixels.empty()) return run;
  const std::string saver = MakeSaver(dir.File(name + ".scr"), engine, "1024x768",
                                      {"30:0:" + jpeg, "30:0:" + jpeg});
  // The loader's trace shows which declarations it read from the manifest.
  WineProcess player(saver, {"/s"}, xvfb.Display(), "-all,+actctx", dir.File(name + ".log"));
  auto compare = [&] {
    Screenshot shot = TakeScreenshot(xvfb.Display(), kScaledWidth, kScaledHeight);
    if (shot.pixels.empty()) return false;
    run.mismatches = 0;
    for (size_t i = 0; i < shot.pixels.size(); ++i) {
      if (!ColoursNear(shot.pixels[i], picture.pixels[i], 8)) ++run.mismatches;
    }
    return run.mismatches == 0;
  };
  // Wait for the drawing; a program that never matches is given time to
  // finish its first screen before the last comparison counts.
  if (!WaitUntil(compare, 20000)) compare();
  run.window = WindowOf(xvfb.Display(), saver, 2);
  run.log = player.Log();
  run.declared =
      run.log.find("got L\"dpiAwareness\" L\"PerMonitorV2, PerMonitor\"") != std::string::npos &&
      run.log.find("got L\"dpiAware\" L\"true/pm\"") != std::string::npos;
  return run;
}

// With its manifest the player knows the physical display: its window
// covers all of it and every screen pixel is the picture's own pixel.
TEST_F(DisplaysUnderWine, AtTwoHundredPercentThePictureIsDrawnPixelForPixel) {
  ScaledRun run = RunScaled(dir_, Engine(), "aware");
  ASSERT_TRUE(run.window.has_value()) << "no saver window\n" << run.log.substr(0, 20000);
  EXPECT_EQ(run.window->width, kScaledWidth);
  EXPECT_EQ(run.window->height, kScaledHeight);
  EXPECT_EQ(run.mismatches, 0);
  EXPECT_TRUE(run.declared) << "the loader read no per-monitor DPI declaration";
  EXPECT_TRUE(run.DrawsOneToOne());
}

// The same check fails for the same player built without the manifest.
// Windows gives such a program a scaled-down screen and stretches its
// window; Wine 8 makes every program per-monitor aware, so there the
// pixels match and it is the missing declaration that fails the check.
TEST_F(DisplaysUnderWine, WithoutTheManifestTheSameCheckFails) {
  const std::string unaware = LMV_ENGINE_WITHOUT_MANIFEST;
  ASSERT_TRUE(std::filesystem::exists(unaware)) << unaware;
  ScaledRun run = RunScaled(dir_, unaware, "unaware");
  ASSERT_GE(run.mismatches, 0) << "no screenshot\n" << run.log.substr(0, 20000);
  EXPECT_FALSE(run.declared);
  EXPECT_FALSE(run.DrawsOneToOne())
      << "a player without the manifest passed: the check above proves nothing";
}

}  // namespace
}  // namespace lumaveil::testing
