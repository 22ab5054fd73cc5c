#include "monitors.h"

#include <algorithm>

namespace lmvengine::win32 {
namespace {

struct Collected {
  RECT virtualScreen;
  std::vector<Rect> areas;
};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT monitor, LPARAM data) {
  auto* collected = reinterpret_cast<Collected*>(data);
  const RECT& v = collected->virtualScreen;
  const LONG left = std::max(monitor->left, v.left);
  const LONG top = std::max(monitor->top, v.top);
  const LONG right = std::min(monitor->right, v.right);
  const LONG bottom = std::min(monitor->bottom, v.bottom);
  if (right > left && bottom > top) {
    collected->areas.push_back(Rect{static_cast<int>(left - v.left), static_cast<int>(top - v.top),
                                    static_cast<int>(right - left),
                                    static_cast<int>(bottom - top)});
  }
  return TRUE;
}

}  // namespace

RECT VirtualScreen() {
  RECT area{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width > 0 && height > 0) {
    area.right = area.left + width;
    area.bottom = area.top + height;
    return area;
  }
  area = RECT{0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  if (screen) {
    area.right = GetDeviceCaps(screen, HORZRES);
    area.bottom = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
  }
  return area;
}

std::vector<Rect> MonitorAreas(const RECT& virtualScreen) {
  Collected collected{virtualScreen, {}};
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&collected));
  return collected.areas;
}

}  // namespace lmvengine::win32
