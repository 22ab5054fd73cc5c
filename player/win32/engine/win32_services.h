// The small services the player core asks of Windows: the calendar clock,
// the pause between transition steps, message boxes, and the path of the
// running program file.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "platform.h"

namespace lmvengine::win32 {

// Calendar time in whole seconds; the performance counter in milliseconds.
class SystemClock : public Clock {
 public:
  int64_t NowSeconds() override;
  int64_t NowMilliseconds() override;
};

// Sleep(): blocks the thread, and with it the message loop.
class SystemSleeper : public Sleeper {
 public:
  void SleepMilliseconds(int milliseconds) override;
};

// A message box with an OK button, owned by `owner` (none until the window
// exists). Returns when the user has dismissed it.
class MessageBoxSink : public MessageSink {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void Show(const std::string& text, const std::string& caption, MessageIcon icon) override;
  // The user's interface language (GetUserDefaultUILanguage).
  Language SystemLanguage() const override;

 private:
  HWND owner_ = nullptr;
};

// UTF-8 (or plain ASCII) text as UTF-16 for the wide Windows calls.
std::wstring Widen(std::string_view text);
// UTF-16 text as UTF-8.
std::string Narrow(std::wstring_view text);

// Full path of the running program file, whatever its length; empty when
// the system cannot tell it.
std::filesystem::path ModulePath();

}  // namespace lmvengine::win32
