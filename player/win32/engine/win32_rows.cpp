#include "win32_rows.h"

#include <windows.h>

namespace lmvengine::win32 {
namespace {

DWORD WINAPI RunSecondPart(void* task) {
  (*static_cast<const std::function<void(int)>*>(task))(1);
  return 0;
}

}  // namespace

void Win32Rows::Run(const std::function<void(int part)>& task) {
  HANDLE thread = CreateThread(nullptr, 0, RunSecondPart,
                               const_cast<std::function<void(int)>*>(&task), 0, nullptr);
  task(0);
  if (thread) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  } else {
    task(1);
  }
}

}  // namespace lmvengine::win32
