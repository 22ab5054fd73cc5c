// The readers under test take file paths: each input is written to one
// scratch file per process (in /dev/shm when there is one) and read back
// from there.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace lumaveil::fuzz {

// The scratch file's path for this process, with the given extension.
inline std::string ScratchPath(const char* extension) {
  const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(dir) + "/lumaveil-fuzz-" + std::to_string(getpid()) + extension;
}

// Writes the input to the scratch file; false when it cannot.
inline bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace lumaveil::fuzz
