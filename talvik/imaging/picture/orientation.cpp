// Pictures turned upright. Each upright row is gathered from the stored
// picture; for the turns and diagonal mirrors the rows are made in bands
// of 64 so that the columns read stay in the cache.
#include "picture/orientation.h"

#include <algorithm>
#include <cstdint>

#include "raster/parallel.h"

namespace talvik {

Bitmap Redresse(const Bitmap& s, int orientation) {
  if (!s || !OrientationValide(orientation) || orientation == 1) return s;
  const int W = s.Width(), H = s.Height();
  int w = W, h = H;
  TailleRedressee(orientation, &w, &h);
  Bitmap d = Bitmap::CreateUninitialized(w, h);
  if (!d) return {};
  const std::uint32_t* src = s.Pixels();
  std::uint32_t* dst = d.Pixels();
  const std::size_t pasS = std::size_t(W);
  // Upright pixel (x, y) comes from stored pixel (sx, sy):
  //   2: (W-1-x, y)   3: (W-1-x, H-1-y)   4: (x, H-1-y)
  //   5: (y, x)       6: (y, H-1-x)       7: (W-1-y, H-1-x)   8: (W-1-y, x)
  raster::ParLignes(h, std::int64_t(w) * h, [&](int debut, int fin) {
    if (orientation <= 4) {
      for (int y = debut; y < fin; ++y) {
        const int sy = (orientation == 2) ? y : H - 1 - y;
        const std::uint32_t* ligne = src + std::size_t(sy) * pasS;
        std::uint32_t* o = dst + std::size_t(y) * std::size_t(w);
        if (orientation == 4) std::copy_n(ligne, W, o);
        else std::reverse_copy(ligne, ligne + W, o);
      }
      return;
    }
    // Upright row y is stored column sx = y (5, 6) or W-1-y (7, 8); along
    // the row, x walks the stored rows down (5, 8) or up (6, 7).
    constexpr int kBande = 64;
    for (int y0 = debut; y0 < fin; y0 += kBande) {
      const int y1 = std::min(fin, y0 + kBande);
      for (int x0 = 0; x0 < w; x0 += kBande) {
        const int x1 = std::min(w, x0 + kBande);
        for (int y = y0; y < y1; ++y) {
          const int sx = (orientation <= 6) ? y : W - 1 - y;
          std::uint32_t* o = dst + std::size_t(y) * std::size_t(w);
          if (orientation == 5 || orientation == 8) {
            for (int x = x0; x < x1; ++x) o[x] = src[std::size_t(x) * pasS + std::size_t(sx)];
          } else {
            for (int x = x0; x < x1; ++x)
              o[x] = src[std::size_t(H - 1 - x) * pasS + std::size_t(sx)];
          }
        }
      }
    }
  });
  return d;
}

}  // namespace talvik
