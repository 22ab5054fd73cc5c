#include "composition/attention.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace talvik {

namespace {

// Bonus of a skin-toned pixel, and weight of saturation (0..255 scaled by
// this over 256), in the units of the gradient (0..510).
constexpr int kBonusPeau = 60;
constexpr int kPoidsSaturation = 64;

int Luminance(std::uint32_t p) {
  return int((((p >> 16) & 0xFF) * 77 + ((p >> 8) & 0xFF) * 150 + (p & 0xFF) * 29) >> 8);
}

// A skin tone in the classic RGB rule: red leads, far enough from green
// and blue, not grey.
bool Peau(int r, int g, int b) {
  return r > 95 && g > 40 && b > 20 && r > g && r > b && r - std::min(g, b) > 15 &&
         std::abs(r - g) > 15;
}

}  // namespace

RECT ZoneAttention(const HBITMAP& image) {
  if (!image) return {};
  const int w = image.Width(), h = image.Height();
  std::vector<int> score(std::size_t(w) * std::size_t(h));
  std::vector<int> lum(std::size_t(w) * std::size_t(h));
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* s = image.Row(y);
    for (int x = 0; x < w; ++x) lum[std::size_t(y) * std::size_t(w) + std::size_t(x)] = Luminance(s[x]);
  }
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* s = image.Row(y);
    for (int x = 0; x < w; ++x) {
      const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
      const int droite = lum[i - std::size_t(x) + std::size_t(std::min(w - 1, x + 1))];
      const int bas = lum[std::size_t(std::min(h - 1, y + 1)) * std::size_t(w) + std::size_t(x)];
      const int r = int((s[x] >> 16) & 0xFF), g = int((s[x] >> 8) & 0xFF), b = int(s[x] & 0xFF);
      const int max = std::max({r, g, b}), min = std::min({r, g, b});
      const int saturation = max > 0 ? (max - min) * 255 / max : 0;
      score[i] = std::abs(droite - lum[i]) + std::abs(bas - lum[i]) +
                 (Peau(r, g, b) ? kBonusPeau : 0) + saturation * kPoidsSaturation / 256;
    }
  }
  // A flat region's noise counts for nothing.
  std::vector<int> tri(score);
  std::nth_element(tri.begin(), tri.begin() + std::ptrdiff_t(tri.size() / 2), tri.end());
  const int mediane = tri[tri.size() / 2];

  // Sums over rectangles through the integral of the scores.
  std::vector<std::int64_t> integrale(std::size_t(w + 1) * std::size_t(h + 1), 0);
  auto I = [&](int x, int y) -> std::int64_t& {
    return integrale[std::size_t(y) * std::size_t(w + 1) + std::size_t(x)];
  };
  for (int y = 0; y < h; ++y) {
    std::int64_t ligne = 0;
    for (int x = 0; x < w; ++x) {
      ligne += std::max(0, score[std::size_t(y) * std::size_t(w) + std::size_t(x)] - mediane);
      I(x + 1, y + 1) = I(x + 1, y) + ligne;
    }
  }
  const int fw = std::max(1, w / 3), fh = std::max(1, h / 3);
  const int px = std::max(1, w / 64), py = std::max(1, h / 64);
  std::int64_t meilleure = -1, distance = 0;
  RECT zone{};
  for (int y = 0; y + fh <= h; y += py)
    for (int x = 0; x + fw <= w; x += px) {
      const std::int64_t s = I(x + fw, y + fh) - I(x, y + fh) - I(x + fw, y) + I(x, y);
      const std::int64_t dx = 2 * x + fw - w, dy = 2 * y + fh - h;
      const std::int64_t d = dx * dx + dy * dy;
      if (s > meilleure || (s == meilleure && d < distance)) {
        meilleure = s;
        distance = d;
        zone = RECT{x, y, x + fw, y + fh};
      }
    }
  // Inside the window, the detail's own extent: its weighted centre, two
  // weighted deviations either way, kept in the window.
  double poids = 0, mx = 0, my = 0;
  for (int y = zone.top; y < zone.bottom; ++y)
    for (int x = zone.left; x < zone.right; ++x) {
      const int s = std::max(0, score[std::size_t(y) * std::size_t(w) + std::size_t(x)] - mediane);
      poids += s;
      mx += double(s) * x;
      my += double(s) * y;
    }
  if (poids <= 0) return zone;
  mx /= poids;
  my /= poids;
  double vx = 0, vy = 0;
  for (int y = zone.top; y < zone.bottom; ++y)
    for (int x = zone.left; x < zone.right; ++x) {
      const int s = std::max(0, score[std::size_t(y) * std::size_t(w) + std::size_t(x)] - mediane);
      vx += s * (x - mx) * (x - mx);
      vy += s * (y - my) * (y - my);
    }
  const double ex = 2 * std::sqrt(vx / poids) + 1, ey = 2 * std::sqrt(vy / poids) + 1;
  return RECT{std::max(zone.left, LONG(mx - ex)), std::max(zone.top, LONG(my - ey)),
              std::min(zone.right, LONG(std::ceil(mx + ex))), std::min(zone.bottom, LONG(std::ceil(my + ey)))};
}

}  // namespace talvik
