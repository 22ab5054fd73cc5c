#include "engine_window.h"

#include "about_box.h"
#include "resource.h"

namespace lmvengine::win32 {
namespace {

EngineState* StateOf(HWND window) {
  return reinterpret_cast<EngineState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The background of a window over several monitors: black, on the
// monitors around their screens and where no monitor shows the window.
void EraseAroundMonitors(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// The end of the run: the players closed (once the running tick has
// returned), the window given up, the message loop told to quit.
void EndRun(EngineState& state) {
  state.animating = false;
  if (state.inTick) {
    state.closeAfterTick = true;
  } else {
    ClosePlayer(state.player);
    for (auto& other : state.others) ClosePlayer(other->player);
  }
  state.surface.SetWindow(nullptr);
  for (auto& other : state.others) other->surface.SetWindow(nullptr);
  state.messages.SetOwner(nullptr);
  if (!state.preview) ShowCursor(TRUE);
  PostQuitMessage(0);
}

// Input that ends the full-screen saver; the preview ignores it. The run
// ends at once and the window goes with the process: hiding it first
// (DestroyWindow) can wait on the window manager, under Wine up to 2 s.
bool EndOnInput(HWND window, EngineState& state) {
  if (state.preview) return false;
  EndRun(state);
  // What the window still receives goes to the default procedure.
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return true;
}

LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* created = static_cast<EngineState*>(create->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->surface.SetWindow(window);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  EngineState* state = StateOf(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      RunTick(window, *state);
      return 0;
    }
    case WM_ERASEBKGND:
      if (!state->monitors.empty()) {
        EraseAroundMonitors(window, reinterpret_cast<HDC>(wParam));
        return 1;
      }
      break;
    case WM_TIMER:
      if (wParam == kTickTimer) RunTick(window, *state);
      return 0;
    case WM_DESTROY:
      EndRun(*state);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDM_ABOUT) {
        ShowAboutBox(state->instance, window, state->player.language);
        return 0;
      }
      if (LOWORD(wParam) == IDM_EXIT) {
        DestroyWindow(window);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      // The low four bits are used by the system; the command is in the rest.
      if ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_CLOSE) return 0;
      break;
    case WM_MOUSEMOVE: {
      const POINT at{static_cast<LONG>(LOWORD(lParam)), static_cast<LONG>(HIWORD(lParam))};
      if (state->firstMouse.x == -1 && state->firstMouse.y == -1) {
        state->firstMouse = at;
        return 0;
      }
      if (at.x == state->firstMouse.x && at.y == state->firstMouse.y) return 0;
      if (EndOnInput(window, *state)) return 0;
      break;
    }
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
      if (EndOnInput(window, *state)) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// A message box shown by a tick (a picture that does not decode) pumps
// messages: paint and timer messages that arrive meanwhile are left to the
// running tick, and the package is closed only once the tick has returned.
void RunTick(HWND window, EngineState& state) {
  if (state.inTick) return;
  state.inTick = true;
  bool ended = true;
  bool animating = false;
  int timerMs = 0x7FFFFFFF;
  auto tick = [&](Player& player, GdiSurface& surface) {
    const PlayerContext context{state.clock, state.sleeper, surface, state.messages, &state.rows,
                               &state.work};
    const TickResult result = Tick(player, context);
    if (result.end) return;
    ended = false;
    if (result.animating) {
      animating = true;
    } else if (result.timerMs < timerMs) {
      timerMs = result.timerMs;
    }
  };
  tick(state.player, state.surface);
  for (auto& other : state.others) {
    if (!state.closeAfterTick) tick(other->player, other->surface);
  }
  state.inTick = false;
  if (state.closeAfterTick) {
    state.animating = false;
    ClosePlayer(state.player);
    for (auto& other : state.others) ClosePlayer(other->player);
    return;
  }
  if (ended) {
    state.animating = false;
    DestroyWindow(window);
    return;
  }
  state.animating = animating;
  if (animating) {
    KillTimer(window, kTickTimer);
  } else {
    SetTimer(window, kTickTimer, static_cast<UINT>(timerMs), nullptr);
  }
}

bool RegisterEngineClass(HINSTANCE instance, const wchar_t* className) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_BYTEALIGNCLIENT;
  windowClass.lpfnWndProc = EngineWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_LMVENGINE));
  windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SMALL));
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

HWND CreateEngineWindow(EngineState& state, const wchar_t* className, HWND parent,
                        const RECT& area) {
  HWND window;
  if (state.preview) {
    window = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, area.left, area.top,
                             area.right, area.bottom, parent, nullptr, state.instance, &state);
  } else if (!state.monitors.empty()) {
    window = CreateWindowExW(0, className, L"", WS_POPUP, area.left, area.top,
                             area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                             state.instance, &state);
  } else {
    window = CreateWindowExW(0, className, L"", WS_POPUP | WS_MAXIMIZE, 0, 0, area.right,
                             area.bottom, nullptr, nullptr, state.instance, &state);
  }
  if (window) {
    state.surface.SetWindow(window);
    for (auto& other : state.others) other->surface.SetWindow(window);
    state.messages.SetOwner(window);
  }
  return window;
}

}  // namespace lmvengine::win32
