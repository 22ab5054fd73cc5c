// LmvEngine.exe: the Windows screen saver player. Windows starts a saver
// with "/c" (about box), "/p <window>" (preview inside the settings dialog)
// or anything else (full screen, over every monitor); the screens come from
// the program's own file, read and played by the portable player core.
// The embedded manifest declares per-monitor DPI awareness, so every size
// read here is in physical pixels and a picture is drawn 1:1.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "about_box.h"
#include "command_line.h"
#include "engine_window.h"
#include "monitors.h"
#include "motion.h"
#include "resource.h"

namespace lmvengine::win32 {
namespace {

constexpr char kUsage[] =
    "usage: LmvEngine.exe [/s]            play full screen\r\n"
    "       LmvEngine.exe /c              settings: the about box\r\n"
    "       LmvEngine.exe /p WINDOW       preview inside that window\r\n"
    "       LmvEngine.exe --help|-h|/?    this text\r\n"
    "The screens are the ones appended to this program's own file.\r\n";

// The usage on standard output: the handle the program was given (a pipe,
// a file), else the console of the program that started it; a message box
// when there is neither.
void ShowUsage() {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
    out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out == nullptr || out == INVALID_HANDLE_VALUE ||
      !WriteFile(out, kUsage, DWORD(sizeof kUsage - 1), &written, nullptr))
    MessageBoxA(nullptr, kUsage, "LmvEngine", MB_OK | MB_ICONINFORMATION);
}

// Screen size for the geometry: the preview parent's client rectangle, or
// the display's resolution. A handle that is no window leaves it empty.
RECT ScreenArea(bool preview, HWND parent) {
  RECT area{0, 0, 0, 0};
  if (preview && parent) {
    GetClientRect(parent, &area);
    return area;
  }
  HDC screen = GetDC(nullptr);
  if (screen) {
    area.right = GetDeviceCaps(screen, HORZRES);
    area.bottom = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
  }
  return area;
}

int Run(HINSTANCE instance, const std::wstring& commandLine, int showCommand) {
  const std::filesystem::path modulePath = ModulePath();
  wchar_t className[100] = L"";
  LoadStringW(instance, IDC_LMVENGINE, className, 100);
  RegisterEngineClass(instance, className);

  const CommandLine command = ParseCommandLine(Narrow(commandLine));
  if (command.mode == PlayerMode::kHelp) {
    ShowUsage();
    return 0;
  }
  if (command.mode == PlayerMode::kAbout) {
    MessageBoxSink system;
    ShowAboutBox(instance, nullptr, PackageLanguage(modulePath, system.SystemLanguage()));
    return 0;
  }

  EngineState state;
  state.instance = instance;
  state.preview = command.mode == PlayerMode::kPreview;
  HWND parent = reinterpret_cast<HWND>(static_cast<intptr_t>(command.parent));
  RECT area = ScreenArea(state.preview, parent);
  // Full screen on several monitors: one window over the virtual screen,
  // each monitor drawn with the geometry of its own size.
  if (!state.preview) {
    const RECT virtualScreen = VirtualScreen();
    std::vector<Rect> monitors = MonitorAreas(virtualScreen);
    if (monitors.size() > 1) {
      area = virtualScreen;
      state.monitors = std::move(monitors);
    }
  }

  if (!OpenPlayer(state.player, modulePath, area.right - area.left, area.bottom - area.top,
                  state.messages)) {
    return 0;
  }
  if (!state.monitors.empty()) SetMonitors(state.player, state.monitors);
  // Each start differs: the shuffle is seeded from the time.
  const uint32_t seed = Mix32(static_cast<uint32_t>(CounterMicroseconds()) ^
                              static_cast<uint32_t>(GetTickCount()) ^ GetCurrentProcessId());
  const int monitorCount = static_cast<int>(state.monitors.size());
  if (monitorCount > 1 && state.player.package.HasOptionsBlock() &&
      (state.player.package.Options().flags & kOptionDifferentMonitors)) {
    // Different screens on each monitor: a player of its own for each.
    SetMonitors(state.player, {state.monitors[0]});
    StartSequence(state.player, seed, 0, monitorCount);
    for (int m = 1; m < monitorCount; ++m) {
      auto other = std::make_unique<MonitorPlayer>();
      const Rect& at = state.monitors[static_cast<size_t>(m)];
      if (!OpenPlayer(other->player, modulePath, at.w, at.h, state.messages)) return 0;
      SetMonitors(other->player, {at});
      StartSequence(other->player, seed, m, monitorCount);
      state.others.push_back(std::move(other));
    }
  } else {
    StartSequence(state.player, seed, 0, 1);
  }

  HWND window = CreateEngineWindow(state, className, state.preview ? parent : nullptr, area);
  if (!window) return 0;
  if (!state.preview) ShowCursor(FALSE);
  // A maximized window covers one monitor only: the window over several
  // monitors is shown at its own size.
  if (!state.monitors.empty() && (showCommand == SW_SHOWMAXIMIZED || showCommand == SW_MAXIMIZE)) {
    showCommand = SW_SHOWNORMAL;
  }
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDC_LMVENGINE));
  // The messages first, always; while a moving effect is on, one frame per
  // refresh of the display between them, so input is handled within a frame.
  MSG message;
  for (;;) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      if (!TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    if (state.animating && IsWindow(window)) {
      RunTick(window, state);
      if (state.animating) state.pacer.WaitForRefresh();
      continue;
    }
    WaitMessage();
  }
}

}  // namespace
}  // namespace lmvengine::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  return lmvengine::win32::Run(instance, commandLine ? commandLine : L"", showCommand);
}
