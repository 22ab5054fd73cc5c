// A window manager (openbox) on a test's X server, for tests that need
// windows placed, decorated and activated as on a desktop. Stopped when
// the object goes away.
#pragma once

#include <string>
#include <sys/types.h>

namespace lumaveil::testing {

class Openbox {
 public:
  // Starts openbox on `display` (":N") and waits until it manages the screen.
  explicit Openbox(const std::string& display);
  ~Openbox();
  Openbox(const Openbox&) = delete;
  Openbox& operator=(const Openbox&) = delete;

  bool Ok() const { return ok_; }

 private:
  pid_t pid_ = -1;
  bool ok_ = false;
};

}  // namespace lumaveil::testing
