// Temporary directories for tests.
#pragma once

#include <string>

namespace lumaveil::testing {

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
