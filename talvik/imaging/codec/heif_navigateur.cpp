// HEIF and AVIF in the browser build, which has no libheif: such a picture
// is refused with the reason the user needs (HEIC, which browsers cannot
// decode, stays refused). The reason goes on the module's error output,
// which the page shows beside "Unable to load file", whichever loader
// asked (a screen's rendering, generation, a thumbnail).
#include <cstdio>

#include "codec/heif_lecture.h"
#include "graphique.h"

namespace talvik {

namespace {

constexpr const char* kHeifRefuse =
    "HEIC photos cannot be read in the browser: export the photo as JPEG (on an iPhone, "
    "Settings > Camera > Formats > Most Compatible; on a Mac, File > Export in Photos) "
    "and add it again.";

}  // namespace

ImageJPEG DecodeHEIF(const std::string& chemin) {
  std::fprintf(stderr, "%s: %s\n", chemin.c_str(), kHeifRefuse);
  return {};
}

ImageJPEG DecodeVignetteHEIF(const std::string&) { return {}; }

bool TailleHEIF(const std::string&, int*, int*) { return false; }

HBITMAP CGraphique::ChargeImageHEIF(const CString& chemin) { return DecodeHEIF(chemin).image; }

}  // namespace talvik
