// The real X11 player on a private Xvfb: full screen, input rules, the
// about box, preview inside a parent window, the xscreensaver window mode
// and the error box of a bare engine.
#include <gtest/gtest.h>

#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "effects.h"
#include "motion.h"
#include "options_block.h"
#include "package_writer.h"
#include "jpeg_encoder.h"
#include "paquet_essai.h"
#include "execution_commande.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using lumaveil::testing::Quote;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

// A child process with DISPLAY set, its standard error kept in a file.
class Process {
 public:
  Process(const std::string& display, const std::vector<std::string>& argv,
          const std::string& errFile) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
      if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "XSCREENSAVER_WINDOW=", 20) != 0) {
        env.emplace_back(*e);
      }
    }
    env.push_back("DISPLAY=" + display);
    std::vector<char*> envp, args;
    for (auto& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> argCopy = argv;
    for (auto& s : argCopy) args.push_back(s.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Process() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool Started() const { return pid_ > 0; }
  // Waits up to `limit` for the exit; true when it exited.
  bool WaitExit(std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (!exited_) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        break;
      }
      if (std::chrono::steady_clock::now() > end) break;
      std::this_thread::sleep_for(20ms);
    }
    return exited_;
  }
  bool Running() { return !WaitExit(0ms); }
  int ExitCode() const { return code_; }
  void Signal(int sig) { kill(pid_, sig); }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  int code_ = -1;
};

class X11Player : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!xvfb_.Ok()) {
      // Under CI the machine is set up for these tests: a missing X server
      // is a fault to see, not a test to skip.
      if (std::getenv("CI")) FAIL() << "Xvfb could not start";
      GTEST_SKIP() << "Xvfb could not start";
    }
    display_ = XOpenDisplay(xvfb_.Display().c_str());
    ASSERT_NE(display_, nullptr);
    const std::string red = lumaveil::testing::WriteBytes(dir_.File("red.jpg"), lumaveil::testing::SolidJpeg(640, 480, kRed)).string();
    const std::string blue = lumaveil::testing::WriteBytes(dir_.File("blue.jpg"), lumaveil::testing::SolidJpeg(640, 480, kBlue)).string();
    package_ = dir_.File("saver");
    auto r = lumaveil::testing::RunCommand(Quote(lumaveil::testing::BinPath("lmvpack")) + " " + Quote(package_) + " " +
                                     Quote(lumaveil::testing::BinPath("LmvEngine")) + " 640x480 2:0:" + red +
                                     " 2:4:" + blue,
                                 dir_.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }
  void TearDown() override {
    if (display_) XCloseDisplay(display_);
  }

  std::unique_ptr<Process> Start(const std::vector<std::string>& args,
                                 const std::string& program = "") {
    std::vector<std::string> argv{program.empty() ? package_ : program};
    argv.insert(argv.end(), args.begin(), args.end());
    return std::make_unique<Process>(xvfb_.Display(), argv, dir_.File("player-stderr.txt"));
  }

  // Colour of one screen pixel, 0x00RRGGBB.
  uint32_t Pixel(int x, int y) {
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xFFFFFFFF;
    unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return static_cast<uint32_t>(p & 0xFFFFFF);
  }

  // Waits until `condition` holds, up to `limit`.
  static bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      if (condition()) return true;
      std::this_thread::sleep_for(30ms);
    }
    return condition();
  }
  bool WaitForColour(int x, int y, uint32_t colour) {
    return WaitFor([&] { return lumaveil::testing::CloseColour(Pixel(x, y), colour, 10); }, 5000ms);
  }

  void Xdotool(const std::string& args) {
    lumaveil::testing::RunCommand("DISPLAY=" + xvfb_.Display() + " xdotool " + args, dir_.Path());
  }
  int WindowsNamed(const std::string& pattern, const std::string& kind = "--name") {
    auto r = lumaveil::testing::RunCommand("DISPLAY=" + xvfb_.Display() + " xdotool search --onlyvisible " +
                                     kind + " " + Quote(pattern),
                                 dir_.Path());
    int n = 0;
    for (char c : r.out) n += c == '\n';
    return n;
  }
  std::string Stderr() {
    auto bytes = lumaveil::testing::ReadBytes(dir_.File("player-stderr.txt"));
    return std::string(bytes.begin(), bytes.end());
  }

  lumaveil::testing::Xvfb xvfb_{1024, 768};
  lumaveil::testing::TempDir dir_;
  Display* display_ = nullptr;
  std::string package_;
};

TEST_F(X11Player, FullScreenFillsTheDisplayWithTheFirstScreenAndAKeyEndsIt) {
  auto player = Start({"/s"});
  ASSERT_TRUE(player->Started());
  ASSERT_TRUE(WaitForColour(500, 400, kRed)) << std::hex << Pixel(500, 400);
  // 640x480 on 1024x768: scaled to the whole display.
  EXPECT_TRUE(lumaveil::testing::CloseColour(Pixel(0, 0), kRed, 10));
  EXPECT_TRUE(lumaveil::testing::CloseColour(Pixel(1023, 767), kRed, 10));
  Xdotool("key space");
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
}

// A saver of the moving effects, written by the package writer after the
// engine: red, then blue coming on with `effect` over a 5 s transition.
std::string MovingSaver(lumaveil::testing::TempDir& dir, int32_t effect) {
  const std::string path = dir.File("moving-saver");
  lmvengine::PackageWriter writer;
  if (!writer.Begin(path, lumaveil::testing::BinPath("LmvEngine"))) return "";
  const int side = effect == lmvengine::kEffectPanZoom ? lmvengine::PanZoomPictureSide(640) : 640;
  const int high = effect == lmvengine::kEffectPanZoom ? lmvengine::PanZoomPictureSide(480) : 480;
  for (uint32_t colour : {kRed, kBlue}) {
    const std::string jpeg = lumaveil::testing::WriteBytes(
        dir.File("m.jpg"), lumaveil::testing::SolidJpeg(side, high, colour)).string();
    lmvengine::RecordOptions options{5000, side, high};
    if (!writer.AppendRecordFile(1, effect, jpeg, options)) return "";
  }
  if (!writer.Finish(640, 480)) return "";
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  return path;
}

// Mid cross-fade the screen shows a blend of both pictures over the whole
// display (not a band), and a key ends the saver at once.
TEST_F(X11Player, CrossFadeShowsABlendAndAKeyEndsItAtOnce) {
  const std::string saver = MovingSaver(dir_, lmvengine::kEffectCrossFade);
  ASSERT_FALSE(saver.empty());
  auto player = Start({"/s"}, saver);
  ASSERT_TRUE(WaitForColour(500, 400, kRed));
  auto blended = [&](uint32_t p) {
    const int r = int(p >> 16) & 255, b = int(p) & 255;
    return r > 50 && r < 205 && b > 50 && b < 205;
  };
  ASSERT_TRUE(WaitFor([&] { return blended(Pixel(500, 400)); }, 5000ms)) << std::hex << Pixel(500, 400);
  for (auto [x, y] : {std::pair{10, 10}, std::pair{1013, 757}, std::pair{10, 757}}) {
    EXPECT_TRUE(blended(Pixel(x, y))) << x << "," << y << " " << std::hex << Pixel(x, y);
  }
  const auto before = std::chrono::steady_clock::now();
  Xdotool("key space");
  const auto sent = std::chrono::steady_clock::now();
  ASSERT_TRUE(player->WaitExit(3000ms));
  const auto ended = std::chrono::steady_clock::now() - sent;
  std::printf("key to exit during a cross-fade: %lld ms (xdotool took %lld ms)\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(ended).count()),
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(sent - before).count()));
  EXPECT_LT(ended, 100ms);
}

// A pan-and-zoom screen moves while it is shown: its first screen, a
// picture with its halves of two colours, shows the seam in another place
// a moment later.
TEST_F(X11Player, PanAndZoomMovesThePictureWhileShown) {
  const std::string path = dir_.File("pan-saver");
  lmvengine::PackageWriter writer;
  ASSERT_TRUE(writer.Begin(path, lumaveil::testing::BinPath("LmvEngine")));
  const int w = lmvengine::PanZoomPictureSide(640), h = lmvengine::PanZoomPictureSide(480);
  std::vector<unsigned char> rgb = lumaveil::testing::SolidRgb(w, h, kRed);
  for (int y = 0; y < h; ++y) {
    for (int x = w / 2; x < w; ++x) rgb[(size_t(y) * w + x) * 3] = 0, rgb[(size_t(y) * w + x) * 3 + 2] = 255;
  }
  const std::string jpeg = lumaveil::testing::WriteBytes(dir_.File("halves.jpg"),
                                                         lmvtools::EncodeJpeg(rgb, w, h, 3, 95)).string();
  ASSERT_TRUE(writer.AppendRecordFile(6, lmvengine::kEffectPanZoom, jpeg, {1000, w, h}));
  ASSERT_TRUE(writer.Finish(640, 480));
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  auto player = Start({"/s"}, path);
  // The seam: the first column from the left that is blue on row 384.
  auto seam = [&] {
    XImage* row = XGetImage(display_, DefaultRootWindow(display_), 0, 384, 1024, 1, AllPlanes, ZPixmap);
    if (!row) return -1;
    int at = -1;
    for (int x = 0; x < 1024 && at < 0; ++x) {
      if ((XGetPixel(row, x, 0) & 0xFF) > 128 && ((XGetPixel(row, x, 0) >> 16) & 0xFF) < 128) at = x;
    }
    XDestroyImage(row);
    return at;
  };
  ASSERT_TRUE(WaitFor([&] { return seam() > 0; }, 5000ms));
  const int first = seam();
  EXPECT_TRUE(WaitFor([&] { return std::abs(seam() - first) >= 4; }, 4000ms)) << first;
  EXPECT_TRUE(player->Running());
}

TEST_F(X11Player, SecondScreenComesUpFromTheBottom) {
  auto player = Start({});
  ASSERT_TRUE(WaitForColour(500, 400, kRed));
  // After its 2 seconds the blue screen comes on with Down/Up.
  ASSERT_TRUE(WaitFor([&] { return lumaveil::testing::CloseColour(Pixel(500, 600), kBlue, 10); }, 5000ms));
  ASSERT_TRUE(WaitForColour(500, 150, kBlue));
  EXPECT_TRUE(player->Running());
}

TEST_F(X11Player, RightClickKeepsItLeftClickEndsIt) {
  auto player = Start({"/s"});
  ASSERT_TRUE(WaitForColour(500, 400, kRed));
  Xdotool("click 3");
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(player->Running());
  Xdotool("click 1");
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
}

TEST_F(X11Player, FirstMouseMoveOnlyRecordsTheNextOneEnds) {
  auto player = Start({"/s"});
  ASSERT_TRUE(WaitForColour(500, 400, kRed));
  Xdotool("mousemove 20 20");
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(player->Running());
  Xdotool("mousemove 300 300");
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
}

TEST_F(X11Player, AltSlashShowsTheAboutBoxOverTheRunningSaver) {
  auto player = Start({"/s"});
  ASSERT_TRUE(WaitForColour(500, 400, kRed));
  const int before = WindowsNamed("LMVENGINE", "--class");
  Xdotool("key alt+slash");
  EXPECT_TRUE(WaitFor([&] { return WindowsNamed("LMVENGINE", "--class") == before + 1; }, 3000ms));
  EXPECT_TRUE(player->Running());  // neither Alt nor Alt+/ end the saver
  Xdotool("key Return");
  EXPECT_TRUE(WaitFor([&] { return WindowsNamed("LMVENGINE", "--class") == before; }, 3000ms));
  EXPECT_TRUE(player->Running());
  Xdotool("key Escape");
  ASSERT_TRUE(player->WaitExit(3000ms));
}

TEST_F(X11Player, SlashCShowsOnlyTheAboutBoxAndEndsWhenItCloses) {
  auto player = Start({"/c:4242"});
  ASSERT_TRUE(WaitFor([&] { return WindowsNamed("LMVENGINE", "--class") == 1; }, 3000ms));
  EXPECT_EQ(Pixel(5, 5), 0u);  // no saver window behind it
  Xdotool("search --class LMVENGINE windowfocus --sync key Return");
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
}

// A plain top-level window of the test, as a preview parent.
Window MakeParent(Display* display, int x, int y, int w, int h) {
  const int screen = DefaultScreen(display);
  Window parent = XCreateSimpleWindow(display, RootWindow(display, screen), x, y,
                                      static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
                                      BlackPixel(display, screen), BlackPixel(display, screen));
  XMapWindow(display, parent);
  XSync(display, False);
  return parent;
}

TEST_F(X11Player, PreviewDrawsScaledInsideItsParentAndIgnoresInput) {
  Window parent = MakeParent(display_, 100, 100, 320, 240);
  auto player = Start({"/p", std::to_string(parent)});
  // 640 wide on a 320 wide parent: scaled into the whole parent.
  ASSERT_TRUE(WaitForColour(105, 105, kRed));
  EXPECT_TRUE(lumaveil::testing::CloseColour(Pixel(415, 335), kRed, 10));
  EXPECT_EQ(Pixel(421, 341), 0u);  // the root outside stays black
  Xdotool("mousemove 200 200 key space click 1");
  Xdotool("mousemove 250 220");
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(player->Running());
  // Closing the parent ends the preview.
  XDestroyWindow(display_, parent);
  XSync(display_, False);
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
}

TEST_F(X11Player, PreviewOfSomethingThatIsNotAWindowEndsSilently) {
  auto player = Start({"/p", "12345"});
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
  EXPECT_EQ(Stderr(), "");
}

TEST_F(X11Player, XscreensaverWindowIsDrawnIntoUntilSigterm) {
  Window target = MakeParent(display_, 0, 0, 640, 480);
  char hex[32];
  std::snprintf(hex, sizeof hex, "0x%lx", static_cast<unsigned long>(target));
  auto player = Start({"-window-id", hex});
  ASSERT_TRUE(WaitForColour(320, 240, kRed));
  Xdotool("key space");
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(player->Running());
  player->Signal(SIGTERM);
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
}

TEST_F(X11Player, BareEngineShowsTheBadDataBoxAndEndsWhenItIsDismissed) {
  auto player = Start({"/s"}, lumaveil::testing::BinPath("LmvEngine"));
  ASSERT_TRUE(WaitFor([&] { return WindowsNamed("^Error$") == 1; }, 5000ms));
  EXPECT_NE(Stderr().find("LmvEngine bad data"), std::string::npos);
  EXPECT_TRUE(player->Running());
  Xdotool("search --name '^Error$' windowfocus --sync key Return");
  ASSERT_TRUE(player->WaitExit(3000ms));
  EXPECT_EQ(player->ExitCode(), 0);
}

}  // namespace
