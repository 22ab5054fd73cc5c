// Block copies, fills and pixel access of the raster layer.
#include <algorithm>
#include <cstring>

#include "raster/raster.h"

namespace talvik::raster {

void BitBlt(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy) {
  if (!dst || !src || w <= 0 || h <= 0) return;
  // Clip against the source, then the destination, moving both origins.
  long long x0 = 0, y0 = 0, x1 = w, y1 = h;  // block-relative range kept
  x0 = std::max({x0, -static_cast<long long>(sx), -static_cast<long long>(dx)});
  y0 = std::max({y0, -static_cast<long long>(sy), -static_cast<long long>(dy)});
  x1 = std::min({x1, static_cast<long long>(src.Width()) - sx,
                 static_cast<long long>(dst.Width()) - dx});
  y1 = std::min({y1, static_cast<long long>(src.Height()) - sy,
                 static_cast<long long>(dst.Height()) - dy});
  if (x0 >= x1 || y0 >= y1) return;
  const std::size_t n = std::size_t(x1 - x0) * sizeof(std::uint32_t);
  for (long long y = y0; y < y1; ++y) {
    const std::uint32_t* s = src.Row(int(sy + y)) + (sx + x0);
    std::uint32_t* d = dst.Row(int(dy + y)) + (dx + x0);
    std::memmove(d, s, n);
  }
}

void FillRect(Bitmap& dst, const RECT& r, COLORREF color) {
  if (!dst) return;
  int l = std::max<int>(0, r.left), t = std::max<int>(0, r.top);
  int rr = std::min<int>(dst.Width(), r.right), b = std::min<int>(dst.Height(), r.bottom);
  if (l >= rr || t >= b) return;
  const std::uint32_t p = PixelFromColor(color);
  for (int y = t; y < b; ++y) std::fill(dst.Row(y) + l, dst.Row(y) + rr, p);
}

void FillAround(Bitmap& dst, const RECT& trou, COLORREF color) {
  if (!dst) return;
  const int w = dst.Width(), h = dst.Height();
  const int l = std::max<int>(0, trou.left), t = std::max<int>(0, trou.top);
  const int r = std::min<int>(w, trou.right), b = std::min<int>(h, trou.bottom);
  if (l >= r || t >= b) {
    FillRect(dst, RECT{0, 0, w, h}, color);
    return;
  }
  FillRect(dst, RECT{0, 0, w, t}, color);
  FillRect(dst, RECT{0, b, w, h}, color);
  FillRect(dst, RECT{0, t, l, b}, color);
  FillRect(dst, RECT{r, t, w, b}, color);
}

COLORREF GetPixel(const Bitmap& bmp, int x, int y) { return bmp.GetPixel(x, y); }

void SetPixelV(Bitmap& bmp, int x, int y, COLORREF color) { bmp.SetPixel(x, y, color); }

}  // namespace talvik::raster
