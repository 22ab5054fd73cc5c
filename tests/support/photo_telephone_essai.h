// Portrait photos as phones store them: the pixels lying on their side and
// an Exif orientation saying how to turn them upright. The upright picture
// is four quadrants of distinct colours, so every turn and mirror shows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "exif_essai.h"
#include "images_comparees.h"

namespace lumaveil::testing {

// The upright quadrants: top-left, top-right, bottom-left, bottom-right.
inline constexpr talvik::COLORREF kQuadrantsDroits[4] = {
    talvik::RGB(220, 30, 30), talvik::RGB(30, 200, 30), talvik::RGB(30, 30, 220),
    talvik::RGB(230, 220, 40)};

// The picture a file with Exif `orientation` stores for the upright
// `droite`: the transform that orientation undoes, applied to it.
inline talvik::Bitmap StockeeSelonOrientation(const talvik::Bitmap& droite, int orientation) {
  const int W = droite.Width(), H = droite.Height();
  const bool couchee = orientation >= 5 && orientation <= 8;
  talvik::Bitmap s = talvik::Bitmap::Create(couchee ? H : W, couchee ? W : H);
  // For each stored pixel (x, y), the upright pixel it shows.
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) {
      int u = x, v = y;
      switch (orientation) {
        case 2: u = W - 1 - x; v = y; break;
        case 3: u = W - 1 - x; v = H - 1 - y; break;
        case 4: u = x; v = H - 1 - y; break;
        case 5: u = y; v = x; break;
        case 6: u = W - 1 - y; v = x; break;          // shown turned clockwise
        case 7: u = W - 1 - y; v = H - 1 - x; break;
        case 8: u = y; v = H - 1 - x; break;          // shown turned anticlockwise
        default: break;
      }
      s.SetPixel(x, y, droite.GetPixel(u, v));
    }
  return s;
}

// Writes the portrait phone photo: `droite` stored for `orientation` as a
// JPEG of quality 92 with its Exif block, and with `vignette` (upright
// too, stored the same way) as the embedded thumbnail when it is given.
// False when it cannot be written.
inline bool EcritJpegOriente(const std::string& chemin, const talvik::Bitmap& droite,
                             int orientation, const talvik::Bitmap& vignette = {}) {
  std::vector<std::uint8_t> jpeg = JpegDe(StockeeSelonOrientation(droite, orientation), 92);
  if (jpeg.size() < 2) return false;
  const std::vector<std::uint8_t> exif = SegmentExif(
      vignette ? JpegDe(StockeeSelonOrientation(vignette, orientation), 85)
               : std::vector<std::uint8_t>{},
      true, orientation);
  if (exif.size() > 65535 + 2) return false;
  jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
  return bool(f);
}

// Whether the picture inside `place` of `b` is the upright quadrants (of
// `couleurs`, kQuadrantsDroits by default): the middle of each quadrant
// within `tolerance` of its colour. `pourquoi` gets what differed.
inline bool QuadrantsDroits(const talvik::Bitmap& b, const talvik::RECT& place,
                            std::string* pourquoi = nullptr, int tolerance = 48,
                            const talvik::COLORREF* couleurs = kQuadrantsDroits) {
  const int w = place.right - place.left, h = place.bottom - place.top;
  if (w < 4 || h < 4) {
    if (pourquoi) *pourquoi = "no picture";
    return false;
  }
  for (int q = 0; q < 4; ++q) {
    const int x = place.left + (q % 2 ? 3 * w / 4 : w / 4);
    const int y = place.top + (q / 2 ? 3 * h / 4 : h / 4);
    const talvik::COLORREF p = b.GetPixel(x, y), c = couleurs[q];
    if (std::abs(talvik::GetRValue(p) - talvik::GetRValue(c)) > tolerance ||
        std::abs(talvik::GetGValue(p) - talvik::GetGValue(c)) > tolerance ||
        std::abs(talvik::GetBValue(p) - talvik::GetBValue(c)) > tolerance) {
      if (pourquoi)
        *pourquoi = "quadrant " + std::to_string(q) + " at " + std::to_string(x) + "," +
                    std::to_string(y) + " is " + std::to_string(talvik::GetRValue(p)) + "," +
                    std::to_string(talvik::GetGValue(p)) + "," +
                    std::to_string(talvik::GetBValue(p));
      return false;
    }
  }
  return true;
}

}  // namespace lumaveil::testing
