#include "pattern/texture.h"

#include <algorithm>
#include <cmath>

namespace talvik::motif {

std::uint32_t Hache(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

float Hasard(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  return float(Hache(a, b, c) >> 8) * (1.0f / 16777216.0f);
}

float Borne(float t) { return t < 0.f ? 0.f : (t > 1.f ? 1.f : t); }

float Lisse(float e0, float e1, float t) {
  float x = Borne((t - e0) / (e1 - e0));
  return x * x * (3.f - 2.f * x);
}

float Frac(float t) { return t - std::floor(t); }

Champ Bruit(int w, int h, int cx, int cy, int octaves, std::uint32_t graine, float persistance) {
  Champ sortie(w, h);
  float poids = 1.f;
  float total = 0.f;
  std::vector<int> ix0(std::size_t(w) + 1), ix1(std::size_t(w) + 1);
  std::vector<float> fx(std::size_t(w) + 1);
  for (int o = 0; o < octaves; ++o) {
    const int gx = cx << o;
    const int gy = cy << o;
    // Lattice values of this octave; the lattice wraps, so the field tiles.
    std::vector<float> grille(std::size_t(gx) * std::size_t(gy));
    for (int j = 0; j < gy; ++j)
      for (int i = 0; i < gx; ++i)
        grille[std::size_t(j) * std::size_t(gx) + std::size_t(i)] =
            Hasard(std::uint32_t(i), std::uint32_t(j), graine * 977u + std::uint32_t(o));
    for (int x = 0; x < w; ++x) {
      float u = float(x) * float(gx) / float(w);
      int i = int(u);
      float f = u - float(i);
      ix0[std::size_t(x)] = i % gx;
      ix1[std::size_t(x)] = (i + 1) % gx;
      fx[std::size_t(x)] = f * f * (3.f - 2.f * f);
    }
    for (int y = 0; y < h; ++y) {
      float vv = float(y) * float(gy) / float(h);
      int j = int(vv);
      float fy = vv - float(j);
      fy = fy * fy * (3.f - 2.f * fy);
      const float* l0 = &grille[std::size_t(j % gy) * std::size_t(gx)];
      const float* l1 = &grille[std::size_t((j + 1) % gy) * std::size_t(gx)];
      float* ligne = &sortie.v[std::size_t(y) * std::size_t(w)];
      for (int x = 0; x < w; ++x) {
        float a = l0[ix0[std::size_t(x)]] + (l0[ix1[std::size_t(x)]] - l0[ix0[std::size_t(x)]]) * fx[std::size_t(x)];
        float b = l1[ix0[std::size_t(x)]] + (l1[ix1[std::size_t(x)]] - l1[ix0[std::size_t(x)]]) * fx[std::size_t(x)];
        ligne[x] += poids * (a + (b - a) * fy);
      }
    }
    total += poids;
    poids *= persistance;
  }
  for (float& x : sortie.v) x /= total;
  return sortie;
}

Cellules Voronoi(int w, int h, int cx, int cy, std::uint32_t graine, float jitter) {
  Cellules c(w, h);
  // Seed of cell (i, j), in cell units.
  std::vector<float> px(std::size_t(cx) * std::size_t(cy)), py(px.size());
  for (int j = 0; j < cy; ++j) {
    for (int i = 0; i < cx; ++i) {
      std::size_t k = std::size_t(j) * std::size_t(cx) + std::size_t(i);
      px[k] = float(i) + 0.5f + (Hasard(std::uint32_t(i), std::uint32_t(j), graine) - 0.5f) * jitter;
      py[k] = float(j) + 0.5f + (Hasard(std::uint32_t(i), std::uint32_t(j), graine + 101u) - 0.5f) * jitter;
    }
  }
  for (int y = 0; y < h; ++y) {
    float v = float(y) * float(cy) / float(h);
    int j = int(v);
    for (int x = 0; x < w; ++x) {
      float u = float(x) * float(cx) / float(w);
      int i = int(u);
      float d1 = 1e9f, d2 = 1e9f;
      std::uint32_t meilleur = 0;
      for (int dj = -1; dj <= 1; ++dj) {
        for (int di = -1; di <= 1; ++di) {
          int ci = i + di, cj = j + dj;
          int wi = ((ci % cx) + cx) % cx, wj = ((cj % cy) + cy) % cy;
          std::size_t k = std::size_t(wj) * std::size_t(cx) + std::size_t(wi);
          float sx = px[k] + float(ci - wi);
          float sy = py[k] + float(cj - wj);
          float d = (sx - u) * (sx - u) + (sy - v) * (sy - v);
          if (d < d1) {
            d2 = d1;
            d1 = d;
            meilleur = std::uint32_t(k);
          } else if (d < d2) {
            d2 = d;
          }
        }
      }
      c.f1(x, y) = std::sqrt(d1);
      c.f2(x, y) = std::sqrt(d2);
      c.id[std::size_t(y) * std::size_t(w) + std::size_t(x)] = meilleur;
    }
  }
  return c;
}

COLORREF Melange(COLORREF a, COLORREF b, float t) {
  t = Borne(t);
  auto canal = [t](int x, int y) { return BYTE(std::lround(float(x) + (float(y) - float(x)) * t)); };
  return RGB(canal(GetRValue(a), GetRValue(b)), canal(GetGValue(a), GetGValue(b)),
             canal(GetBValue(a), GetBValue(b)));
}

COLORREF Eclaire(COLORREF c, float f) {
  auto canal = [f](int x) { return BYTE(std::clamp(std::lround(float(x) * f), 0L, 255L)); };
  return RGB(canal(GetRValue(c)), canal(GetGValue(c)), canal(GetBValue(c)));
}

COLORREF Rampe(const std::vector<Arret>& arrets, float t) {
  if (arrets.empty()) return 0;
  if (t <= arrets.front().t) return arrets.front().c;
  for (std::size_t i = 1; i < arrets.size(); ++i) {
    if (t <= arrets[i].t) {
      float span = arrets[i].t - arrets[i - 1].t;
      return Melange(arrets[i - 1].c, arrets[i].c, span > 0.f ? (t - arrets[i - 1].t) / span : 1.f);
    }
  }
  return arrets.back().c;
}

}  // namespace talvik::motif
