// Test helpers: pictures drawn in memory, JPEG bytes, and packages written
// with the package writer around any engine bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "jpeg_decoder.h"
#include "package_format.h"

namespace lumaveil::testing {

// width x height pixels of one colour 0x00RRGGBB, packed RGB.
std::vector<unsigned char> SolidRgb(int width, int height, uint32_t colour);

// JPEG bytes of a solid picture (quality 95), colour or greyscale (grey = red byte).
std::vector<unsigned char> SolidJpeg(int width, int height, uint32_t colour, bool grey = false);

// Writes bytes to a file, returns the path.
std::filesystem::path WriteBytes(const std::filesystem::path& path,
                                 const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::filesystem::path& path);

struct RecordData {
  int32_t duration = 3;
  int32_t effect = 0;
  std::vector<unsigned char> image;  // the record's image bytes, as written
};

// A package: `engine` bytes, the records, the trailer. The trailer is
// written as given (not checked), so tests can make damaged packages.
std::vector<unsigned char> PackageBytes(const std::vector<unsigned char>& engine,
                                        const std::vector<RecordData>& records,
                                        const lmvengine::PackageTrailer& trailer);

// A well-formed trailer for `records` after `engine`.
lmvengine::PackageTrailer TrailerFor(const std::vector<unsigned char>& engine, int width, int height,
                                     size_t records);

// Mean colour of a decoded picture as 0x00RRGGBB, for checks on lossy JPEG.
uint32_t MeanColour(const lmvengine::DecodedImage& image);

// True when every channel of a and b differ by at most `tolerance`.
bool CloseColour(uint32_t a, uint32_t b, int tolerance = 6);

}  // namespace lumaveil::testing
