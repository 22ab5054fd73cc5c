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
#include "codec/jpeg_codage.h"
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

// An APP1 Exif segment (marker included): the orientation in the first
// directory and, when `vignette` (a JPEG) is not empty, a second directory
// naming it as the embedded thumbnail, as cameras and phones write it.
inline std::vector<std::uint8_t> SegmentOrientation(int orientation,
                                                    const std::vector<std::uint8_t>& vignette = {}) {
  std::vector<std::uint8_t> t = {'I', 'I', 42, 0, 8, 0, 0, 0};  // TIFF header, IFD0 at 8
  auto m16 = [&](std::uint32_t v) { t.insert(t.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
  auto m32 = [&](std::uint32_t v) { m16(v & 0xFFFF); m16(v >> 16); };
  auto entree = [&](std::uint16_t tag, std::uint16_t type, std::uint32_t valeur) {
    m16(tag);
    m16(type);
    m32(1);
    if (type == 3) { m16(valeur); m16(0); }
    else m32(valeur);
  };
  m16(1);
  entree(0x0112, 3, std::uint32_t(orientation));
  const std::uint32_t ifd1 = 8 + 2 + 12 + 4;
  m32(vignette.empty() ? 0 : ifd1);
  if (!vignette.empty()) {
    m16(3);
    const std::uint32_t debut = ifd1 + 2 + 3 * 12 + 4;
    entree(0x0103, 3, 6);  // compression: JPEG
    entree(0x0201, 4, debut);
    entree(0x0202, 4, std::uint32_t(vignette.size()));
    m32(0);
    t.insert(t.end(), vignette.begin(), vignette.end());
  }
  const std::size_t longueur = 2 + 6 + t.size();
  const std::uint8_t tete[] = {0xFF, 0xE1, std::uint8_t(longueur >> 8), std::uint8_t(longueur),
                               'E',  'x',  'i', 'f', 0, 0};
  std::vector<std::uint8_t> s(sizeof tete + t.size());
  std::copy(std::begin(tete), std::end(tete), s.begin());
  std::copy(t.begin(), t.end(), s.begin() + sizeof tete);
  return s;
}

// The JPEG bytes of a picture, quality `qualite`.
inline std::vector<std::uint8_t> JpegDe(const talvik::Bitmap& b, int qualite) {
  talvik::jpeg::Lignes lignes;
  lignes.premiere = reinterpret_cast<const std::uint8_t*>(b.Row(0));
  lignes.pas = std::size_t(b.Width()) * 4;
  lignes.largeur = unsigned(b.Width());
  lignes.hauteur = unsigned(b.Height());
  lignes.format = talvik::jpeg::FormatPixels::BGRX;
  return talvik::jpeg::CodeEnMemoire(lignes, qualite);
}

// Writes the portrait phone photo: `droite` stored for `orientation` as a
// JPEG of quality 92 with its Exif block, and with `vignette` (upright
// too, stored the same way) as the embedded thumbnail when it is given.
// False when it cannot be written.
inline bool EcritJpegOriente(const std::string& chemin, const talvik::Bitmap& droite,
                             int orientation, const talvik::Bitmap& vignette = {}) {
  std::vector<std::uint8_t> jpeg = JpegDe(StockeeSelonOrientation(droite, orientation), 92);
  if (jpeg.size() < 2) return false;
  const std::vector<std::uint8_t> exif = SegmentOrientation(
      orientation, vignette ? JpegDe(StockeeSelonOrientation(vignette, orientation), 85)
                            : std::vector<std::uint8_t>{});
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
