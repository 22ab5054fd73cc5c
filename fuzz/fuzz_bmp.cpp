// Fuzz target: the BMP loader on any bytes.
#include <cstdio>

#include "fuzz_file.h"
#include "graphique.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = lumaveil::fuzz::ScratchPath(".bmp");
  if (!lumaveil::fuzz::WriteInput(path, data, size)) return 0;
  talvik::HBITMAP image = talvik::CGraphique::ChargeImageBMP(path);
  if (image) {
    // Touch every pixel so that a wrong size shows up as an overrun.
    volatile std::uint32_t sum = 0;
    for (std::size_t i = 0; i < image.PixelCount(); ++i) sum = sum + image.Pixels()[i];
  }
  return 0;
}
