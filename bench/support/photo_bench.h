// A photo-like JPEG for the benchmarks that work on photographs: smooth
// shading on the three channels with fine grain, so that it compresses
// (quality 90) and decodes like a real photograph. Photo `n` differs from
// every other in its shading. As a camera's, it may carry a 160 x 120 copy
// of itself in an Exif block.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "exif_essai.h"
#include "graphique.h"

namespace lumaveil::bench {

// Writes photo `n` of `largeur` x `hauteur` at `chemin`, with the camera's
// thumbnail when `vignetteExif`; false when it cannot be written.
inline bool FabriquePhoto(const std::string& chemin, int n, int largeur = 4000,
                          int hauteur = 3000, bool vignetteExif = false) {
  talvik::Bitmap b = talvik::Bitmap::Create(largeur, hauteur);
  if (!b) return false;
  std::uint32_t s = 12345u + unsigned(n) * 7919u;
  auto borne = [](int v) { return std::uint32_t(v < 0 ? 0 : v > 255 ? 255 : v); };
  for (int y = 0; y < hauteur; ++y) {
    std::uint32_t* ligne = b.Row(y);
    for (int x = 0; x < largeur; ++x) {
      s = s * 1664525u + 1013904223u;
      const int grain = int((s >> 24) & 15) - 8;
      const int r = int(128 + 100 * std::sin(0.0013 * x + n)) + grain;
      const int g = int(128 + 100 * std::sin(0.0017 * y + 2 * n)) + grain;
      const int bl = int(128 + 100 * std::sin(0.0009 * (x + y) + 3 * n)) + grain;
      ligne[x] = (borne(r) << 16) | (borne(g) << 8) | borne(bl);
    }
  }
  if (!talvik::CGraphique::SauveImageJPEG(chemin, b, 90)) return false;
  if (!vignetteExif) return true;
  const talvik::CSize vignette(160, talvik::LONG(160LL * hauteur / largeur));
  return lumaveil::testing::AjouteVignetteExif(
      chemin, talvik::CGraphique::RedimensionneImage(b, vignette, 0));
}

}  // namespace lumaveil::bench
