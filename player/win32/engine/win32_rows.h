// The player core's threads on Windows (the win32 thread model has no
// std::thread): the frame compositor's second thread, which each Run()
// starts for the second half of the rows and joins before returning, and
// the thread the next screen is read on while a moving one plays.
#pragma once

#include "frame_compositor.h"
#include "platform.h"

namespace lmvengine::win32 {

class Win32Rows : public RowRunner {
 public:
  int Parts() const override { return 2; }
  // A thread that cannot be started leaves its part to the caller.
  void Run(const std::function<void(int part)>& task) override;
};

class Win32WorkStarter : public WorkStarter {
 public:
  // Null when no thread can be started.
  std::unique_ptr<BackgroundWork> Start(std::function<void()> work) override;
};

}  // namespace lmvengine::win32
