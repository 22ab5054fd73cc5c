// Scaled copies: nearest sampling (COLORONCOLOR and the colour-key blit)
// and the area-averaging filter (HALFTONE).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "raster/parallel.h"
#include "raster/raster.h"

namespace talvik::raster {

namespace {

constexpr int kBitsPoids = 14;
constexpr int kUnPoids = 1 << kBitsPoids;

// For each destination index along one axis, the source indices that
// contribute to it (a contiguous run) and their weights, summing to kUnPoids.
struct Prises {
  std::vector<int> debut;
  std::vector<int> nombre;
  std::vector<int> decalage;  // index of the first weight in poids
  std::vector<std::uint16_t> poids;
  int maxNombre = 1;
};

// Destination index i of dn covers [s0 + i * sn / dn, s0 + (i + 1) * sn / dn)
// of the source; limite is the source bitmap's extent on this axis.
Prises CalculePrises(int dn, int s0, int sn, int limite) {
  Prises p;
  p.debut.resize(std::size_t(dn));
  p.nombre.resize(std::size_t(dn));
  p.decalage.resize(std::size_t(dn));
  const double echelle = double(sn) / double(dn);
  std::vector<double> w;
  for (int i = 0; i < dn; ++i) {
    w.clear();
    int j0 = 0;
    if (sn > dn) {
      // Shrinking: the exact area of each source pixel under the destination pixel.
      double a = std::clamp(s0 + i * echelle, 0.0, double(limite));
      double b = std::clamp(s0 + (i + 1) * echelle, 0.0, double(limite));
      j0 = std::min(int(std::floor(a)), limite - 1);
      int j1 = std::max(j0 + 1, int(std::ceil(b)));
      for (int j = j0; j < j1; ++j)
        w.push_back(std::max(0.0, std::min(b, double(j + 1)) - std::max(a, double(j))));
    } else {
      // Enlarging or same size: linear between the two nearest centres.
      double c = s0 + (i + 0.5) * echelle - 0.5;
      c = std::clamp(c, 0.0, double(limite - 1));
      j0 = int(std::floor(c));
      double f = c - j0;
      w.push_back(1.0 - f);
      if (f > 0.0 && j0 + 1 < limite) w.push_back(f);
    }
    double somme = 0;
    for (double x : w) somme += x;
    if (somme <= 0) {
      w.assign(1, 1.0);
      somme = 1.0;
    }
    p.debut[std::size_t(i)] = j0;
    p.nombre[std::size_t(i)] = int(w.size());
    p.decalage[std::size_t(i)] = int(p.poids.size());
    int total = 0, qMax = -1;
    std::size_t plusGrand = p.poids.size();
    for (double x : w) {
      int q = int(std::lround(x / somme * kUnPoids));
      if (q > qMax) {
        qMax = q;
        plusGrand = p.poids.size();
      }
      p.poids.push_back(std::uint16_t(q));
      total += q;
    }
    // Rounding left the sum off by a little: settle it on the largest weight.
    p.poids[plusGrand] = std::uint16_t(int(p.poids[plusGrand]) + kUnPoids - total);
    p.maxNombre = std::max(p.maxNombre, int(w.size()));
  }
  return p;
}

// The same taps, every destination index given the same number of them
// (the largest): a run is moved left where it would pass the source's end,
// and the extra taps weigh 0. The sums are the same; the filtering loop
// then has a fixed length that the compiler unrolls, with no branch on the
// count.
struct PrisesFixes {
  int nombre = 1;
  std::vector<int> debut;
  std::vector<std::uint16_t> poids;  // nombre per destination index
};

PrisesFixes Fixe(const Prises& p, int limite) {
  PrisesFixes f;
  const std::size_t dn = p.debut.size();
  f.nombre = std::min(p.maxNombre, limite);
  f.debut.resize(dn);
  f.poids.assign(dn * std::size_t(f.nombre), 0);
  for (std::size_t i = 0; i < dn; ++i) {
    const int debut = std::max(0, std::min(p.debut[i], limite - f.nombre));
    f.debut[i] = debut;
    for (int t = 0; t < p.nombre[i]; ++t)
      f.poids[i * std::size_t(f.nombre) + std::size_t(p.debut[i] - debut + t)] =
          p.poids[std::size_t(p.decalage[i] + t)];
  }
  return f;
}

// One source row filtered horizontally: for each of the n destination
// columns, three 8.8 fixed-point channels (red, green, blue), from k taps.
// Inlined where k is a constant, so that each tap count gets its own
// unrolled loop.
[[gnu::always_inline]] inline void FiltreLigne(const std::uint32_t* s, const int* debut,
                                               const std::uint16_t* poids, int k, int n,
                                               std::uint16_t* out) {
#if defined(__SSE2__)
  // SSE2 (every x86-64 has it), two taps at a time: the bytes of two
  // source pixels interleaved into 16-bit lanes (b0 b1 g0 g1 r0 r1 x0 x1)
  // and one multiply-add by the two weights gives each channel's share of
  // both in 32 bits, the same sums as the plain loop below.
  const __m128i zero = _mm_setzero_si128();
  const __m128i arrondi = _mm_set1_epi32(32);
  for (int i = 0; i < n; ++i) {
    const std::uint32_t* px = s + debut[i];
    const std::uint16_t* w = poids + std::size_t(i) * std::size_t(k);
    __m128i somme = arrondi;
    for (int t = 0; t < k; t += 2) {
      const std::uint32_t p0 = px[t], p1 = t + 1 < k ? px[t + 1] : 0u;
      const std::uint32_t w0 = w[t], w1 = t + 1 < k ? w[t + 1] : 0u;
      __m128i a = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(p0)), _mm_cvtsi32_si128(int(p1)));
      a = _mm_unpacklo_epi8(a, zero);
      somme = _mm_add_epi32(somme, _mm_madd_epi16(a, _mm_set1_epi32(int(w0 | w1 << 16))));
    }
    somme = _mm_srli_epi32(somme, 6);
    out[3 * i] = std::uint16_t(_mm_extract_epi16(somme, 4));
    out[3 * i + 1] = std::uint16_t(_mm_extract_epi16(somme, 2));
    out[3 * i + 2] = std::uint16_t(_mm_extract_epi16(somme, 0));
  }
#else
  for (int i = 0; i < n; ++i) {
    const std::uint32_t* px = s + debut[i];
    const std::uint16_t* w = poids + std::size_t(i) * std::size_t(k);
    std::uint32_t r = 0, g = 0, b = 0;
    for (int t = 0; t < k; ++t) {
      const std::uint32_t p = px[t];
      r += w[t] * ((p >> 16) & 0xFF);
      g += w[t] * ((p >> 8) & 0xFF);
      b += w[t] * (p & 0xFF);
    }
    out[3 * i] = std::uint16_t((r + 32) >> 6);
    out[3 * i + 1] = std::uint16_t((g + 32) >> 6);
    out[3 * i + 2] = std::uint16_t((b + 32) >> 6);
  }
#endif
}

// The same for any number of taps, not inlined.
void FiltreLigneVariable(const std::uint32_t* s, const int* debut, const std::uint16_t* poids,
                         int k, int n, std::uint16_t* out) {
  FiltreLigne(s, debut, poids, k, n, out);
}

// acc[c] += poids * ligne[c]: one filtered row's share in a destination row.
void Accumule(std::uint32_t* __restrict acc, const std::uint16_t* __restrict ligne,
              std::uint32_t poids, std::size_t n) {
  for (std::size_t c = 0; c < n; ++c) acc[c] += poids * ligne[c];
}

// A destination row from its accumulated channels (14-bit weights on 8.8
// fixed point), rounded and limited to 255.
void Range(const std::uint32_t* __restrict acc, std::uint32_t* __restrict d, int largeur) {
  for (int i = 0; i < largeur; ++i) {
    const std::uint32_t r = (acc[std::size_t(i) * 3] + (1u << 21)) >> 22;
    const std::uint32_t g = (acc[std::size_t(i) * 3 + 1] + (1u << 21)) >> 22;
    const std::uint32_t b = (acc[std::size_t(i) * 3 + 2] + (1u << 21)) >> 22;
    d[i] = (std::min(r, 255u) << 16) | (std::min(g, 255u) << 8) | std::min(b, 255u);
  }
}

// The destination range [debut, fin) of a dn-long run placed at d on an
// axis of length n.
void Coupe(int d, int dn, int n, int& debut, int& fin) {
  debut = std::max(0, -d);
  fin = std::min(dn, n - d);
}

void StretchMoyenne(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx,
                    int sy, int sw, int sh) {
  int i0, i1, y0, y1;
  Coupe(dx, dw, dst.Width(), i0, i1);
  Coupe(dy, dh, dst.Height(), y0, y1);
  if (i0 >= i1 || y0 >= y1) return;
  // A shared destination gets its own pixels here, before the rows are
  // shared out between threads.
  if (!dst.Pixels()) return;
  const PrisesFixes fh = Fixe(CalculePrises(dw, sx, sw, src.Width()), src.Width());
  const Prises pv = CalculePrises(dh, sy, sh, src.Height());
  const int largeur = i1 - i0;
  const std::int64_t operations =
      std::int64_t(y1 - y0) * pv.maxNombre * std::int64_t(std::min(sw, src.Width()));

  ParLignes(y1 - y0, operations, [&](int debut, int fin) {
    // Horizontally filtered source rows, three 8.8 fixed-point channels per
    // destination column. Two are kept: consecutive output rows share at
    // most their edge rows, and memory stays two rows whatever the scale.
    const int places = 2;
    std::vector<std::vector<std::uint16_t>> lignes(std::size_t(places),
                                                   std::vector<std::uint16_t>(std::size_t(largeur) * 3));
    std::vector<int> numeros(std::size_t(places), -1);
    int prochaine = 0;
    auto ligneFiltree = [&](int sy2) -> const std::uint16_t* {
      for (int k = 0; k < places; ++k)
        if (numeros[std::size_t(k)] == sy2) return lignes[std::size_t(k)].data();
      int k = prochaine;
      prochaine = (prochaine + 1) % places;
      numeros[std::size_t(k)] = sy2;
      std::uint16_t* out = lignes[std::size_t(k)].data();
      const std::uint32_t* s = src.Row(sy2);
      const int* debuts = fh.debut.data() + i0;
      const std::uint16_t* poids = fh.poids.data() + std::size_t(i0) * std::size_t(fh.nombre);
      switch (fh.nombre) {
        case 1: FiltreLigne(s, debuts, poids, 1, largeur, out); break;
        case 2: FiltreLigne(s, debuts, poids, 2, largeur, out); break;
        case 3: FiltreLigne(s, debuts, poids, 3, largeur, out); break;
        case 4: FiltreLigne(s, debuts, poids, 4, largeur, out); break;
        case 5: FiltreLigne(s, debuts, poids, 5, largeur, out); break;
        case 6: FiltreLigne(s, debuts, poids, 6, largeur, out); break;
        default: FiltreLigneVariable(s, debuts, poids, fh.nombre, largeur, out); break;
      }
      return lignes[std::size_t(k)].data();
    };
    std::vector<std::uint32_t> acc(std::size_t(largeur) * 3);
    for (int yy = y0 + debut; yy < y0 + fin; ++yy) {
      const int n = pv.nombre[std::size_t(yy)];
      const std::uint16_t* w = &pv.poids[std::size_t(pv.decalage[std::size_t(yy)])];
      std::fill(acc.begin(), acc.end(), 0u);
      for (int t = 0; t < n; ++t) {
        const std::uint16_t* l = ligneFiltree(pv.debut[std::size_t(yy)] + t);
        Accumule(acc.data(), l, w[t], acc.size());
      }
      Range(acc.data(), dst.Row(dy + yy) + dx + i0, largeur);
    }
  });
}

// Source index under the centre of destination index i (nearest sample).
inline int Plus_Proche(int i, int s0, int sn, int dn) {
  return s0 + int(((2 * std::int64_t(i) + 1) * sn) / (2 * std::int64_t(dn)));
}

void StretchProche(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx,
                   int sy, int sw, int sh, bool avecCle, std::uint32_t cle) {
  int i0, i1, y0, y1;
  Coupe(dx, dw, dst.Width(), i0, i1);
  Coupe(dy, dh, dst.Height(), y0, y1);
  if (i0 >= i1 || y0 >= y1) return;
  // A shared destination gets its own pixels here, before the rows are
  // shared out between threads.
  if (!dst.Pixels()) return;
  std::vector<int> colonnes(std::size_t(i1 - i0));
  for (int i = i0; i < i1; ++i) colonnes[std::size_t(i - i0)] = Plus_Proche(i, sx, sw, dw);
  const int W = src.Width(), H = src.Height();
  ParLignes(y1 - y0, std::int64_t(y1 - y0) * (i1 - i0), [&](int debut, int fin) {
    for (int yy = y0 + debut; yy < y0 + fin; ++yy) {
      const int syy = Plus_Proche(yy, sy, sh, dh);
      if (syy < 0 || syy >= H) continue;
      const std::uint32_t* s = src.Row(syy);
      std::uint32_t* d = dst.Row(dy + yy) + dx;
      for (int i = i0; i < i1; ++i) {
        const int sxx = colonnes[std::size_t(i - i0)];
        if (sxx < 0 || sxx >= W) continue;
        const std::uint32_t p = s[sxx];
        if (avecCle && (p & 0x00FFFFFFu) == cle) continue;
        d[i] = p;
      }
    }
  });
}

bool Valide(const Bitmap& dst, int dw, int dh, const Bitmap& src, int sw, int sh) {
  return dst && src && dw > 0 && dh > 0 && sw > 0 && sh > 0;
}

}  // namespace

void StretchBlt(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy,
                int sw, int sh, int mode) {
  if (!Valide(dst, dw, dh, src, sw, sh)) return;
  if (dw == sw && dh == sh) {
    BitBlt(dst, dx, dy, dw, dh, src, sx, sy);
  } else if (mode == HALFTONE) {
    StretchMoyenne(dst, dx, dy, dw, dh, src, sx, sy, sw, sh);
  } else {
    StretchProche(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, false, 0);
  }
}

void TransparentBlt(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx,
                    int sy, int sw, int sh, COLORREF key) {
  if (!Valide(dst, dw, dh, src, sw, sh)) return;
  StretchProche(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, true, PixelFromColor(key));
}

}  // namespace talvik::raster
