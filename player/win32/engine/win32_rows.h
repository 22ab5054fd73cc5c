// The frame compositor's second thread on Windows (the win32 thread model
// has no std::thread): each Run() starts one system thread for the second
// half of the rows and joins it before returning.
#pragma once

#include "frame_compositor.h"

namespace lmvengine::win32 {

class Win32Rows : public RowRunner {
 public:
  int Parts() const override { return 2; }
  // A thread that cannot be started leaves its part to the caller.
  void Run(const std::function<void(int part)>& task) override;
};

}  // namespace lmvengine::win32
