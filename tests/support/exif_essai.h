// Gives a JPEG file the Exif block a camera writes: a first directory
// (orientation) and a second one naming an embedded JPEG thumbnail, in
// either byte order, inserted right after the file's start marker.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "codec/jpeg_codage.h"

namespace lumaveil::testing {

// The TIFF structure of an Exif block (what follows "Exif\0\0"): the
// orientation in its first directory and, when `vignette` (a JPEG) is not
// empty, a second directory naming it as the thumbnail.
inline std::vector<std::uint8_t> StructureExif(const std::vector<std::uint8_t>& vignette,
                                               bool intel = true, int orientation = 1) {
  std::vector<std::uint8_t> t;  // the TIFF structure
  auto m16 = [&](std::uint32_t v) {
    if (intel) t.insert(t.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    else t.insert(t.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
  };
  auto m32 = [&](std::uint32_t v) {
    if (intel) { m16(v & 0xFFFF); m16(v >> 16); }
    else { m16(v >> 16); m16(v & 0xFFFF); }
  };
  auto entree = [&](std::uint16_t tag, std::uint16_t type, std::uint32_t valeur) {
    m16(tag);
    m16(type);
    m32(1);
    if (type == 3) { m16(valeur); m16(0); }
    else m32(valeur);
  };
  t.insert(t.end(), intel ? std::initializer_list<std::uint8_t>{'I', 'I'}
                          : std::initializer_list<std::uint8_t>{'M', 'M'});
  m16(42);
  m32(8);                   // IFD0 right after the header
  m16(1);                   // IFD0: one entry
  entree(0x0112, 3, std::uint32_t(orientation));
  const std::uint32_t ifd1 = 8 + 2 + 12 + 4;
  if (vignette.empty()) {
    m32(0);                 // no second directory
    return t;
  }
  m32(ifd1);
  m16(3);                   // IFD1: three entries
  const std::uint32_t debut = ifd1 + 2 + 3 * 12 + 4;
  entree(0x0103, 3, 6);     // compression: JPEG
  entree(0x0201, 4, debut);
  entree(0x0202, 4, std::uint32_t(vignette.size()));
  m32(0);                   // no further directory
  t.insert(t.end(), vignette.begin(), vignette.end());
  return t;
}

// The APP1 segment (marker included) of an Exif block whose thumbnail is
// the JPEG `vignette` (none when empty).
inline std::vector<std::uint8_t> SegmentExif(const std::vector<std::uint8_t>& vignette,
                                             bool intel = true, int orientation = 1) {
  const std::vector<std::uint8_t> t = StructureExif(vignette, intel, orientation);
  const std::size_t longueur = 2 + 6 + t.size();
  const std::uint8_t tete[] = {0xFF, 0xE1, std::uint8_t(longueur >> 8), std::uint8_t(longueur),
                               'E', 'x', 'i', 'f', 0, 0};
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

// Inserts an Exif block with `vignette` (when not null) encoded at quality
// 85 as its thumbnail, and the orientation, into the JPEG file at
// `chemin`; false when the file cannot be read or written or the block
// would pass 64 KiB.
inline bool AjouteVignetteExif(const std::string& chemin, const talvik::Bitmap& vignette,
                               bool intel = true, int orientation = 1) {
  std::ifstream in(chemin, std::ios::binary);
  std::vector<std::uint8_t> fichier((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
  if (fichier.size() < 2 || fichier[0] != 0xFF || fichier[1] != 0xD8) return false;
  const std::vector<std::uint8_t> jpeg =
      vignette ? JpegDe(vignette, 85) : std::vector<std::uint8_t>();
  const std::vector<std::uint8_t> segment = SegmentExif(jpeg, intel, orientation);
  if ((vignette && jpeg.empty()) || segment.size() > 65535 + 2) return false;
  fichier.insert(fichier.begin() + 2, segment.begin(), segment.end());
  std::ofstream out(chemin, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(fichier.data()), std::streamsize(fichier.size()));
  return bool(out);
}

}  // namespace lumaveil::testing
