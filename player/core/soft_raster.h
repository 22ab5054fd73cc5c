// A software drawing surface: 32-bit pixels in memory and the two blits of
// the step plans (copy, and stretch with nearest-pixel sampling like
// COLORONCOLOR). Used by back-ends without a stretching blit of their own
// (X11) and by the virtual display.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "effects.h"
#include "jpeg_decoder.h"

namespace lmvengine {

// What the display shows around the screens and before the first: black.
inline constexpr uint32_t kClassBackground = 0x00000000;

struct Raster {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down, width per row
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A width x height raster filled with `colour`. Returns an empty raster for
// a size below 1 or above kMaxDecodedPixels.
Raster MakeRaster(int width, int height, uint32_t colour);

// The decoded picture as pixels (empty when the image is empty).
Raster RasterFromImage(const DecodedImage& image);

// Executes one blit from `picture` onto `target`. Destination pixels outside
// `target` are clipped; destination pixels whose source pixel lies outside
// `picture` keep their colour. Stretch maps destination pixel d to source
// source.x + ((2d + 1) * source.w) / (2 * dest.w) on each axis; a smooth
// stretch samples bilinearly (DrawWindowInto).
void BlitRaster(const Raster& picture, const BlitStep& step, Raster& target);

// Writes the raster as binary PPM (P6, maxval 255). Returns false on failure.
bool WritePpm(const Raster& raster, const std::filesystem::path& path);

}  // namespace lmvengine
