// LmvEngine for Linux/X11. The program file is the screen package: the
// player reads the screens appended to its own file (/proc/self/exe).
//
//   LmvEngine /c...                 about box
//   LmvEngine /p <window>           preview inside that X window
//   LmvEngine -root | -window-id <id>, or XSCREENSAVER_WINDOW set
//                                   xscreensaver hack: draws into that window
//   LmvEngine --virtual WxH --frames DIR [--draws N]
//                                   virtual display, frames written as PPM
//   LmvEngine --help | -h | /?      the usage below, on standard output
//   LmvEngine [anything else]       full screen
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "command_line.h"
#include "message_box.h"
#include "player.h"
#include "saver.h"
#include "virtual_display.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: LmvEngine [/s]                  play full screen\n"
    "       LmvEngine /c                    about box\n"
    "       LmvEngine /p WINDOW             preview inside that X window\n"
    "       LmvEngine -root | -window-id ID as an xscreensaver hack (or with\n"
    "                                       XSCREENSAVER_WINDOW set)\n"
    "       LmvEngine --virtual WxH --frames DIR [--draws N]\n"
    "                                       play on a virtual display, frames as PPM files\n"
    "       LmvEngine --help | -h | /?      this text\n"
    "The screens are the ones appended to this program's own file.\n";

// The running program's own file.
fs::path OwnFile(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self;
  return fs::path(argv0 ? argv0 : "");
}

// An X window id in decimal or 0x hexadecimal; None when unreadable.
Window ParseWindowId(const std::string& text) {
  if (text.empty()) return None;
  char* end = nullptr;
  unsigned long long v = std::strtoull(text.c_str(), &end, 0);
  return (*end == '\0' || *end == ' ') ? static_cast<Window>(v) : None;
}

// Writes messages to standard error only (the virtual display).
class StderrSink : public lmvengine::MessageSink {
 public:
  void Show(const std::string& text, const std::string& caption,
            lmvengine::MessageIcon) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
  lmvengine::Language SystemLanguage() const override { return lmvengine::EnvironmentLanguage(); }
};

// Owns the display connection, if there is one.
struct DisplayConnection {
  Display* display = XOpenDisplay(nullptr);
  ~DisplayConnection() {
    if (display) XCloseDisplay(display);
  }
};

int Run(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const fs::path self = OwnFile(argc > 0 ? argv[0] : nullptr);

  lmvengine::VirtualOptions virtualOptions;
  std::string error;
  if (lmvengine::ParseVirtualOptions(args, virtualOptions, error)) {
    if (!error.empty()) {
      std::fprintf(stderr, "LmvEngine: %s\n", error.c_str());
      return 1;
    }
    StderrSink sink;
    return lmvengine::RunVirtual(self, virtualOptions, std::cout, sink);
  }

  // xscreensaver's options, then its environment variable.
  lmvx11::SaverTarget target;
  bool hack = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-root") {
      hack = true;
      target.target = None;  // the root window, once the display is open
    } else if (args[i] == "-window-id" && i + 1 < args.size()) {
      hack = true;
      target.target = ParseWindowId(args[++i]);
      if (target.target == None) target.target = static_cast<Window>(-1);
    }
  }
  std::string line;
  for (size_t i = 0; i < args.size(); ++i) line += (i ? " " : "") + args[i];
  const lmvengine::CommandLine command = lmvengine::ParseCommandLine(line);
  if (command.mode == lmvengine::PlayerMode::kHelp) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const char* environment = std::getenv("XSCREENSAVER_WINDOW");
  if (!hack && command.mode != lmvengine::PlayerMode::kAbout && environment && *environment) {
    hack = true;
    target.target = ParseWindowId(environment);
    if (target.target == None) target.target = static_cast<Window>(-1);
  }

  DisplayConnection connection;
  Display* display = connection.display;
  lmvx11::MessageSinkX11 messages(display);

  if (!hack && command.mode == lmvengine::PlayerMode::kAbout) {
    lmvx11::ShowAboutBox(display, None,
                         lmvengine::PackageLanguage(self, lmvengine::EnvironmentLanguage()));
    return 0;
  }
  if (hack) {
    target.kind = lmvx11::SaverKind::kHack;
    if (display && target.target == None) target.target = DefaultRootWindow(display);
  } else if (command.mode == lmvengine::PlayerMode::kPreview) {
    target.kind = lmvx11::SaverKind::kPreview;
    target.target = static_cast<Window>(command.parent);
  }
  if (!display) {
    // No window can be made; the package is still checked so that its
    // message is seen.
    lmvengine::Player player;
    if (lmvengine::OpenPlayer(player, self, 1024, 768, messages)) {
      std::fprintf(stderr, "LmvEngine: no X display; try --virtual WxH --frames DIR\n");
    }
    return 0;
  }
  return lmvx11::RunSaver(display, target, self, messages);
}

}  // namespace

int main(int argc, char** argv) { return Run(argc, argv); }
