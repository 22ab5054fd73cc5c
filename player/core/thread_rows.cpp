#include "thread_rows.h"

#include <system_error>
#include <thread>
#include <vector>

namespace lmvengine {

void ThreadRows::Run(const std::function<void(int part)>& task) {
  std::vector<std::thread> threads;
  std::vector<int> inline_parts;
  threads.reserve(static_cast<size_t>(parts_ - 1));
  for (int part = 1; part < parts_; ++part) {
    try {
      threads.emplace_back(task, part);
    } catch (const std::system_error&) {
      inline_parts.push_back(part);
    }
  }
  task(0);
  for (int part : inline_parts) task(part);
  for (std::thread& t : threads) t.join();
}

}  // namespace lmvengine
