#include "codec/jpeg_limites.h"

#include <jerror.h>

#include "base/bitmap.h"

namespace talvik::jpeg {

namespace {

constexpr const char* kTropDeScans = "The JPEG data has too many scans";

void SuitProgression(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  const auto* c = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (c->input_scan_number <= kScansMax) return;
  Erreurs& e = *reinterpret_cast<Erreurs*>(cinfo->err);
  e.raison = kTropDeScans;
  Bitmap::SetLastCreateError(kTropDeScans);
  (*cinfo->err->error_exit)(cinfo);
}

}  // namespace

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
  e.progression.progress_monitor = SuitProgression;
  c.progress = &e.progression;
  return true;
}

}  // namespace talvik::jpeg
