// Light, contrast and intensity.
//
// Each channel x becomes x1 = x * gain + k + offset; with an intensity
// other than 50 the pixel's value V (brightest channel) is then scaled by
// 1 + (V - 128) * k when V >= 128, through the HSV conversions; results
// are clamped to 0-255 and truncated. The arithmetic is the designed
// double-precision sequence, bit for bit; what makes it fast is a table
// of x1 per channel value, a table of final bytes for the pixels that the
// intensity leaves alone, and rows split over the cores.
//
// Pixels whose value V stays below 128 keep V. When their saturation is
// below 1 the round trip makes them grey at V; otherwise it gives back each
// x1 within about 1e-13, and for intensities 0-100 (other than 50) no x1
// lies closer than 1/2550 to an integer (x1 x 2550 = 51 x C x + I - 50 +
// 2550 x offset, a multiple of 2550 only when I - 50 is a multiple of 51),
// so truncating x1 directly gives the same bytes.
#include <cstdint>

#include "colour/hsv.h"
#include "graphique.h"
#include "raster/parallel.h"

namespace talvik {

namespace {

inline std::uint32_t Octet(double y) {
  if (y >= 255.0) return 255;
  if (y < 0.0) return 0;
  return std::uint32_t(int(y));
}

}  // namespace

HBITMAP CGraphique::ReglageImage(const HBITMAP& image, int nLumiere, int nContraste,
                                 int nIntensite) {
  if (!image) return {};
  if (nLumiere == 50 && nContraste == 50 && nIntensite == 50) return image.Clone();
  // Every pixel of the result is written from the source's in one pass.
  HBITMAP resultat = HBITMAP::CreateUninitialized(image.Width(), image.Height());
  if (!resultat) return {};

  const int decalage = int((nLumiere - 50) * 2.55);
  const double gain = nContraste * 0.02;
  const double k = (nIntensite * 0.4 - 20) * 0.25 / 255;
  double x1[256];
  for (int x = 0; x < 256; ++x) x1[x] = x * gain + k + decalage;

  const std::uint32_t* source = image.Pixels();
  std::uint32_t* pixels = resultat.Pixels();
  const std::int64_t n = std::int64_t(resultat.PixelCount());
  const int w = resultat.Width();

  std::uint32_t table[256];
  for (int x = 0; x < 256; ++x) table[x] = Octet(x1[x]);
  if (nIntensite == 50) {
    raster::ParLignes(resultat.Height(), n, [&](int debut, int fin) {
      const std::uint32_t* q = source + std::int64_t(debut) * w;
      std::uint32_t* p = pixels + std::int64_t(debut) * w;
      std::uint32_t* finP = pixels + std::int64_t(fin) * w;
      for (; p < finP; ++p, ++q) {
        const std::uint32_t v = *q;
        *p = (v & 0xFF000000u) | (table[(v >> 16) & 0xFF] << 16) |
             (table[(v >> 8) & 0xFF] << 8) | table[v & 0xFF];
      }
    });
    return resultat;
  }

  const bool raccourci = nIntensite >= 0 && nIntensite <= 100;
  raster::ParLignes(resultat.Height(), n * 16, [&](int debut, int fin) {
    const std::uint32_t* q = source + std::int64_t(debut) * w;
    std::uint32_t* p = pixels + std::int64_t(debut) * w;
    std::uint32_t* finP = pixels + std::int64_t(fin) * w;
    for (; p < finP; ++p, ++q) {
      const std::uint32_t v = *q;
      const std::uint32_t cr = (v >> 16) & 0xFF, cg = (v >> 8) & 0xFF, cb = v & 0xFF;
      double r = x1[cr], g = x1[cg], b = x1[cb];
      if (raccourci && r < 128 && g < 128 && b < 128) {
        const double max = r > g ? (r > b ? r : b) : (g > b ? g : b);
        const double min = r < g ? (r < b ? r : b) : (g < b ? g : b);
        const double s = max != 0.0 ? (max - min) * 255.0 / max : 0.0;
        if (int(s) != 0) {
          *p = (v & 0xFF000000u) | (table[cr] << 16) | (table[cg] << 8) | table[cb];
        } else {
          const std::uint32_t gris = Octet(max);
          *p = (v & 0xFF000000u) | (gris << 16) | (gris << 8) | gris;
        }
        continue;
      }
      double h, s, val;
      couleur::RgbVersHsv(r, g, b, &h, &s, &val);
      if (val >= 128) val = val * (1 + (val - 128) * k);
      couleur::HsvVersRgb(h, s, val, &r, &g, &b);
      *p = (v & 0xFF000000u) | (Octet(r) << 16) | (Octet(g) << 8) | Octet(b);
    }
  });
  return resultat;
}

}  // namespace talvik
