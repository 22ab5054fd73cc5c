// The Linux saver under a real xscreensaver on a display of two X screens
// (two monitors that are not joined): xscreensaver starts the saver once per
// screen, and each draws with the geometry of its own size; a saver made
// with different screens on each monitor starts each X screen at its own
// place, so the two show different pictures.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "options_block.h"
#include "package_writer.h"
#include "paquet_essai.h"
#include "execution_commande.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

namespace {

using namespace std::chrono_literals;
using lumaveil::testing::Quote;

constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kRed = 0xFF0000;

// Colour of one pixel of X screen `screen`, 0x00RRGGBB.
uint32_t Pixel(Display* display, int screen, int x, int y) {
  XImage* image =
      XGetImage(display, RootWindow(display, screen), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0xFFFFFFFF;
  const unsigned long p = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return static_cast<uint32_t>(p & 0xFFFFFF);
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(100ms);
  }
  return condition();
}

TEST(XscreensaverScreens, EachScreenPlaysTheSaverAtItsOwnSize) {
  if (lumaveil::testing::RunCommand("command -v xscreensaver xscreensaver-command", "/").exitCode != 0) {
    GTEST_SKIP() << "xscreensaver is not installed (scripts/setup installs it)";
  }
  lumaveil::testing::Xvfb xvfb({{1024, 768}, {800, 600}});
  ASSERT_TRUE(xvfb.Ok()) << "Xvfb with two screens did not start";
  lumaveil::testing::TempDir dir;
  // xscreensaver launches no hack as root: run it as "nobody" then, in a
  // directory that user may use.
  const bool root = geteuid() == 0;
  chmod(dir.Path().c_str(), 0777);
  const std::string saver = dir.File("saver");
  {
    lmvengine::PackageWriter writer;
    ASSERT_TRUE(writer.Begin(saver, lumaveil::testing::BinPath("LmvEngine")));
    for (uint32_t colour : {kBlue, kRed}) {
      const std::string jpeg = lumaveil::testing::WriteBytes(
          dir.File("picture.jpg"), lumaveil::testing::SolidJpeg(640, 480, colour)).string();
      ASSERT_TRUE(writer.AppendRecordFile(30, 0, jpeg));
    }
    writer.SetOptionFlags(lmvengine::kOptionDifferentMonitors);
    ASSERT_TRUE(writer.Finish(640, 480));
  }
  chmod(saver.c_str(), 0755);
  const std::string home = dir.File("home");
  std::filesystem::create_directories(home);
  chmod(home.c_str(), 0777);
  std::ofstream(home + "/.xscreensaver")
      << "mode: one\nselected: 0\ntimeout: 0:30:00\nlock: False\nsplash: False\nfade: False\n"
         "unfade: False\nprograms: \"Lumaveil\" " << saver << " \\n\\\n\n";

  const std::string as = root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const std::string env = "env HOME=" + Quote(home) + " DISPLAY=" + xvfb.Display() + " ";
  // xscreensaver in the background; its pid is kept to end it.
  auto started = lumaveil::testing::RunCommand(as + env + "xscreensaver -no-splash >" +
                                         Quote(dir.File("xscreensaver.log")) +
                                         " 2>&1 & echo $!",
                                     dir.Path());
  const std::string pid = started.out.substr(0, started.out.find('\n'));
  ASSERT_FALSE(pid.empty());
  struct Stop {
    std::string pid;
    ~Stop() { kill(std::stoi(pid), SIGTERM); }
  } stop{pid};
  // The daemon takes a moment before it answers commands.
  ASSERT_TRUE(WaitFor(
      [&] {
        return lumaveil::testing::RunCommand(as + env + "xscreensaver-command -activate", dir.Path())
                   .exitCode == 0;
      },
      15000ms));

  Display* display = XOpenDisplay(xvfb.Display().c_str());
  ASSERT_NE(display, nullptr);
  ASSERT_EQ(ScreenCount(display), 2);
  // 640x480 fills 1024x768 and 800x600 alike: the first record on screen
  // 0, the second on screen 1.
  auto drawn = [&] {
    return lumaveil::testing::CloseColour(Pixel(display, 0, 0, 0), kBlue, 24) &&
           lumaveil::testing::CloseColour(Pixel(display, 0, 1023, 767), kBlue, 24) &&
           lumaveil::testing::CloseColour(Pixel(display, 1, 0, 0), kRed, 24) &&
           lumaveil::testing::CloseColour(Pixel(display, 1, 799, 599), kRed, 24);
  };
  const bool both = WaitFor(drawn, 20000ms);
  std::ifstream logFile(dir.File("xscreensaver.log"));
  const std::string log((std::istreambuf_iterator<char>(logFile)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(both) << std::hex << "screen 0 (0,0)=" << Pixel(display, 0, 0, 0)
                    << " (1023,767)=" << Pixel(display, 0, 1023, 767)
                    << "; screen 1 (0,0)=" << Pixel(display, 1, 0, 0)
                    << " (799,599)=" << Pixel(display, 1, 799, 599) << "\n" << log;
  XCloseDisplay(display);
  lumaveil::testing::RunCommand(as + env + "xscreensaver-command -exit", dir.Path());
}

}  // namespace
