#include "picture/taille_declaree.h"

#include <webp/decode.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "codec/heif_lecture.h"
#include "codec/jpeg_lecture.h"
#include "picture/format.h"
#include "picture/orientation_fichier.h"

namespace talvik {

namespace {

// The first bytes of the file (up to `n`); how many were read.
std::size_t Debut(const std::string& chemin, std::uint8_t* tampon, std::size_t n) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(chemin.c_str(), "rb"), std::fclose);
  return f ? std::fread(tampon, 1, n, f.get()) : 0;
}

std::uint32_t Grand32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

}  // namespace

bool TailleDeclaree(const std::string& chemin, int* largeur, int* hauteur) {
  int l = 0, h = 0;
  const FormatImage format = FormatDuFichier(chemin);
  switch (format) {
    case FormatImage::JPEG:
      if (!TailleJPEG(chemin, &l, &h)) l = h = 0;
      break;
    case FormatImage::HEIF:
    case FormatImage::AVIF:
      if (!TailleHEIF(chemin, &l, &h)) l = h = 0;
      break;
    case FormatImage::PNG: {
      // The signature, then the IHDR chunk: width and height first.
      std::uint8_t d[24];
      if (Debut(chemin, d, sizeof d) == sizeof d && std::memcmp(d + 12, "IHDR", 4) == 0 &&
          Grand32(d + 16) <= 0x7FFFFFFF && Grand32(d + 20) <= 0x7FFFFFFF) {
        l = int(Grand32(d + 16));
        h = int(Grand32(d + 20));
      }
      break;
    }
    case FormatImage::WebP: {
      std::uint8_t d[64];
      const std::size_t n = Debut(chemin, d, sizeof d);
      if (!WebPGetInfo(d, n, &l, &h)) l = h = 0;
      break;
    }
    default:
      break;
  }
  const bool connue = l > 0 && h > 0;
  // JPEG's and HEIF's readers give the upright size already.
  if (connue && (format == FormatImage::PNG || format == FormatImage::WebP)) {
    const int o = OrientationDuFichier(chemin);
    if (o >= 5 && o <= 8) std::swap(l, h);
  }
  *largeur = connue ? l : 0;
  *hauteur = connue ? h : 0;
  return connue;
}

std::int64_t PixelsDeclares(const std::string& chemin) {
  int l = 0, h = 0;
  return TailleDeclaree(chemin, &l, &h) ? std::int64_t(l) * h : 0;
}

}  // namespace talvik
