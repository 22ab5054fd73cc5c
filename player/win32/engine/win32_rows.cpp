#include "win32_rows.h"

#include <windows.h>

namespace lmvengine::win32 {
namespace {

DWORD WINAPI RunSecondPart(void* task) {
  (*static_cast<const std::function<void(int)>*>(task))(1);
  return 0;
}

class Win32Work final : public BackgroundWork {
 public:
  explicit Win32Work(std::function<void()> work) : work_(std::move(work)) {}
  ~Win32Work() override {
    if (!thread_) return;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  bool Start() {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    // Below the frames' threads: the work takes the time they leave.
    if (thread_) SetThreadPriority(thread_, THREAD_PRIORITY_BELOW_NORMAL);
    return thread_ != nullptr;
  }
  bool Finished() override { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<Win32Work*>(self)->work_();
    return 0;
  }

  std::function<void()> work_;
  HANDLE thread_ = nullptr;
};

}  // namespace

std::unique_ptr<BackgroundWork> Win32WorkStarter::Start(std::function<void()> work) {
  auto started = std::make_unique<Win32Work>(std::move(work));
  if (!started->Start()) return nullptr;
  return started;
}

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
