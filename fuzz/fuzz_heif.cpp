// Fuzz target: the HEIF/AVIF loader on any bytes, the reader of the
// thumbnail item, and the reader of the rotation and mirror boxes.
#include <cstdio>

#include "codec/heif_lecture.h"
#include "fuzz_file.h"
#include "graphique.h"
#include "picture/format.h"
#include "picture/orientation_fichier.h"

namespace {

void Touch(const talvik::Bitmap& image) {
  // The last pixel of each row: a buffer smaller than the size it claims
  // shows up as an overrun.
  volatile std::uint32_t sum = 0;
  for (int y = 0; y < image.Height(); ++y) sum = sum + image.Row(y)[image.Width() - 1];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = lumaveil::fuzz::ScratchPath(".heic");
  volatile int o = talvik::OrientationHeif(data, size);
  volatile int f = int(talvik::FormatDuContenu(data, size));
  (void)o;
  (void)f;
  if (!lumaveil::fuzz::WriteInput(path, data, size)) return 0;
  Touch(talvik::CGraphique::ChargeImageHEIF(path));
  Touch(talvik::DecodeVignetteHEIF(path).image);
  return 0;
}
