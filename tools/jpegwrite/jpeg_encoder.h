// Encoding packed pixel rows as a JPEG file, for the tools that make
// pictures (the demo maker) and for tests.
#pragma once

#include <filesystem>
#include <vector>

namespace lmvtools {

// Encodes width x height pixels of `components` bytes each (3: red, green,
// blue; 1: grey), rows top-down without padding, at `quality` (1..100).
// Returns the JPEG bytes, or an empty vector when the sizes do not match
// the buffer or encoding fails.
std::vector<unsigned char> EncodeJpeg(const std::vector<unsigned char>& pixels, int width,
                                      int height, int components, int quality);

// Writes bytes to a file; false on failure.
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

}  // namespace lmvtools
