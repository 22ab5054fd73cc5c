// A private Xvfb server for tests that need a display: started on a free
// display number (chosen by the server itself through -displayfd) and
// stopped when the object goes away.
#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace lumaveil::testing {

class Xvfb {
 public:
  // Starts "Xvfb -screen 0 WxHx24". Check Ok() before use.
  explicit Xvfb(int width = 1024, int height = 768);
  // One X screen per size (":N.0", ":N.1", ...), as a desk of monitors that
  // are not joined into one root window.
  explicit Xvfb(const std::vector<std::pair<int, int>>& screens);
  ~Xvfb();
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  bool Ok() const { return pid_ > 0 && !display_.empty(); }
  // ":N", for DISPLAY.
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
  void Start(const std::vector<std::pair<int, int>>& screens);
};

}  // namespace lumaveil::testing
