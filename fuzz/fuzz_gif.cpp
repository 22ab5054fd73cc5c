// Fuzz target: the GIF reader on any bytes, walking several images so that
// the wrap-around after the last one is exercised as well.
#include "codec/gif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  talvik::CGif gif;
  if (!gif.LoadMemory(data, size)) return 0;
  talvik::HBITMAP image = gif.FirstImage();
  for (int i = 0; i < 4; ++i) {
    if (image) {
      volatile std::uint32_t sum = 0;
      for (std::size_t p = 0; p < image.PixelCount(); ++p) sum = sum + image.Pixels()[p];
    }
    image = gif.NextImage();
  }
  return 0;
}
