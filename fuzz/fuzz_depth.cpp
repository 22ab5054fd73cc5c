// Fuzz target: the colour-depth utilities on any bytes taken as a BMP file:
// the colour count, then a rewrite at a depth chosen by the last byte.
#include <cstdio>
#include <vector>

#include "depth/bitmaplib.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string in = lumaveil::fuzz::ScratchPath(".bmp");
  static const std::string out = lumaveil::fuzz::ScratchPath("-out.bmp");
  if (lumaveil::fuzz::BmpTresGrand(data, size)) return 0;
  if (!lumaveil::fuzz::WriteInput(in, data, size)) return 0;
  static std::vector<talvik::RGBQUAD> colours(4096);
  talvik::CBitmapLib::GetUsedColors(in, colours.data(), 4096, nullptr);
  static const unsigned short kBits[] = {1, 4, 8, 16, 24, 32};
  const unsigned short bits = kBits[size ? data[size - 1] % 6 : 0];
  talvik::CBitmapLib::ChangeColorDepth(in, out, bits, nullptr);
  return 0;
}
