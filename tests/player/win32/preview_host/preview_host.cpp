// lmv_preview_host.exe X Y W H HANDLE_FILE CHILD_FILE CLOSE_FILE
//
// Stands in for the Screen Saver settings dialog in the Wine tests: a black
// top-level window whose client area is W x H pixels at (X, Y) on the screen.
// Once it is shown, its window handle is written in decimal to HANDLE_FILE.
// Every 100 ms it describes its first child window in CHILD_FILE as
// "CLASS left top width height" (client coordinates), and it closes itself,
// destroying that child, as soon as CLOSE_FILE exists. Files are written
// beside their name and renamed, so a reader never sees half a line.
// Exit code 0, or 1 on bad arguments.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr UINT_PTR kPollTimer = 1;
std::wstring g_childFile;
std::wstring g_closeFile;
std::string g_lastChild;

bool WriteText(const std::wstring& path, const std::string& text) {
  const std::wstring temporary = path + L".part";
  FILE* file = _wfopen(temporary.c_str(), L"wb");
  if (!file) return false;
  std::fputs(text.c_str(), file);
  std::fclose(file);
  return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void DescribeChild(HWND window) {
  HWND child = GetWindow(window, GW_CHILD);
  if (!child) return;
  char name[64] = "";
  GetClassNameA(child, name, sizeof name);
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
  char line[160];
  std::snprintf(line, sizeof line, "%s %ld %ld %ld %ld\n", name, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top);
  if (line != g_lastChild && WriteText(g_childFile, line)) g_lastChild = line;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      DescribeChild(window);
      if (GetFileAttributesW(g_closeFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
        DestroyWindow(window);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool WriteHandle(const std::wstring& path, HWND window) {
  return WriteText(path, std::to_string(reinterpret_cast<intptr_t>(window)) + "\n");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc != 8) return 1;
  const int x = _wtoi(argv[1]);
  const int y = _wtoi(argv[2]);
  const int width = _wtoi(argv[3]);
  const int height = _wtoi(argv[4]);
  const std::wstring handleFile = argv[5];
  g_childFile = argv[6];
  g_closeFile = argv[7];

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"LmvPreviewHost";
  if (!RegisterClassW(&windowClass)) return 1;

  // A popup has no frame: its client area is the whole window.
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Preview host",
                                WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  UpdateWindow(window);
  SetTimer(window, kPollTimer, 100, nullptr);
  if (!WriteHandle(handleFile, window)) return 1;

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
