// Fuzz target: the JPEG loader on any bytes, the reader of the thumbnail
// a camera embeds in the file's Exif block, and the reader of the DC
// coefficients that makes list thumbnails.
#include <cstdio>

#include "codec/exif_vignette.h"
#include "codec/jpeg_huitieme.h"
#include "fuzz_file.h"
#include "graphique.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = lumaveil::fuzz::ScratchPath(".jpeg");
  if (!lumaveil::fuzz::WriteInput(path, data, size)) return 0;
  talvik::HBITMAP image = talvik::CGraphique::ChargeImageJPEG(path);
  if (image) {
    // The last pixel of each row: a buffer smaller than the size it
    // claims shows up as an overrun.
    volatile std::uint32_t sum = 0;
    for (int y = 0; y < image.Height(); ++y) sum = sum + image.Row(y)[image.Width() - 1];
  }
  for (const talvik::ImageJPEG& petite :
       {talvik::DecodeVignetteExif(path), talvik::DecodeJPEGHuitieme(path)}) {
    if (!petite.image) continue;
    volatile std::uint32_t sum = 0;
    for (int y = 0; y < petite.image.Height(); ++y)
      sum = sum + petite.image.Row(y)[petite.image.Width() - 1];
  }
  return 0;
}
