// A private Xvfb server for tests that need a display: started on a free
// display number (chosen by the server itself through -displayfd) and
// stopped when the object goes away.
#pragma once

#include <string>
#include <sys/types.h>

namespace lumaveil::testing {

class Xvfb {
 public:
  // Starts "Xvfb -screen 0 WxHx24". Check Ok() before use.
  explicit Xvfb(int width = 1024, int height = 768);
  ~Xvfb();
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  bool Ok() const { return pid_ > 0 && !display_.empty(); }
  // ":N", for DISPLAY.
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// Runs a shell command and returns its standard output ("" on failure).
std::string RunAndCapture(const std::string& command);

// A fresh empty directory under the system's temporary directory, removed
// with everything in it when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace lumaveil::testing
