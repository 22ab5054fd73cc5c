// A WorkStarter on std::thread, for the players built with a thread
// library (the X11 player): each work gets a thread of its own, at a
// lower priority than the frames', joined when the work's handle goes. The Windows player has its own on the
// system's threads.
#pragma once

#include "platform.h"

namespace lmvengine {

class ThreadWorkStarter : public WorkStarter {
 public:
  // Null when no thread can be started.
  std::unique_ptr<BackgroundWork> Start(std::function<void()> work) override;
};

}  // namespace lmvengine
