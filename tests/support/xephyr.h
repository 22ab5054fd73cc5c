// A nested X server with several monitors side by side: Xephyr inside a
// private Xvfb, one Xephyr screen per monitor, joined by Xinerama into one
// root window (heads at (0, 0), (w0, 0), ...). Xvfb's own Xinerama stacks
// its heads at (0, 0), so it cannot stand for monitors side by side.
#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "xvfb.h"

namespace lumaveil::testing {

class XephyrMonitors {
 public:
  // Starts an Xvfb and, on it, "Xephyr -screen W0xH0 -screen W1xH1 ...
  // +xinerama". Check Ok() before use.
  explicit XephyrMonitors(const std::vector<std::pair<int, int>>& monitors);
  ~XephyrMonitors();
  XephyrMonitors(const XephyrMonitors&) = delete;
  XephyrMonitors& operator=(const XephyrMonitors&) = delete;

  bool Ok() const { return host_.Ok() && pid_ > 0 && !display_.empty(); }
  // ":N" of the nested server, for DISPLAY.
  const std::string& Display() const { return display_; }

 private:
  Xvfb host_{1024, 768};
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace lumaveil::testing
