// Rotation by half degrees.
//
// Quarter and half turns are exact permutations of the pixels (every
// source pixel lands exactly once); they are done by blocks so that both
// the reads and the writes stay in cache, split over the cores. Any other
// angle maps each result pixel back into the source, rounding to the
// nearest pixel, with white outside the source.
#include <algorithm>
#include <cmath>
#include <cstdint>

#ifdef __SSE2__
#include <xmmintrin.h>
#include <emmintrin.h>
#endif

#include "graphique.h"
#include "raster/parallel.h"

namespace talvik {

namespace {

constexpr std::uint32_t kBlanc = 0x00FFFFFFu;
constexpr int kBloc = 64;

// Quarter turn; clockwise: result (X, Y) = source (Y, h - 1 - X);
// anticlockwise: result (X, Y) = source (w - 1 - Y, X). Done by square
// blocks so that the strided side of the copy stays in cache, and inside
// them by 4 x 4 tiles transposed in registers.
inline std::uint32_t Source(const std::uint32_t* s, std::size_t ws, int w, int h, bool horaire,
                            int X, int Y) {
  return horaire ? s[std::size_t(h - 1 - X) * ws + std::size_t(Y)]
                 : s[std::size_t(X) * ws + std::size_t(w - 1 - Y)];
}

#ifdef __SSE2__
// The 4 x 4 tile of the result at (X, Y).
// With aligned rows the tile goes straight to memory (streaming stores):
// the result is not read back soon, and consecutive tiles fill whole lines.
inline void Tuile(const std::uint32_t* s, std::uint32_t* d, std::size_t ws, std::size_t hs, int w,
                  int h, bool horaire, bool aligne, int X, int Y) {
  __m128 r[4];
  for (int k = 0; k < 4; ++k) {
    const std::uint32_t* ligne = horaire ? s + std::size_t(h - 1 - X - k) * ws + std::size_t(Y)
                                         : s + std::size_t(X + k) * ws + std::size_t(w - 4 - Y);
    r[k] = _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(ligne)));
  }
  _MM_TRANSPOSE4_PS(r[0], r[1], r[2], r[3]);
  for (int j = 0; j < 4; ++j) {
    std::uint32_t* dest = d + std::size_t(Y + j) * hs + std::size_t(X);
    const __m128i v = _mm_castps_si128(r[horaire ? j : 3 - j]);
    if (aligne) _mm_stream_si128(reinterpret_cast<__m128i*>(dest), v);
    else _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), v);
  }
}
#endif

void QuartDeTour(const Bitmap& source, Bitmap& cible, bool horaire) {
  const int w = source.Width(), h = source.Height();  // the target is h x w
  const std::uint32_t* const s = source.Pixels();
  std::uint32_t* const d = cible.Pixels();
  const std::size_t ws = std::size_t(w), hs = std::size_t(h);
  const int blocsLignes = (w + kBloc - 1) / kBloc;
#ifdef __SSE2__
  const bool aligne = (reinterpret_cast<std::uintptr_t>(d) % 16) == 0 && h % 4 == 0;
#endif
  raster::ParLignes(blocsLignes, std::int64_t(w) * h, [&](int debut, int fin) {
    for (int by = debut * kBloc; by < std::min(w, fin * kBloc); by += kBloc) {
      const int yFin = std::min(w, by + kBloc);
      for (int bx = 0; bx < h; bx += kBloc) {
        const int xFin = std::min(h, bx + kBloc);
        int xTuiles = bx, yTuiles = by;
#ifdef __SSE2__
        xTuiles = bx + (xFin - bx) / 4 * 4;
        yTuiles = by + (yFin - by) / 4 * 4;
        for (int Y = by; Y < yTuiles; Y += 4)
          for (int X = bx; X < xTuiles; X += 4) Tuile(s, d, ws, hs, w, h, horaire, aligne, X, Y);
#endif
        // What the tiles leave: the last rows and columns of the block.
        for (int Y = by; Y < yFin; ++Y) {
          const int x0 = Y < yTuiles ? xTuiles : bx;
          for (int X = x0; X < xFin; ++X)
            d[std::size_t(Y) * hs + std::size_t(X)] = Source(s, ws, w, h, horaire, X, Y);
        }
      }
    }
#ifdef __SSE2__
    _mm_sfence();
#endif
  });
}

void DemiTour(const Bitmap& source, Bitmap& cible) {
  const int w = source.Width(), h = source.Height();
  raster::ParLignes(h, std::int64_t(w) * h, [&](int debut, int fin) {
    for (int Y = debut; Y < fin; ++Y) {
      const std::uint32_t* s = source.Row(h - 1 - Y);
      std::uint32_t* d = cible.Row(Y);
      std::reverse_copy(s, s + w, d);
    }
  });
}

// Nearest integer, halves away from zero.
inline long Arrondi(double v) { return std::lround(v); }

}  // namespace

HBITMAP CGraphique::RotationImage(const HBITMAP& image, int nAngle) {
  if (!image) return {};
  const int w = image.Width(), h = image.Height();
  if (nAngle == 180 || nAngle == -180) {
    HBITMAP resultat = Bitmap::CreateUninitialized(h, w);
    if (resultat) QuartDeTour(image, resultat, nAngle > 0);
    return resultat;
  }
  if (nAngle == 360 || nAngle == -360) {
    HBITMAP resultat = Bitmap::CreateUninitialized(w, h);
    if (resultat) DemiTour(image, resultat);
    return resultat;
  }
  if (nAngle % 720 == 0) return image.Clone();

  const double theta = nAngle * 3.141592653589793 * 0.002777777777777778;
  const double c = std::cos(theta), s = std::sin(theta);
  const double W1 = w - 1, H1 = h - 1;
  const long xs[4] = {0, Arrondi(W1 * c), Arrondi(-H1 * s), Arrondi(W1 * c - H1 * s)};
  const long ys[4] = {0, Arrondi(W1 * s), Arrondi(H1 * c), Arrondi(W1 * s + H1 * c)};
  const long xmin = *std::min_element(xs, xs + 4), xmax = *std::max_element(xs, xs + 4);
  const long ymin = *std::min_element(ys, ys + 4), ymax = *std::max_element(ys, ys + 4);
  const long long rw = xmax - xmin + 1, rh = ymax - ymin + 1;
  HBITMAP resultat = Bitmap::CreateUninitialized(int(rw), int(rh));
  if (!resultat) return {};
  raster::ParLignes(int(rh), rw * rh, [&](int debut, int fin) {
    for (int Y = debut; Y < fin; ++Y) {
      const double i = double(ymin + Y);
      std::uint32_t* d = resultat.Row(Y);
      for (int X = 0; X < int(rw); ++X) {
        const double j = double(xmin + X);
        const long x = Arrondi(j * c + i * s);
        const long y = Arrondi(i * c - j * s);
        d[X] = (x >= 0 && x < w && y >= 0 && y < h) ? image.Row(int(y))[x] : kBlanc;
      }
    }
  });
  return resultat;
}

}  // namespace talvik
