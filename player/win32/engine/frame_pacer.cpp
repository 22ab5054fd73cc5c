#include "frame_pacer.h"

namespace lmvengine::win32 {
namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// The refresh rate of the primary display, 60 when it does not say.
int RefreshRate() {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) &&
      mode.dmDisplayFrequency >= 20 && mode.dmDisplayFrequency <= 500) {
    return static_cast<int>(mode.dmDisplayFrequency);
  }
  return 60;
}

}  // namespace

int64_t CounterMicroseconds() {
  static const int64_t frequency = [] {
    LARGE_INTEGER f;
    return QueryPerformanceFrequency(&f) && f.QuadPart > 0 ? f.QuadPart : int64_t{1000};
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency * 1000000 + now.QuadPart % frequency * 1000000 / frequency;
}

FramePacer::FramePacer() {
  periodUs_ = 1000000 / RefreshRate();
  dwmapi_ = LoadLibraryW(L"dwmapi.dll");
  if (dwmapi_) {
    using IsEnabled = HRESULT(WINAPI*)(BOOL*);
    auto enabled = reinterpret_cast<IsEnabled>(
        reinterpret_cast<void*>(GetProcAddress(dwmapi_, "DwmIsCompositionEnabled")));
    BOOL on = FALSE;
    if (enabled && SUCCEEDED(enabled(&on)) && on) {
      flush_ = reinterpret_cast<DwmFlushFunction>(
          reinterpret_cast<void*>(GetProcAddress(dwmapi_, "DwmFlush")));
    }
  }
}

FramePacer::~FramePacer() {
  if (timer_) CloseHandle(timer_);
  if (dwmapi_) FreeLibrary(dwmapi_);
}

void FramePacer::WaitForRefresh() {
  if (flush_) {
    const int64_t before = CounterMicroseconds();
    const HRESULT result = flush_();
    // A compositor that does not wait (none behind the call) would let the
    // frames run as fast as they can be drawn: the timer takes over.
    if (FAILED(result) || CounterMicroseconds() - before < 1000) {
      if (++quickReturns_ >= 3) flush_ = nullptr;
      if (FAILED(result) || !flush_) WaitOnTimer();
    } else {
      quickReturns_ = 0;
    }
    return;
  }
  WaitOnTimer();
}

void FramePacer::WaitOnTimer() {
  if (!timer_) {
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS);
    if (!timer_) timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    if (!timer_) {
      Sleep(static_cast<DWORD>(periodUs_ / 1000));
      return;
    }
  }
  const int64_t now = CounterMicroseconds();
  // The next slot of the refresh grid; missed slots are skipped.
  if (nextUs_ <= now) nextUs_ = now + periodUs_ - (now - nextUs_) % periodUs_;
  if (nextUs_ - now > 4 * periodUs_) nextUs_ = now + periodUs_;
  LARGE_INTEGER due;
  due.QuadPart = -(nextUs_ - now) * 10;  // relative, in 100 ns
  if (!SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
    Sleep(static_cast<DWORD>(periodUs_ / 1000));
    return;
  }
  MsgWaitForMultipleObjects(1, &timer_, FALSE, INFINITE, QS_ALLINPUT);
  nextUs_ += periodUs_;
}

}  // namespace lmvengine::win32
