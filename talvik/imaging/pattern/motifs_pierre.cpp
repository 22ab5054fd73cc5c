// Built-in patterns: marbles, stones, cork and sand.
#include <algorithm>
#include <cmath>

#include "pattern/peinture.h"

namespace talvik::motif {

namespace {

// Veins of a marble: a sine across the picture (kx, ky whole periods, so it
// tiles) bent by turbulence; 0 on a vein, 1 far from it.
Champ Veines(int w, int h, int kx, int ky, float force, std::uint32_t graine) {
  Champ t = Bruit(w, h, 3, 3, 5, graine, 0.55f);
  Champ v(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      float phase = 2.f * kPi * (float(kx) * float(x) / float(w) + float(ky) * float(y) / float(h));
      float s = std::sin(phase + force * t(x, y));
      v(x, y) = std::pow(std::fabs(s), 0.35f);
    }
  }
  return v;
}

Bitmap Marbre(int w, int h, std::uint32_t graine, int kx, int ky, const std::vector<Arret>& rampe) {
  Champ v = Veines(w, h, kx, ky, 7.f, graine);
  Champ nuance = Bruit(w, h, 4, 4, 3, graine + 7u);
  return Peint(w, h, [&](int x, int y) {
    return Rampe(rampe, 0.75f * v(x, y) + 0.25f * nuance(x, y));
  });
}

}  // namespace

Bitmap MarbreBlanc(int w, int h) {
  return Marbre(w, h, 11u, 1, 1,
                {{0.f, RGB(120, 120, 128)}, {0.35f, RGB(190, 190, 196)}, {0.7f, RGB(238, 236, 232)},
                 {1.f, RGB(250, 249, 246)}});
}

Bitmap MarbreVert(int w, int h) {
  return Marbre(w, h, 23u, 2, 1,
                {{0.f, RGB(200, 230, 210)}, {0.25f, RGB(60, 120, 80)}, {0.6f, RGB(20, 70, 45)},
                 {1.f, RGB(8, 40, 25)}});
}

Bitmap MarbreRose(int w, int h) {
  return Marbre(w, h, 37u, 1, 2,
                {{0.f, RGB(150, 90, 95)}, {0.4f, RGB(215, 160, 160)}, {0.8f, RGB(240, 205, 200)},
                 {1.f, RGB(248, 228, 222)}});
}

Bitmap MarbreNoir(int w, int h) {
  return Marbre(w, h, 41u, 2, 2,
                {{0.f, RGB(240, 200, 100)}, {0.16f, RGB(200, 150, 60)}, {0.3f, RGB(50, 44, 38)},
                 {1.f, RGB(14, 14, 16)}});
}

Bitmap MurDePierres(int w, int h) {
  Cellules c = Voronoi(w, h, 6, 5, 53u, 0.8f);
  Champ grain = Bruit(w, h, 16, 16, 3, 54u);
  return Peint(w, h, [&](int x, int y) {
    float bord = c.f2(x, y) - c.f1(x, y);
    std::uint32_t id = c.id[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    float teinte = Hasard(id, 1u, 55u);
    COLORREF pierre = Rampe({{0.f, RGB(120, 110, 100)}, {0.5f, RGB(165, 150, 130)},
                             {1.f, RGB(185, 175, 160)}}, teinte);
    // Stones are domed: lighter in the middle, darker near the joint.
    float relief = 0.75f + 0.35f * Lisse(0.f, 0.5f, bord) + 0.25f * (grain(x, y) - 0.5f);
    if (bord < 0.07f) return Melange(RGB(70, 65, 60), RGB(100, 95, 88), grain(x, y));
    return Eclaire(pierre, relief);
  });
}

Bitmap Granit(int w, int h) {
  Champ fin = Bruit(w, h, 40, 40, 2, 61u);
  Champ moyen = Bruit(w, h, 12, 12, 3, 62u);
  Champ taches = Bruit(w, h, 30, 30, 1, 63u);
  return Peint(w, h, [&](int x, int y) {
    COLORREF fond = Melange(RGB(170, 150, 150), RGB(215, 200, 195), moyen(x, y));
    if (taches(x, y) > 0.72f) return Melange(RGB(40, 36, 38), RGB(70, 62, 64), fin(x, y));
    if (fin(x, y) > 0.68f) return RGB(235, 230, 228);
    if (fin(x, y) < 0.3f) return Melange(fond, RGB(150, 95, 90), 0.6f);
    return fond;
  });
}

Bitmap Ardoise(int w, int h) {
  Champ strates = Bruit(w, h, 2, 12, 4, 71u);
  Champ grain = Bruit(w, h, 24, 24, 2, 72u);
  return Peint(w, h, [&](int x, int y) {
    float v = 0.7f * strates(x, y) + 0.3f * grain(x, y);
    return Rampe({{0.f, RGB(38, 44, 52)}, {0.5f, RGB(62, 70, 82)}, {1.f, RGB(96, 104, 116)}}, v);
  });
}

Bitmap Paves(int w, int h) {
  Cellules c = Voronoi(w, h, 8, 8, 81u, 0.7f);
  Champ grain = Bruit(w, h, 32, 32, 2, 82u);
  return Peint(w, h, [&](int x, int y) {
    float bord = c.f2(x, y) - c.f1(x, y);
    std::uint32_t id = c.id[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    COLORREF pierre = Melange(RGB(105, 100, 98), RGB(150, 140, 128), Hasard(id, 2u, 83u));
    if (bord < 0.1f) return Eclaire(RGB(45, 42, 40), 0.8f + 0.4f * grain(x, y));
    float dome = 0.7f + 0.45f * Lisse(0.1f, 0.6f, bord);
    return Eclaire(pierre, dome * (0.9f + 0.2f * grain(x, y)));
  });
}

Bitmap Liege(int w, int h) {
  Cellules c = Voronoi(w, h, 40, 40, 91u, 1.f);
  Champ fond = Bruit(w, h, 8, 8, 3, 92u);
  return Peint(w, h, [&](int x, int y) {
    std::uint32_t id = c.id[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    float grain = Hasard(id, 3u, 93u);
    COLORREF base = Rampe({{0.f, RGB(150, 100, 55)}, {0.6f, RGB(196, 145, 90)},
                           {1.f, RGB(220, 175, 120)}}, 0.5f * grain + 0.5f * fond(x, y));
    if (c.f1(x, y) < 0.18f && grain < 0.15f) return RGB(80, 50, 28);
    return Eclaire(base, 0.85f + 0.25f * Lisse(0.f, 0.6f, c.f2(x, y) - c.f1(x, y)));
  });
}

Bitmap Sable(int w, int h) {
  Champ tordu = Bruit(w, h, 3, 3, 3, 101u);
  Champ grain = Bruit(w, h, 64, 64, 1, 102u);
  return Peint(w, h, [&](int x, int y) {
    // Ripples: 12 whole periods down the picture, bent by the noise.
    float onde = std::sin(2.f * kPi * (12.f * float(y) / float(h) + 1.5f * tordu(x, y)));
    float v = 0.5f + 0.3f * onde + 0.2f * (grain(x, y) - 0.5f);
    return Rampe({{0.f, RGB(190, 150, 100)}, {0.5f, RGB(220, 185, 135)}, {1.f, RGB(240, 215, 170)}}, v);
  });
}

}  // namespace talvik::motif
