#include "jpeg_decoder.h"

#include <algorithm>
#include <new>
#include <utility>

namespace lmvengine {

int DeviceRowStride(int width) { return ((width * 24 + 31) / 32) * 4; }

bool ToDeviceRows(const DecodedImage& image, DeviceRows& out) {
  out = DeviceRows{};
  if (image.Empty() || image.width <= 0 || image.height <= 0) return false;
  const size_t width = static_cast<size_t>(image.width);
  const int h = image.height;
  if (image.rgb.size() < width * 3 * static_cast<size_t>(h)) return false;
  const int stride = DeviceRowStride(image.width);
  PixelBytes padded;
  try {
    padded.resize(static_cast<size_t>(stride) * h);
  } catch (const std::bad_alloc&) {
    return false;
  }
  // One pass over the picture: device row y is picture row h-1-y (the flip;
  // for an odd height the middle row stays in place), its pixels with red
  // and blue exchanged, then zero padding up to the stride.
  for (int y = 0; y < h; ++y) {
    const unsigned char* from = image.rgb.data() + static_cast<size_t>(h - 1 - y) * width * 3;
    unsigned char* to = padded.data() + static_cast<size_t>(y) * stride;
    for (size_t x = 0; x < width; ++x, from += 3, to += 3) {
      to[0] = from[2];
      to[1] = from[1];
      to[2] = from[0];
    }
    std::fill(to, padded.data() + static_cast<size_t>(y + 1) * stride,
              static_cast<unsigned char>(0));
  }
  out.width = image.width;
  out.height = image.height;
  out.stride = stride;
  out.bits = std::move(padded);
  return true;
}

}  // namespace lmvengine
