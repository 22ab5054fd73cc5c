// The colour a GIF writer must give a pixel, found the plain way: every
// entry of the palette is tried (squared RGB distance, the lowest index on
// a tie), so the tests do not lean on the writer's own search.
#pragma once

#include "codec/gif_palette.h"

namespace lumaveil::testing {

inline talvik::COLORREF CouleurLaPlusProche(const talvik::GifPalette& palette,
                                            talvik::COLORREF couleur) {
  int meilleure = 0, distance = 1 << 30;
  for (int i = 0; i < palette.Count(); ++i) {
    const int dr = talvik::GetRValue(couleur) - palette.Entry(i).peRed;
    const int dg = talvik::GetGValue(couleur) - palette.Entry(i).peGreen;
    const int db = talvik::GetBValue(couleur) - palette.Entry(i).peBlue;
    if (dr * dr + dg * dg + db * db < distance) {
      distance = dr * dr + dg * dg + db * db;
      meilleure = i;
    }
  }
  const auto& e = palette.Entry(meilleure);
  return talvik::RGB(e.peRed, e.peGreen, e.peBlue);
}

}  // namespace lumaveil::testing
