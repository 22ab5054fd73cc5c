#include "codec/gif_palette.h"

#include <algorithm>

namespace talvik {

namespace {

// The static colours of a system palette: the first ten at indices 0-9,
// the last ten at 246-255.
constexpr BYTE kSystemLow[10][3] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
constexpr BYTE kSystemHigh[10][3] = {
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

}  // namespace

GifPalette::GifPalette(const PALETTEENTRY* entries, int count) {
  if (count < 0) count = 0;
  if (count > 256) count = 256;
  for (int i = 0; i < count; ++i) entries_[std::size_t(i)] = entries[i];
  count_ = count;
  SortByRed();
}

void GifPalette::SortByRed() {
  for (int i = 0; i < 256; ++i) by_red_[std::size_t(i)] = std::uint8_t(i);
  std::stable_sort(by_red_.begin(), by_red_.begin() + count_, [this](std::uint8_t a, std::uint8_t b) {
    return entries_[a].peRed < entries_[b].peRed;
  });
}

GifPalette GifPalette::Halftone() {
  GifPalette p;
  int n = 0;
  auto put = [&](int r, int g, int b) {
    p.entries_[std::size_t(n++)] = PALETTEENTRY{BYTE(r), BYTE(g), BYTE(b), 0};
  };
  for (const auto& c : kSystemLow) put(c[0], c[1], c[2]);
  // 6 x 6 x 6 cube, levels 0, 51, ..., 255; blue varies fastest.
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) put(r * 51, g * 51, b * 51);
  // 20 greys between the cube's own greys: 255 x k / 21, k = 1 .. 20.
  for (int k = 1; k <= 20; ++k) put(255 * k / 21, 255 * k / 21, 255 * k / 21);
  for (const auto& c : kSystemHigh) put(c[0], c[1], c[2]);
  p.count_ = n;  // 256
  p.SortByRed();
  return p;
}

int GifPalette::NearestIndex(COLORREF colour) const {
  if (count_ == 0) return 0;
  const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
  const std::uint32_t key = 0x01000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) |
                            std::uint32_t(b);
  const std::size_t slot = ((key * 2654435761u) >> 20) & 0xFFF;
  if (cache_key_[slot] == key) return cache_index_[slot];
  // Start at the first entry whose red is not below the colour's and walk
  // both ways; an entry whose red alone is farther than the best distance
  // ends that direction. Ties go to the lowest index.
  int best = 0;
  int best_d = 1 << 30;
  auto consider = [&](int i) {
    const PALETTEENTRY& e = entries_[std::size_t(i)];
    const int dr = r - e.peRed, dg = g - e.peGreen, db = b - e.peBlue;
    const int d = dr * dr + dg * dg + db * db;
    if (d < best_d || (d == best_d && i < best)) {
      best_d = d;
      best = i;
    }
  };
  const auto* first = by_red_.data();
  const auto* last = by_red_.data() + count_;
  const auto* start = std::lower_bound(first, last, r, [this](std::uint8_t i, int red) {
    return entries_[i].peRed < red;
  });
  for (const auto* up = start; up != last; ++up) {
    const int dr = entries_[*up].peRed - r;
    if (dr * dr > best_d) break;
    consider(*up);
  }
  for (const auto* down = start; down != first;) {
    --down;
    const int dr = r - entries_[*down].peRed;
    if (dr * dr > best_d) break;
    consider(*down);
  }
  cache_key_[slot] = key;
  cache_index_[slot] = std::uint8_t(best);
  return best;
}

}  // namespace talvik
