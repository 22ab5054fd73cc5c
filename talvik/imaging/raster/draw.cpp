// Rectangles drawn with a pen and a brush.
#include <algorithm>

#include "raster/raster.h"

namespace talvik::raster {

namespace {

// On/off run lengths of the dashed styles, in pixels.
struct Tirets {
  int longueurs[6];
  int n;
};

Tirets MotifDuStyle(int style) {
  switch (style) {
    case PS_DASH: return {{18, 6}, 2};
    case PS_DOT: return {{3, 3}, 2};
    case PS_DASHDOT: return {{9, 6, 3, 6}, 4};
    case PS_DASHDOTDOT: return {{9, 3, 3, 3, 3, 3}, 6};
    default: return {{1}, 0};
  }
}

// A one-pixel outline of [l, r] x [t, b] (inclusive), dashed along its
// perimeter, clockwise from the top-left corner.
void ContourTirete(Bitmap& dst, int l, int t, int r, int b, const Tirets& tirets,
                   std::uint32_t couleur) {
  int segment = 0, reste = tirets.longueurs[0];
  auto point = [&](int x, int y) {
    if ((segment % 2) == 0 && x >= 0 && y >= 0 && x < dst.Width() && y < dst.Height())
      dst.Row(y)[x] = couleur;
    if (--reste == 0) {
      segment = (segment + 1) % tirets.n;
      reste = tirets.longueurs[segment];
    }
  };
  for (int x = l; x <= r; ++x) point(x, t);
  for (int y = t + 1; y <= b; ++y) point(r, y);
  if (b > t)
    for (int x = r - 1; x >= l; --x) point(x, b);
  if (r > l)
    for (int y = b - 1; y > t; --y) point(l, y);
}

}  // namespace

void Rectangle(Bitmap& dst, int left, int top, int right, int bottom, const Pen& pen,
               const Brush& brush) {
  if (!dst) return;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (pen.style == PS_NULL) {
    if (!brush.hollow) FillRect(dst, RECT{left, top, right - 1, bottom - 1}, brush.color);
    return;
  }
  // The outline runs along [left, right - 1] x [top, bottom - 1].
  const int r = right - 1, b = bottom - 1;
  if (r < left || b < top) return;
  const int w = std::max(1, pen.width);
  if (!brush.hollow) FillRect(dst, RECT{left, top, right, bottom}, brush.color);
  const std::uint32_t couleur = PixelFromColor(pen.color);
  const Tirets tirets = MotifDuStyle(pen.style);
  if (tirets.n > 0 && w == 1) {
    ContourTirete(dst, left, top, r, b, tirets, couleur);
    return;
  }
  // A solid band of w pixels on each edge: centred on the edge, or inside
  // the rectangle for PS_INSIDEFRAME.
  const int dehors = pen.style == PS_INSIDEFRAME ? 0 : (w - 1) / 2;
  const int l0 = left - dehors, t0 = top - dehors, r0 = r + dehors, b0 = b + dehors;
  const COLORREF c = pen.color;
  FillRect(dst, RECT{l0, t0, r0 + 1, std::min(t0 + w, b0 + 1)}, c);            // top
  FillRect(dst, RECT{l0, std::max(b0 - w + 1, t0), r0 + 1, b0 + 1}, c);       // bottom
  FillRect(dst, RECT{l0, t0, std::min(l0 + w, r0 + 1), b0 + 1}, c);            // left
  FillRect(dst, RECT{std::max(r0 - w + 1, l0), t0, r0 + 1, b0 + 1}, c);       // right
}

}  // namespace talvik::raster
