#include "jpeg_decoder.h"

#include <algorithm>
#include <new>
#include <utility>

namespace lmvengine {

int DeviceRowStride(int width) { return ((width * 24 + 31) / 32) * 4; }

bool ToDeviceRows(const DecodedImage& image, DeviceRows& out) {
  out = DeviceRows{};
  if (image.Empty() || image.width <= 0 || image.height <= 0) return false;
  const size_t rowBytes = static_cast<size_t>(image.width) * 3;
  std::vector<unsigned char> work;
  std::vector<unsigned char> padded;
  const int stride = DeviceRowStride(image.width);
  try {
    work = image.rgb;
    padded.assign(static_cast<size_t>(stride) * image.height, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  // Red-green-blue becomes blue-green-red.
  for (size_t i = 0; i + 2 < work.size(); i += 3) std::swap(work[i], work[i + 2]);
  // Flip: row i with row h-1-i; for an odd height the middle row swaps with itself.
  const int h = image.height;
  for (int i = 0; i < (h + 1) / 2; ++i) {
    unsigned char* a = work.data() + static_cast<size_t>(i) * rowBytes;
    unsigned char* b = work.data() + static_cast<size_t>(h - 1 - i) * rowBytes;
    if (a != b) std::swap_ranges(a, a + rowBytes, b);
  }
  for (int y = 0; y < h; ++y) {
    std::copy_n(work.data() + static_cast<size_t>(y) * rowBytes, rowBytes,
                padded.data() + static_cast<size_t>(y) * stride);
  }
  out.width = image.width;
  out.height = image.height;
  out.stride = stride;
  out.bits = std::move(padded);
  return true;
}

}  // namespace lmvengine
