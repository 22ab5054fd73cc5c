#include "codec/jpeg_limites.h"

#include "base/bitmap.h"

namespace talvik::jpeg {

bool Borne(jpeg_decompress_struct& c, Erreurs& e, std::uint64_t octets) {
  if (!Bitmap::FitsBudget(c.image_width, c.image_height)) return false;
  // Every block of a Huffman-coded picture costs at least one bit in its
  // first scan (a DC difference code); arithmetic coding has no such floor.
  if (!c.arith_code && octets != kTailleInconnue) {
    std::uint64_t blocs = 0;
    for (int i = 0; i < c.num_components; ++i)
      blocs += std::uint64_t(c.comp_info[i].width_in_blocks) * c.comp_info[i].height_in_blocks;
    if (blocs > octets * 8) {
      Bitmap::SetLastCreateError("The file's data ends before the picture does");
      return false;
    }
  }
  // The coefficients of a progressive picture are kept whole: at most three
  // bytes per pixel of the budget (colour at 4:2:0), beyond which libjpeg
  // fails rather than allocate.
  c.mem->max_memory_to_use = long(kMaxPixels * 3);
  e.scansMax = kScansMax;
  Surveille(&c);
  return true;
}

}  // namespace talvik::jpeg
