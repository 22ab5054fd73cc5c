// Pictures for the end-to-end tests: made by code, read back from BMP and
// from the player's PPM frames, compared within JPEG tolerance.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/bitmap.h"

namespace lumaveil::testing {

// Four strong colours, one per quadrant: red, green, blue, yellow.
inline constexpr talvik::COLORREF kCoins[4] = {talvik::RGB(230, 30, 30), talvik::RGB(30, 200, 40),
                                               talvik::RGB(40, 60, 220), talvik::RGB(240, 230, 40)};

// A w x h picture in four quadrants of the given colours (top-left,
// top-right, bottom-left, bottom-right), so that order and orientation show.
inline talvik::Bitmap Quadrants(int w, int h, const talvik::COLORREF c[4]) {
  talvik::Bitmap b = talvik::Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, c[(y >= h / 2 ? 2 : 0) + (x >= w / 2 ? 1 : 0)]);
  return b;
}

// A binary PPM (P6) as the player writes its frames; null when unreadable.
inline talvik::Bitmap LitPpm(const std::string& chemin) {
  std::FILE* f = std::fopen(chemin.c_str(), "rb");
  if (!f) return {};
  int w = 0, h = 0, max = 0;
  talvik::Bitmap b;
  if (std::fscanf(f, "P6 %d %d %d", &w, &h, &max) == 3 && std::fgetc(f) != EOF && max == 255) {
    b = talvik::Bitmap::Create(w, h);
    for (int y = 0; b && y < h; ++y)
      for (int x = 0; x < w; ++x) {
        int r = std::fgetc(f), g = std::fgetc(f), bl = std::fgetc(f);
        if (bl == EOF) {
          b.Reset();
          break;
        }
        b.SetPixel(x, y, talvik::RGB(talvik::BYTE(r), talvik::BYTE(g), talvik::BYTE(bl)));
      }
  }
  std::fclose(f);
  return b;
}

// Mean absolute difference per channel of `a` and the part of `b` at
// (x0, y0); -1 when `a` does not fit there.
inline double EcartMoyen(const talvik::Bitmap& a, const talvik::Bitmap& b, int x0 = 0,
                         int y0 = 0) {
  if (!a || !b || x0 + a.Width() > b.Width() || y0 + a.Height() > b.Height()) return -1;
  double somme = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      talvik::COLORREF p = a.GetPixel(x, y), q = b.GetPixel(x0 + x, y0 + y);
      somme += std::abs(talvik::GetRValue(p) - talvik::GetRValue(q)) +
               std::abs(talvik::GetGValue(p) - talvik::GetGValue(q)) +
               std::abs(talvik::GetBValue(p) - talvik::GetBValue(q));
    }
  return somme / (3.0 * a.Width() * a.Height());
}

// The rectangle of the pixels of `b` that differ from `fond` by more than
// `tolerance` on some channel; empty (right <= left) when there is none.
inline talvik::RECT PlaceSurFond(const talvik::Bitmap& b, talvik::COLORREF fond,
                                 int tolerance = 40) {
  talvik::RECT r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const talvik::COLORREF p = b.GetPixel(x, y);
      if (std::abs(talvik::GetRValue(p) - talvik::GetRValue(fond)) <= tolerance &&
          std::abs(talvik::GetGValue(p) - talvik::GetGValue(fond)) <= tolerance &&
          std::abs(talvik::GetBValue(p) - talvik::GetBValue(fond)) <= tolerance)
        continue;
      if (x < r.left) r.left = x;
      if (y < r.top) r.top = y;
      if (x + 1 > r.right) r.right = x + 1;
      if (y + 1 > r.bottom) r.bottom = y + 1;
    }
  return r;
}

}  // namespace lumaveil::testing
