#include "saver.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "about.h"
#include "motion.h"
#include "player.h"
#include "thread_rows.h"
#include "thread_work.h"
#include "x_surface.h"

namespace lmvx11 {
namespace {

using SteadyClock = std::chrono::steady_clock;

int g_signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t g_stop = 0;

extern "C" void OnStopSignal(int) {
  g_stop = 1;
  if (g_signalPipe[1] >= 0) {
    const char c = 1;
    [[maybe_unused]] ssize_t n = write(g_signalPipe[1], &c, 1);
  }
}

void InstallStopSignals() {
  if (g_signalPipe[0] < 0 && pipe(g_signalPipe) == 0) {
    for (int fd : g_signalPipe) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  }
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
}

class CalendarClock : public lmvengine::Clock {
 public:
  int64_t NowSeconds() override { return static_cast<int64_t>(std::time(nullptr)); }
  int64_t NowMilliseconds() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               SteadyClock::now().time_since_epoch())
        .count();
  }
};

// The display's refresh period, from RandR when the server has it (60 Hz
// otherwise, or for a rate it cannot tell).
std::chrono::microseconds RefreshPeriod(Display* display, Window root) {
  int rate = 0;
  int event = 0, error = 0;
  if (XRRQueryExtension(display, &event, &error)) {
    if (XRRScreenConfiguration* config = XRRGetScreenInfo(display, root)) {
      rate = XRRConfigCurrentRate(config);
      XRRFreeScreenConfigInfo(config);
    }
  }
  if (rate < 20 || rate > 500) rate = 60;
  return std::chrono::microseconds(1000000 / rate);
}

// A 32-bit seed from the time: each start of the saver differs.
uint32_t TimeSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const uint64_t ns = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  return lmvengine::Mix32(static_cast<uint32_t>(ns) ^ static_cast<uint32_t>(ns >> 32) ^
                          static_cast<uint32_t>(getpid()));
}

class RealSleeper : public lmvengine::Sleeper {
 public:
  void SleepMilliseconds(int ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
};

// Errors on windows that vanish under us (a preview parent closed, a bad
// -window-id) must not kill the player: they are noted and ignored.
int g_xErrors = 0;
int IgnoreXError(Display*, XErrorEvent*) {
  ++g_xErrors;
  return 0;
}

Cursor BlankCursor(Display* display, Window window) {
  char bits[1] = {0};
  Pixmap empty = XCreateBitmapFromData(display, window, bits, 1, 1);
  XColor black{};
  Cursor cursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
  XFreePixmap(display, empty);
  return cursor;
}

// Full screen: keyboard and pointer go to the saver; another client may
// hold a grab for a moment, so retry for about a second.
void GrabInput(Display* display, Window window, Cursor cursor) {
  for (int i = 0; i < 20; ++i) {
    if (XGrabKeyboard(display, window, True, GrabModeAsync, GrabModeAsync, CurrentTime) ==
        GrabSuccess) {
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  for (int i = 0; i < 20; ++i) {
    if (XGrabPointer(display, window, True, ButtonPressMask | PointerMotionMask, GrabModeAsync,
                     GrabModeAsync, None, cursor, CurrentTime) == GrabSuccess) {
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// Keys that come with Alt, and the modifier keys themselves, are system
// keys: they never end the saver. Alt+? and Alt+/ open the about box.
enum class KeyAction { kEnd, kAbout, kNone };

KeyAction ClassifyKey(XKeyEvent& key) {
  KeySym sym = NoSymbol;
  char text[8] = {0};
  XLookupString(&key, text, sizeof text - 1, &sym, nullptr);
  if (IsModifierKey(sym)) return KeyAction::kNone;
  if (key.state & Mod1Mask) {
    if (sym == XK_question || sym == XK_slash || text[0] == '?' || text[0] == '/') {
      return KeyAction::kAbout;
    }
    return KeyAction::kNone;
  }
  return KeyAction::kEnd;
}

struct Screen {
  int width = 0;
  int height = 0;
};

// How the moving effects' frames kept to the refresh grid: each frame
// drawn falls in a slot of the grid; a slot passed without a frame (the
// loop woke late, or the frame before took longer than a period) is a
// late frame. Asked for with LMVENGINE_FRAME_STATS naming a file, to
// which the player adds one line at exit: "frames drawn N late M".
struct PacingStats {
  int64_t drawn = 0;
  int64_t late = 0;
  int64_t lastSlot = 0;  // slot of the last frame drawn on the current grid

  void Write() const {
    const char* path = std::getenv("LMVENGINE_FRAME_STATS");
    if (path == nullptr || *path == 0) return;
    if (std::FILE* f = std::fopen(path, "a")) {
      std::fprintf(f, "frames drawn %lld late %lld\n", static_cast<long long>(drawn),
                   static_cast<long long>(late));
      std::fclose(f);
    }
  }
};

}  // namespace

int RunSaver(Display* display, const SaverTarget& target, const std::filesystem::path& package,
             MessageSinkX11& messages) {
  XSetErrorHandler(IgnoreXError);
  const int screenNumber = DefaultScreen(display);
  const Window root = RootWindow(display, screenNumber);
  const bool preview = target.kind != SaverKind::kFullScreen;

  // Screen size: the display, or the window drawn into.
  Screen screen{DisplayWidth(display, screenNumber), DisplayHeight(display, screenNumber)};
  bool targetIsWindow = false;
  if (target.kind != SaverKind::kFullScreen && target.target != None) {
    XWindowAttributes wa;
    const int before = g_xErrors;
    if (XGetWindowAttributes(display, target.target, &wa) && g_xErrors == before) {
      screen = Screen{wa.width, wa.height};
      targetIsWindow = true;
    } else {
      screen = Screen{0, 0};  // not a window: nothing to draw in
    }
  }

  lmvengine::Player player;
  if (!lmvengine::OpenPlayer(player, package, screen.width, screen.height, messages)) return 0;
  messages.SetLanguage(player.language);
  // Under xscreensaver each X screen runs its own hack: its screen number
  // makes its place in the sequence and its shuffle its own.
  const int screens = target.kind == SaverKind::kHack ? ScreenCount(display) : 1;
  lmvengine::StartSequence(player, TimeSeed() ^ lmvengine::Mix32(static_cast<uint32_t>(screenNumber) + 1),
                           screens > 1 ? screenNumber : 0, screens);
  if (target.kind != SaverKind::kFullScreen && !targetIsWindow) return 0;
  if (screen.width < 1 || screen.height < 1) return 0;

  // The window.
  Window window = None;
  Cursor cursor = None;
  const unsigned long black = BlackPixel(display, screenNumber);
  if (target.kind == SaverKind::kHack) {
    window = target.target;
    XSetWindowBackground(display, window, black);
    XClearWindow(display, window);
    XSelectInput(display, window, ExposureMask | StructureNotifyMask);
  } else {
    XSetWindowAttributes attrs{};
    attrs.background_pixel = black;
    attrs.event_mask = ExposureMask | StructureNotifyMask;
    unsigned long mask = CWBackPixel | CWEventMask;
    Window parent = root;
    if (target.kind == SaverKind::kFullScreen) {
      attrs.override_redirect = True;
      attrs.event_mask |= KeyPressMask | ButtonPressMask | PointerMotionMask;
      mask |= CWOverrideRedirect;
    } else {
      parent = target.target;
    }
    const int before = g_xErrors;
    window = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(screen.width),
                           static_cast<unsigned>(screen.height), 0, CopyFromParent, InputOutput,
                           CopyFromParent, mask, &attrs);
    XSync(display, False);
    if (window == None || g_xErrors != before) return 0;
    XClassHint hint{const_cast<char*>("LmvEngine"), const_cast<char*>(lmvengine::kWindowClassName)};
    XSetClassHint(display, window, &hint);
    if (target.kind == SaverKind::kFullScreen) {
      Atom state = XInternAtom(display, "_NET_WM_STATE", False);
      Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
      XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&fullscreen), 1);
      cursor = BlankCursor(display, window);
      XDefineCursor(display, window, cursor);
    }
    XMapRaised(display, window);
    if (target.kind == SaverKind::kFullScreen) GrabInput(display, window, cursor);
  }
  messages.SetOwner(window);
  XFlush(display);

  XSurface surface(display, window, screen.width, screen.height);
  CalendarClock clock;
  RealSleeper sleeper;
  // Two threads share the composition of a frame.
  lmvengine::ThreadRows rows(2);
  // The next screen is read on a thread of its own while a moving one plays.
  lmvengine::ThreadWorkStarter work;
  lmvengine::PlayerContext context{clock, sleeper, surface, messages, &rows, &work};
  const std::chrono::microseconds period = RefreshPeriod(display, root);
  InstallStopSignals();

  bool running = surface.Ok();
  bool timerArmed = target.kind == SaverKind::kHack;  // no Expose may come: start at once
  SteadyClock::time_point timerAt = SteadyClock::now();
  int mouseX = -1, mouseY = -1;  // first mouse position, -1 until seen
  bool ownWindowGone = false;

  // Frames of the moving effects come on a grid of the display's refresh
  // period; a frame that misses its slot is skipped, the next one is drawn
  // for its own time.
  SteadyClock::time_point frameGrid = SteadyClock::now();
  bool animating = false;
  PacingStats pacing;
  auto tick = [&] {
    const SteadyClock::time_point began = SteadyClock::now();
    lmvengine::TickResult r = lmvengine::Tick(player, context);
    if (r.frame) {
      ++pacing.drawn;
      if (animating) {
        const int64_t slot = (began - frameGrid) / period;
        if (slot > pacing.lastSlot + 1) pacing.late += slot - pacing.lastSlot - 1;
        pacing.lastSlot = slot;
      } else {
        pacing.lastSlot = 0;  // the first frame starts the grid
      }
    }
    if (r.end) {
      running = false;
      return;
    }
    timerArmed = true;
    const SteadyClock::time_point now = SteadyClock::now();
    if (r.animating) {
      if (!animating) frameGrid = now;
      const auto slots = (now - frameGrid) / period + 1;
      timerAt = frameGrid + slots * period;
    } else {
      timerAt = now + std::chrono::milliseconds(r.timerMs);
    }
    animating = r.animating;
  };

  const int xfd = ConnectionNumber(display);
  while (running && !g_stop) {
    while (running && XPending(display)) {
      XEvent ev;
      XNextEvent(display, &ev);
      if (ev.xany.window != window) continue;
      switch (ev.type) {
        case Expose:
          if (ev.xexpose.count == 0) tick();
          break;
        case DestroyNotify:
          running = false;
          ownWindowGone = true;
          break;
        case KeyPress:
          if (preview) break;
          switch (ClassifyKey(ev.xkey)) {
            case KeyAction::kEnd:
              running = false;
              break;
            case KeyAction::kAbout:
              ShowAboutBox(display, window, player.language);
              break;
            case KeyAction::kNone:
              break;
          }
          break;
        case ButtonPress:
          if (!preview && ev.xbutton.button == Button1) running = false;
          break;
        case MotionNotify:
          if (preview) break;
          if (mouseX == -1 && mouseY == -1) {
            mouseX = ev.xmotion.x & 0xFFFF;
            mouseY = ev.xmotion.y & 0xFFFF;
          } else if ((ev.xmotion.x & 0xFFFF) != mouseX || (ev.xmotion.y & 0xFFFF) != mouseY) {
            running = false;
          }
          break;
        default:
          break;
      }
    }
    if (!running || g_stop) break;
    if (timerArmed && SteadyClock::now() >= timerAt) {
      timerArmed = false;
      tick();
      continue;
    }
    int timeout = -1;
    if (timerArmed) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(timerAt - SteadyClock::now());
      timeout = static_cast<int>(std::max<int64_t>(0, std::min<int64_t>(left.count() + 1, 1 << 30)));
    }
    pollfd fds[2] = {{xfd, POLLIN, 0}, {g_signalPipe[0], POLLIN, 0}};
    poll(fds, g_signalPipe[0] >= 0 ? 2 : 1, timeout);
  }

  lmvengine::ClosePlayer(player);
  pacing.Write();
  if (target.kind == SaverKind::kFullScreen) {
    XUngrabPointer(display, CurrentTime);
    XUngrabKeyboard(display, CurrentTime);
  }
  if (target.kind != SaverKind::kHack && !ownWindowGone) XDestroyWindow(display, window);
  if (cursor != None) XFreeCursor(display, cursor);
  XSync(display, False);
  return 0;
}

}  // namespace lmvx11
