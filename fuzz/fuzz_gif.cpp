// Fuzz target: the GIF reader on any bytes, walking several images so that
// the wrap-around after the last one is exercised as well.
#include "codec/gif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  talvik::CGif gif;
  if (!gif.LoadMemory(data, size)) return 0;
  talvik::HBITMAP image = gif.FirstImage();
  for (int i = 0; i < 3; ++i) {
    if (image) {
      // The last pixel of each row: a buffer smaller than the size it
      // claims shows up as an overrun.
      volatile std::uint32_t sum = 0;
      for (int y = 0; y < image.Height(); ++y) sum = sum + image.Row(y)[image.Width() - 1];
    }
    image = gif.NextImage();
  }
  return 0;
}
