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

// True when the input, taken as a BMP file, declares a picture of more
// than 2^24 pixels. Such sizes are legal (up to 2^27), and a few hundred
// bytes may declare one: filling it is only a long memory write that says
// nothing about the parsing, so the BMP targets pass over them to keep
// their executions for the parser.
inline bool BmpTresGrand(const std::uint8_t* data, std::size_t size) {
  if (size < 26) return false;
  auto lit = [&](std::size_t o) {
    return std::int32_t(std::uint32_t(data[o]) | std::uint32_t(data[o + 1]) << 8 |
                        std::uint32_t(data[o + 2]) << 16 | std::uint32_t(data[o + 3]) << 24);
  };
  const std::int64_t largeur = lit(18), hauteur = lit(22);
  const std::int64_t pixels = (largeur < 0 ? -largeur : largeur) * (hauteur < 0 ? -hauteur : hauteur);
  return pixels > (std::int64_t(1) << 24);
}

}  // namespace lumaveil::fuzz
