// Turns a colour function into a pattern bitmap, and the list of the
// generators of the built-in patterns (one function per pattern).
#pragma once

#include <cmath>

#include "base/bitmap.h"
#include "pattern/texture.h"

namespace talvik::motif {

// A w x h bitmap whose pixel (x, y) is couleur(x, y) (a COLORREF).
template <class F>
Bitmap Peint(int w, int h, F&& couleur) {
  Bitmap b = Bitmap::Create(w, h);
  if (!b) return b;
  for (int y = 0; y < h; ++y) {
    std::uint32_t* ligne = b.Row(y);
    for (int x = 0; x < w; ++x) ligne[x] = PixelFromColor(couleur(x, y));
  }
  return b;
}

// A colour from channels in [0, 1].
inline COLORREF Rgbf(float r, float g, float b) {
  auto c = [](float v) { return BYTE(std::lround(Borne(v) * 255.f)); };
  return RGB(c(r), c(g), c(b));
}

// Hue in [0, 1) (wraps), saturation and value in [0, 1].
COLORREF Teinte(float h, float s, float v);

// Stones and marbles.
Bitmap MarbreBlanc(int w, int h);
Bitmap MarbreVert(int w, int h);
Bitmap MarbreRose(int w, int h);
Bitmap MarbreNoir(int w, int h);
Bitmap MurDePierres(int w, int h);
Bitmap Granit(int w, int h);
Bitmap Ardoise(int w, int h);
Bitmap Paves(int w, int h);
Bitmap Liege(int w, int h);
Bitmap Sable(int w, int h);

// Wood, paper, fabric and other natural surfaces.
Bitmap Planches(int w, int h);
Bitmap Bois(int w, int h);
Bitmap Parquet(int w, int h);
Bitmap Vannerie(int w, int h);
Bitmap Papier(int w, int h);
Bitmap PapierFroisse(int w, int h);
Bitmap Lin(int w, int h);
Bitmap Denim(int w, int h);
Bitmap Cuir(int w, int h);
Bitmap MetalBrosse(int w, int h);
Bitmap Nuages(int w, int h);
Bitmap Aquarelle(int w, int h);
Bitmap Camouflage(int w, int h);
Bitmap CielEtoile(int w, int h);
Bitmap Givre(int w, int h);
Bitmap Herbe(int w, int h);

// Geometric patterns and gradients.
Bitmap Damier(int w, int h);
Bitmap Pois(int w, int h);
Bitmap RayuresDiagonales(int w, int h);
Bitmap CarreauxBleus(int w, int h);
Bitmap Vichy(int w, int h);
Bitmap Vagues(int w, int h);
Bitmap NidAbeilles(int w, int h);
Bitmap Chevrons(int w, int h);
Bitmap DegradeCouchant(int w, int h);
Bitmap Tartan(int w, int h);
Bitmap Ondes(int w, int h);
Bitmap Losanges(int w, int h);
Bitmap RayuresBonbon(int w, int h);
Bitmap FinesRayures(int w, int h);
Bitmap Pointilles(int w, int h);
Bitmap DegradeCiel(int w, int h);
Bitmap Tomettes(int w, int h);
Bitmap Zigzag(int w, int h);
Bitmap Ecailles(int w, int h);
Bitmap Cercles(int w, int h);
Bitmap Mosaique(int w, int h);
Bitmap ArcEnCiel(int w, int h);
Bitmap Capitonne(int w, int h);
Bitmap Briques(int w, int h);

}  // namespace talvik::motif
