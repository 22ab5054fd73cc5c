// Fuzz target: the WebP loader on any bytes (still and animated pictures,
// their EXIF and ICCP chunks), and the reading of the orientation alone.
#include <cstdio>

#include "fuzz_file.h"
#include "graphique.h"
#include "picture/orientation_fichier.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = lumaveil::fuzz::ScratchPath(".webp");
  if (!lumaveil::fuzz::WriteInput(path, data, size)) return 0;
  talvik::HBITMAP image = talvik::CGraphique::ChargeImageWebP(path);
  if (image) {
    // The last pixel of each row: a buffer smaller than the size it
    // claims shows up as an overrun.
    volatile std::uint32_t sum = 0;
    for (int y = 0; y < image.Height(); ++y) sum = sum + image.Row(y)[image.Width() - 1];
  }
  volatile int o = talvik::OrientationDuFichier(path);
  (void)o;
  return 0;
}
