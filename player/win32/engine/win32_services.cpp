#include "win32_services.h"

#include "frame_pacer.h"

#include <ctime>
#include <vector>

namespace lmvengine::win32 {

int64_t SystemClock::NowSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

int64_t SystemClock::NowMilliseconds() { return CounterMicroseconds() / 1000; }

void SystemSleeper::SleepMilliseconds(int milliseconds) {
  Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0);
}

void MessageBoxSink::Show(const std::string& text, const std::string& caption,
                          MessageIcon icon) {
  UINT type = MB_OK;
  switch (icon) {
    case MessageIcon::kError:
      type |= MB_ICONERROR;
      break;
    case MessageIcon::kWarning:
      type |= MB_ICONWARNING;
      break;
    case MessageIcon::kInformation:
      type |= MB_ICONINFORMATION;
      break;
  }
  MessageBoxW(owner_, Widen(text).c_str(), Widen(caption).c_str(), type);
}

Language MessageBoxSink::SystemLanguage() const {
  switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
    case LANG_FRENCH:
      return Language::kFrench;
    case LANG_GERMAN:
      return Language::kGerman;
    case LANG_SPANISH:
      return Language::kSpanish;
    default:
      return Language::kEnglish;
  }
}

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
  if (length <= 0) {
    // Not UTF-8 (a decoder message in another code page): take the bytes
    // as Latin-1 rather than lose the text.
    return std::wstring(text.begin(), text.end());
  }
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                      length, nullptr, nullptr);
  return narrow;
}

std::filesystem::path ModulePath() {
  // GetModuleFileNameW truncates silently when the buffer is too small:
  // grow it until the whole path fits, so that a saver in a deep folder
  // still finds itself.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace lmvengine::win32
