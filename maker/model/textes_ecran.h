// The texts of a screen: their count and the default font that
// new texts receive.
#pragma once

#include <string>

#include "base/wintypes.h"
#include "text/texte.h"

namespace lumaveil {

using talvik::COLORREF;
using talvik::LOGFONT;
using talvik::SIZE;

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

// The font of a caption made for a screen of the given size: an installed
// sans-serif face (talvik::texte::FamilleInstallee) with characters of
// 4.5 % of the screen's height (49 pixels at 1080, 22 at 480, 97 at
// 2160), never under 12 pixels.
LOGFONT PoliceLegende(SIZE cible);

// A new caption for a screen of the given size: used, the text given,
// PoliceLegende's font, white, centred at the bottom with a margin of
// 4 % of the height, on a transparent background, with a soft shadow.
T_TEXTE NouvelleLegende(const std::string& texte, SIZE cible);

}  // namespace lumaveil
