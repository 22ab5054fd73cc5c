// Built-in patterns: checks, stripes, tiles, bricks, waves, gradients and
// other repeated figures. Every period divides the pattern's size, so the
// patterns tile without a seam.
#include <algorithm>
#include <cmath>

#include "pattern/peinture.h"

namespace talvik::motif {

namespace {

// Coverage of a disc of radius r at distance d, antialiased over a pixel.
float Disque(float d, float r) { return Borne(r - d + 0.5f); }

// Signed distance in pixels to the nearest multiple of periode.
float DistanceGrille(float p, float periode) {
  float f = p - periode * std::round(p / periode);
  return std::fabs(f);
}

}  // namespace

COLORREF Teinte(float h, float s, float v) {
  h = Frac(h) * 6.f;
  int i = int(h);
  float f = h - float(i);
  float p = v * (1.f - s), q = v * (1.f - s * f), t = v * (1.f - s * (1.f - f));
  switch (i % 6) {
    case 0: return Rgbf(v, t, p);
    case 1: return Rgbf(q, v, p);
    case 2: return Rgbf(p, v, t);
    case 3: return Rgbf(p, q, v);
    case 4: return Rgbf(t, p, v);
    default: return Rgbf(v, p, q);
  }
}

Bitmap Damier(int w, int h) {
  Champ n = Bruit(w, h, 6, 6, 3, 301u);
  const int c = std::max(1, w / 8);
  return Peint(w, h, [&](int x, int y) {
    bool fonce = ((x / c) + (y / c)) % 2 == 1;
    COLORREF base = fonce ? RGB(120, 80, 50) : RGB(236, 222, 196);
    return Eclaire(base, 0.94f + 0.12f * n(x, y));
  });
}

Bitmap Pois(int w, int h) {
  const float cx = float(w) / 2.f, cy = float(h) / 2.f;
  const float r = float(w) / 10.f;
  return Peint(w, h, [&](int x, int y) {
    float px = float(x) + 0.5f, py = float(y) + 0.5f;
    // A dot in the centre of each quarter on one diagonal, and at the
    // centre of the others (a quincunx of period w / 2).
    float d1 = std::hypot(DistanceGrille(px - cx / 2.f, cx), DistanceGrille(py - cy / 2.f, cy));
    float d2 = std::hypot(DistanceGrille(px, cx), DistanceGrille(py, cy));
    float a = std::max(Disque(d1, r), Disque(d2, r));
    return Melange(RGB(28, 44, 90), RGB(246, 236, 210), a);
  });
}

Bitmap RayuresDiagonales(int w, int h) {
  const float periode = float(std::max(1, w / 4));
  return Peint(w, h, [&](int x, int y) {
    float f = Frac((float(x) + float(y) + 0.5f) / periode);
    float a = Lisse(0.46f, 0.5f, f) - Lisse(0.96f, 1.f, f);
    return Melange(RGB(240, 244, 242), RGB(40, 140, 140), a);
  });
}

Bitmap CarreauxBleus(int w, int h) {
  const int c = std::max(4, w / 4);
  Champ emaille = Bruit(w, h, 8, 8, 3, 311u);
  return Peint(w, h, [&](int x, int y) {
    int ix = x / c, iy = y / c, dx = x % c, dy = y % c;
    if (dx < 2 || dy < 2) return RGB(215, 212, 205);  // grout
    float t = Hasard(std::uint32_t(ix), std::uint32_t(iy), 312u);
    COLORREF base = Melange(RGB(30, 80, 150), RGB(60, 120, 190), t);
    // A soft bevel: lighter top-left edges, darker bottom-right.
    float eclat = 1.f;
    if (dx < 4 || dy < 4) eclat = 1.2f;
    if (dx >= c - 2 || dy >= c - 2) eclat = 0.8f;
    return Eclaire(base, eclat * (0.92f + 0.16f * emaille(x, y)));
  });
}

Bitmap Vichy(int w, int h) {
  const int c = std::max(2, w / 10);
  return Peint(w, h, [&](int x, int y) {
    int n = int((x / c) % 2 == 0) + int((y / c) % 2 == 0);
    static const COLORREF kCouleurs[3] = {RGB(250, 248, 244), RGB(232, 140, 140), RGB(196, 40, 48)};
    return kCouleurs[n];
  });
}

Bitmap Vagues(int w, int h) {
  const float bandes = 6.f;
  return Peint(w, h, [&](int x, int y) {
    float ondule = float(h) / 18.f * std::sin(2.f * kPi * 2.f * float(x) / float(w));
    float f = Frac((float(y) + ondule) * bandes / float(h));
    float crete = std::pow(std::sin(kPi * f), 2.f);
    return Rampe({{0.f, RGB(10, 60, 120)}, {0.7f, RGB(40, 130, 190)}, {1.f, RGB(200, 235, 250)}}, crete);
  });
}

Bitmap NidAbeilles(int w, int h) {
  // Seeds on a staggered lattice: 4 columns, 6 rows, every other row
  // shifted by half a column.
  const int colonnes = 4, rangs = 6;
  const float sx = float(w) / float(colonnes), sy = float(h) / float(rangs);
  return Peint(w, h, [&](int x, int y) {
    float px = float(x) + 0.5f, py = float(y) + 0.5f;
    int j0 = int(py / sy);
    float d1 = 1e9f, d2 = 1e9f;
    for (int j = j0 - 1; j <= j0 + 1; ++j) {
      float decal = ((j % 2) + 2) % 2 ? sx / 2.f : 0.f;
      int i0 = int((px - decal) / sx);
      for (int i = i0 - 1; i <= i0 + 1; ++i) {
        float d = std::hypot(px - (float(i) * sx + decal + sx / 2.f), py - (float(j) * sy));
        if (d < d1) {
          d2 = d1;
          d1 = d;
        } else if (d < d2) {
          d2 = d;
        }
      }
    }
    float bord = d2 - d1;
    if (bord < 2.f) return RGB(120, 70, 10);
    float creux = Borne(d1 / (sx * 0.6f));
    return Melange(RGB(250, 200, 60), RGB(210, 140, 20), creux);
  });
}

Bitmap Chevrons(int w, int h) {
  const float px = float(w) / 2.f, py = float(h) / 4.f;
  return Peint(w, h, [&](int x, int y) {
    float dx = std::fabs(Frac((float(x) + 0.5f) / px) - 0.5f) * px;
    float f = Frac((float(y) + dx) / py);
    return f < 0.5f ? RGB(44, 62, 80) : RGB(236, 240, 241);
  });
}

Bitmap DegradeCouchant(int w, int h) {
  // Down and back up again, so the pattern tiles.
  return Peint(w, h, [&](int x, int y) {
    float t = 0.5f - 0.5f * std::cos(2.f * kPi * float(y) / float(h));
    float s = 0.03f * std::sin(2.f * kPi * float(x) / float(w));
    return Rampe({{0.f, RGB(255, 200, 90)}, {0.4f, RGB(240, 110, 80)}, {0.75f, RGB(150, 60, 120)},
                  {1.f, RGB(60, 40, 110)}}, t + s);
  });
}

Bitmap Tartan(int w, int h) {
  // One sett of 100 pixels: bands of colour and thin lines, the same down
  // and across; warp and weft alternate on a 2/2 twill.
  auto sett = [](int p) -> COLORREF {
    p %= 100;
    if (p < 30) return RGB(20, 80, 40);
    if (p < 36) return RGB(200, 30, 40);
    if (p < 60) return RGB(20, 30, 80);
    if (p < 63) return RGB(230, 200, 60);
    if (p < 90) return RGB(20, 80, 40);
    return RGB(20, 30, 80);
  };
  return Peint(w, h, [&](int x, int y) {
    COLORREF chaine = sett(x * 100 / std::max(1, w / 2));
    COLORREF trame = sett(y * 100 / std::max(1, h / 2));
    bool dessus = ((x + y) / 2) % 2 == 0;
    return Melange(dessus ? chaine : trame, dessus ? trame : chaine, 0.25f);
  });
}

Bitmap Ondes(int w, int h) {
  // Crossing waves of whole periods: a light play on water.
  struct Onde {
    float kx, ky, phase;
  };
  static const Onde kOndes[] = {{3, 1, 0.3f}, {-2, 3, 1.7f}, {1, -4, 4.1f}, {5, 2, 2.2f}};
  return Peint(w, h, [&](int x, int y) {
    float u = float(x) / float(w), v = float(y) / float(h), s = 0.f;
    for (const Onde& o : kOndes) s += std::cos(2.f * kPi * (o.kx * u + o.ky * v) + o.phase);
    float lumiere = std::pow(Borne(1.f - std::fabs(s) / 2.f), 4.f);
    return Melange(RGB(0, 110, 150), RGB(190, 245, 250), lumiere);
  });
}

Bitmap Losanges(int w, int h) {
  const float c = float(w) / 2.f, ch = float(h) / 2.f;
  return Peint(w, h, [&](int x, int y) {
    float u = Frac((float(x) + 0.5f) / c) - 0.5f, v = Frac((float(y) + 0.5f) / ch) - 0.5f;
    bool dedans = std::fabs(u) + std::fabs(v) < 0.5f;
    int ix = int(float(x) / c), iy = int(float(y) / ch);
    COLORREF c1 = (ix + iy) % 2 ? RGB(150, 30, 50) : RGB(30, 60, 110);
    COLORREF base = dedans ? c1 : RGB(210, 200, 180);
    // Thin diagonal overcheck lines.
    float a = std::fabs(Frac((float(x) + float(y)) / c) - 0.5f);
    float b = std::fabs(Frac((float(x) - float(y)) / c) - 0.5f);
    if (std::min(a, b) * c < 0.8f) return RGB(240, 230, 200);
    return base;
  });
}

Bitmap RayuresBonbon(int w, int h) {
  static const COLORREF kCouleurs[4] = {RGB(255, 205, 210), RGB(200, 230, 201), RGB(187, 222, 251),
                                        RGB(255, 249, 196)};
  const int bande = std::max(1, h / 8);
  return Peint(w, h, [&](int, int y) { return kCouleurs[(y / bande) % 4]; });
}

Bitmap FinesRayures(int w, int h) {
  const int periode = std::max(2, w / 4);
  Champ n = Bruit(w, h, 8, 8, 2, 321u);
  return Peint(w, h, [&](int x, int y) {
    if (x % periode == 0) return RGB(180, 180, 190);
    return Eclaire(RGB(48, 50, 60), 0.9f + 0.2f * n(x, y));
  });
}

Bitmap Pointilles(int w, int h) {
  const float periode = float(std::max(2, w / 4));
  return Peint(w, h, [&](int x, int y) {
    float d = std::hypot(DistanceGrille(float(x) + 0.5f - periode / 2.f, periode),
                         DistanceGrille(float(y) + 0.5f - periode / 2.f, periode));
    return Melange(RGB(245, 243, 236), RGB(150, 160, 175), Disque(d, 1.8f));
  });
}

Bitmap DegradeCiel(int w, int h) {
  return Peint(w, h, [&](int x, int y) {
    float t = 0.5f - 0.5f * std::cos(2.f * kPi * (float(x) / float(w) + float(y) / float(h)));
    return Rampe({{0.f, RGB(40, 100, 190)}, {0.6f, RGB(130, 190, 240)}, {1.f, RGB(235, 245, 255)}}, t);
  });
}

Bitmap Tomettes(int w, int h) {
  const int c = std::max(4, w / 4);
  Champ marbrure = Bruit(w, h, 12, 12, 4, 331u);
  return Peint(w, h, [&](int x, int y) {
    int ix = x / c, iy = y / c, dx = x % c, dy = y % c;
    if (dx < 3 || dy < 3) return RGB(190, 180, 165);
    float t = Hasard(std::uint32_t(ix), std::uint32_t(iy), 332u);
    COLORREF base = Melange(RGB(170, 80, 45), RGB(200, 110, 65), t);
    return Eclaire(base, 0.85f + 0.25f * marbrure(x, y));
  });
}

Bitmap Zigzag(int w, int h) {
  static const COLORREF kCouleurs[5] = {RGB(230, 57, 70), RGB(241, 250, 238), RGB(168, 218, 220),
                                        RGB(69, 123, 157), RGB(29, 53, 87)};
  const float px = float(w) / 3.f, py = float(h) / 5.f;
  return Peint(w, h, [&](int x, int y) {
    float dx = std::fabs(Frac((float(x) + 0.5f) / px) - 0.5f) * px * 0.6f;
    float f = (float(y) + dx) / py;
    int n = int(std::floor(f));
    return kCouleurs[((n % 5) + 5) % 5];
  });
}

Bitmap Ecailles(int w, int h) {
  // Rows of overlapping scales, each row shifted by half a scale; a lower
  // row lies over the one above.
  const int colonnes = 4, rangs = 8;
  const float sx = float(w) / float(colonnes), sy = float(h) / float(rangs);
  const float r = sx * 0.55f;
  return Peint(w, h, [&](int x, int y) {
    float px = float(x) + 0.5f, py = float(y) + 0.5f;
    int j0 = int(py / sy);
    for (int j = j0 + 3; j >= j0 - 1; --j) {
      float decal = ((j % 2) + 2) % 2 ? sx / 2.f : 0.f;
      float cy = float(j) * sy;
      if (cy < py) continue;  // a scale hangs above its centre
      int i0 = int(std::floor((px - decal) / sx));
      for (int i = i0 - 1; i <= i0 + 1; ++i) {
        float cxp = float(i) * sx + decal + sx / 2.f;
        float d = std::hypot(px - cxp, py - cy);
        if (d < r) {
          float t = d / r;
          COLORREF base = Melange(RGB(20, 120, 110), RGB(90, 200, 170), 1.f - t);
          if (t > 0.9f) return RGB(10, 60, 60);
          return base;
        }
      }
    }
    return RGB(10, 60, 60);
  });
}

Bitmap Cercles(int w, int h) {
  const float c = float(w) / 3.f, ch = float(h) / 3.f;
  return Peint(w, h, [&](int x, int y) {
    float u = (Frac((float(x) + 0.5f) / c) - 0.5f) * c;
    float v = (Frac((float(y) + 0.5f) / ch) - 0.5f) * ch;
    float d = std::hypot(u, v);
    int anneau = int(d / (c / 6.f));
    if (anneau >= 3) return RGB(250, 240, 220);
    static const COLORREF kCouleurs[3] = {RGB(240, 120, 60), RGB(250, 240, 220), RGB(60, 150, 160)};
    return kCouleurs[anneau];
  });
}

Bitmap Mosaique(int w, int h) {
  static const COLORREF kCouleurs[6] = {RGB(20, 90, 160), RGB(40, 150, 190), RGB(240, 240, 230),
                                        RGB(230, 180, 60), RGB(30, 120, 120), RGB(70, 170, 220)};
  const int c = std::max(3, w / 16);
  return Peint(w, h, [&](int x, int y) {
    if (x % c == 0 || y % c == 0) return RGB(200, 196, 188);
    std::uint32_t t = Hache(std::uint32_t(x / c), std::uint32_t(y / c), 341u);
    return Eclaire(kCouleurs[t % 6], 0.9f + 0.2f * float((t >> 8) & 255) / 255.f);
  });
}

Bitmap ArcEnCiel(int w, int h) {
  return Peint(w, h, [&](int x, int y) {
    float t = float(y) / float(h) + 0.02f * std::sin(2.f * kPi * float(x) / float(w));
    return Teinte(t, 0.45f, 0.98f);
  });
}

Bitmap Capitonne(int w, int h) {
  const float c = float(w) / 4.f;
  return Peint(w, h, [&](int x, int y) {
    // Diamond cushions between diagonal seams; buttons where seams cross.
    float a = Frac((float(x) + float(y) + 1.f) / (2.f * c));
    float b = Frac((float(x) - float(y) + float(w)) / (2.f * c));
    float coussin = std::sin(kPi * a) * std::sin(kPi * b);
    COLORREF base = Melange(RGB(90, 20, 40), RGB(170, 50, 80), std::sqrt(coussin));
    float bx = DistanceGrille(float(x) + 0.5f, c), by = DistanceGrille(float(y) + 0.5f, c);
    if (std::hypot(bx, by) < 2.5f && int(std::round((float(x) + 0.5f) / c) + std::round((float(y) + 0.5f) / c)) % 2 == 0)
      return RGB(60, 10, 25);
    return base;
  });
}

Bitmap Briques(int w, int h) {
  // 7 courses of 4 bricks; the course offsets repeat after 7 courses
  // without two neighbouring courses sharing their joints.
  static const float kDecalage[7] = {0.f, 0.5f, 0.f, 0.5f, 0.f, 0.5f, 0.25f};
  const float bw = float(w) / 4.f, bh = float(h) / 7.f;
  Champ grain = Bruit(w, h, 24, 14, 3, 351u);
  return Peint(w, h, [&](int x, int y) {
    int rang = std::min(6, int(float(y) / bh));
    float u = float(x) + kDecalage[rang] * bw;
    int brique = int(u / bw) % 4;
    float dx = u - std::floor(u / bw) * bw, dy = float(y) - float(rang) * bh;
    if (dx < 3.f || dy < 3.f) return Melange(RGB(190, 185, 175), RGB(160, 155, 145), grain(x, y));
    float t = Hasard(std::uint32_t(brique), std::uint32_t(rang), 352u);
    COLORREF base = Melange(RGB(150, 55, 35), RGB(185, 85, 55), t);
    return Eclaire(base, 0.85f + 0.3f * grain(x, y));
  });
}

}  // namespace talvik::motif
