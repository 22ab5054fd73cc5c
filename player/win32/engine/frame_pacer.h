// Pacing of the moving effects' frames on Windows: one frame per refresh
// of the display. With the desktop compositor, DwmFlush() (dwmapi.dll,
// loaded when the system has it) waits for its next composition; without
// it, or where DwmFlush returns at once (no compositor behind it), a
// waitable timer (high resolution where the system offers one) ticks at the
// display's refresh rate. Either wait also ends when input arrives, so
// input is handled within a frame.
#pragma once

#include <windows.h>

#include <cstdint>

namespace lmvengine::win32 {

class FramePacer {
 public:
  FramePacer();
  ~FramePacer();
  FramePacer(const FramePacer&) = delete;
  FramePacer& operator=(const FramePacer&) = delete;

  // Blocks until the next refresh (or until input is waiting).
  void WaitForRefresh();

  // Whether the compositor paces the frames (else the timer does).
  bool UsesCompositor() const { return flush_ != nullptr; }

 private:
  using DwmFlushFunction = HRESULT(WINAPI*)();
  void WaitOnTimer();

  HMODULE dwmapi_ = nullptr;
  DwmFlushFunction flush_ = nullptr;
  int quickReturns_ = 0;       // DwmFlush calls in a row that did not wait
  HANDLE timer_ = nullptr;     // the waitable timer, made when first needed
  int64_t periodUs_ = 16667;   // the display's refresh period
  int64_t nextUs_ = 0;         // the timer's next tick, QueryPerformanceCounter time
};

// Microseconds of the performance counter.
int64_t CounterMicroseconds();

}  // namespace lmvengine::win32
