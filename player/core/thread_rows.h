// A RowRunner on std::thread, for the players built with a thread library
// (the X11 player, the benchmarks): the caller's thread runs the first
// part, one thread per other part runs the rest, all joined before Run()
// returns. The Windows player has its own on the system's threads.
#pragma once

#include "frame_compositor.h"

namespace lmvengine {

class ThreadRows : public RowRunner {
 public:
  // `parts` threads in all, the caller's included (at least 1).
  explicit ThreadRows(int parts) : parts_(parts < 1 ? 1 : parts) {}
  int Parts() const override { return parts_; }
  // A part whose thread cannot be started runs on the caller's thread.
  void Run(const std::function<void(int part)>& task) override;

 private:
  int parts_;
};

}  // namespace lmvengine
