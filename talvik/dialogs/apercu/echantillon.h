// Nearest-pixel reduction of a picture for the editors' previews, with the
// mapping spelled out so that a preview can be assembled piece by piece
// and still be, pixel for pixel, the whole picture reduced.
#pragma once

#include <cstdint>

#include "base/bitmap.h"
#include "base/mfctypes.h"

namespace talvik {

// Source column (or row) of pixel i of a reduction from `source` to
// `cible` pixels: the one under the pixel's centre, (2 i + 1) source /
// (2 cible), as RedimensionneImage samples in its fast mode.
inline long SourceEchantillon(long i, long source, long cible) {
  return long((2 * std::int64_t(i) + 1) * source / (2 * std::int64_t(cible)));
}
// The first pixel of the reduction whose source is at or after s.
inline long PremierEchantillon(long s, long source, long cible) {
  const std::int64_t n = 2 * std::int64_t(cible) * s - source;
  return n <= 0 ? 0 : long((n + 2 * std::int64_t(source) - 1) / (2 * std::int64_t(source)));
}

// `image` reduced to `taille`: pixel (x, y) of the result is pixel
// (SourceEchantillon(x, W, w), SourceEchantillon(y, H, h)) of the picture,
// the same as RedimensionneImage(image, taille, 1).
// Null for a null picture or an empty size.
HBITMAP EchantillonneImage(const HBITMAP& image, CSize taille);

}  // namespace talvik
