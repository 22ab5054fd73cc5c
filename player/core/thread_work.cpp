#include "thread_work.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <system_error>
#include <thread>

namespace lmvengine {
namespace {

class ThreadWork final : public BackgroundWork {
 public:
  explicit ThreadWork(std::function<void()> work)
      : thread_([this, work = std::move(work)] {
          // Below the frames' threads: the work takes the time they leave
          // (on Linux a thread's nice value is its own).
          setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
          work();
          done_.store(true, std::memory_order_release);
        }) {}
  ~ThreadWork() override { thread_.join(); }
  bool Finished() override { return done_.load(std::memory_order_acquire); }

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;  // after done_, which it sets
};

}  // namespace

std::unique_ptr<BackgroundWork> ThreadWorkStarter::Start(std::function<void()> work) {
  try {
    return std::make_unique<ThreadWork>(std::move(work));
  } catch (const std::system_error&) {
    return nullptr;
  }
}

}  // namespace lmvengine
