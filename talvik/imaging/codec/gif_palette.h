// The palette a GIF is written with, and the halftone palette that the GIF
// saver maps every picture to: the 20 static system colours (ten at each
// end), the 6 x 6 x 6 colour cube and 20 greys between them, 256 entries.
#pragma once

#include <array>
#include <cstdint>

#include "base/wintypes.h"

namespace talvik {

struct PALETTEENTRY {
  BYTE peRed = 0;
  BYTE peGreen = 0;
  BYTE peBlue = 0;
  BYTE peFlags = 0;
};

class GifPalette {
 public:
  GifPalette() = default;
  // Up to 256 entries; extra ones are ignored.
  GifPalette(const PALETTEENTRY* entries, int count);

  // The halftone palette described above.
  static GifPalette Halftone();

  int Count() const { return count_; }
  const PALETTEENTRY& Entry(int i) const { return entries_[std::size_t(i)]; }

  // Index of the entry nearest to the colour (squared RGB distance; the
  // lowest index on a tie). 0 for an empty palette. Remembers recent answers,
  // so it is not safe to share one palette between threads.
  int NearestIndex(COLORREF colour) const;

 private:
  void SortByRed();

  std::array<PALETTEENTRY, 256> entries_{};
  int count_ = 0;
  // Entry indices ordered by red (then by index), for a search that starts
  // at the colour's red and stops once red alone is farther than the best.
  std::array<std::uint8_t, 256> by_red_{};
  // Direct-mapped cache of answers: key 0x01RRGGBB (0 = empty), index.
  mutable std::array<std::uint32_t, 4096> cache_key_{};
  mutable std::array<std::uint8_t, 4096> cache_index_{};
};

}  // namespace talvik
