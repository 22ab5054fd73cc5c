// The texts of a screen: their count and the default font that
// new texts receive.
#pragma once

#include <string>

#include "base/wintypes.h"
#include "text/texte.h"

namespace lumaveil {

using talvik::COLORREF;
using talvik::LOGFONT;

// One caption drawn on the screen canvas (shared with the image library
// and the text editor).
using talvik::T_TEXTE;

// Number of texts on every screen.
inline constexpr int kNombreTextes = 5;

// The font given to new texts. Until the application sets one, it is
// "Comic Sans MS" at 20 points for the screen's dpi (96 without a display):
// lfHeight = -round(20 * dpi / 72), weight 400.
LOGFONT PoliceDefaut();
// Replaces the font given to new texts (the application does this once,
// from its main form's font). Not thread-safe: call before screens exist.
void FixePoliceDefaut(const LOGFONT& police);
// "Comic Sans MS" at the given size in points for the given dpi.
LOGFONT PoliceComicSans(int points, int dpi);

}  // namespace lumaveil
