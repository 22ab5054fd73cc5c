// Fuzz target: the BMP loader on any bytes.
#include <cstdio>

#include "fuzz_file.h"
#include "graphique.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = lumaveil::fuzz::ScratchPath(".bmp");
  if (lumaveil::fuzz::BmpTresGrand(data, size)) return 0;
  if (!lumaveil::fuzz::WriteInput(path, data, size)) return 0;
  talvik::HBITMAP image = talvik::CGraphique::ChargeImageBMP(path);
  if (image) {
    // The last pixel of each row: a buffer smaller than the size it
    // claims shows up as an overrun.
    volatile std::uint32_t sum = 0;
    for (int y = 0; y < image.Height(); ++y) sum = sum + image.Row(y)[image.Width() - 1];
  }
  return 0;
}
