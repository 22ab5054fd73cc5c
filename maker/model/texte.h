// One text overlay of a screen (T_TEXTE) and the default font that new
// texts receive.
#pragma once

#include <string>

#include "base/wintypes.h"

namespace lumaveil {

using talvik::COLORREF;
using talvik::LOGFONT;

// One caption drawn on the screen canvas. Flags are 0 (off) or any other
// value (on). Texts are UTF-8 in memory.
struct T_TEXTE {
  int Utilisation = 0;                     // text is drawn
  std::string Libelle;                     // the text; may hold line breaks
  LOGFONT Fonte{};                         // font (copy of PoliceDefaut)
  int PositionAutomatique = 1;             // 1: from the margins; 0: at (AbsolueX, AbsolueY)
  int PositionAutomatiqueVerticale = 0;    // 0: DeltaY from the top; 1: from the bottom
  int PositionAutomatiqueHorizontale = 0;  // 0: DeltaX from the left; 1: from the right; 2: centred
  talvik::LONG DeltaX = 50;                // horizontal margin, pixels
  talvik::LONG DeltaY = 50;                // vertical margin, pixels
  talvik::LONG AbsolueX = 0;               // absolute x, pixels
  talvik::LONG AbsolueY = 0;               // absolute y, pixels
  COLORREF CouleurEncre = 0;               // ink
  COLORREF CouleurFond = 0;                // colour behind the text
  int FondTransparent = 1;                 // 1: nothing behind the text
};

// Number of texts on every screen.
inline constexpr int kNombreTextes = 5;

// Position of a text on a canvas of cx x cy: automatic placement gives
// y = DeltaY (top) or cy - DeltaY (bottom), x = DeltaX (left), cx - DeltaX
// (right) or 0 (centred: the drawing centres it); otherwise (AbsolueX,
// AbsolueY).
talvik::POINT PositionTexte(const T_TEXTE& texte, talvik::SIZE canvas);

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
