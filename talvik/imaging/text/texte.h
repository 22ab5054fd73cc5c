// T_TEXTE: one text overlay of a screen, as the image library, the text
// editor and the screen renderer share it.
#pragma once

#include <string>

#include "base/wintypes.h"

namespace talvik {

struct T_TEXTE {
  int Utilisation = 0;                     // text is drawn
  std::string Libelle;                     // the text (UTF-8); drawn on one line
  LOGFONT Fonte{};                         // font
  int PositionAutomatique = 1;             // 1: from the margins; 0: at (AbsolueX, AbsolueY)
  int PositionAutomatiqueVerticale = 0;    // 0: DeltaY from the top; 1: from the bottom
  int PositionAutomatiqueHorizontale = 0;  // 0: DeltaX from the left; 1: from the right; 2: centred
  LONG DeltaX = 50;                        // horizontal margin, pixels
  LONG DeltaY = 50;                        // vertical margin, pixels
  LONG AbsolueX = 0;                       // absolute x, pixels
  LONG AbsolueY = 0;                       // absolute y, pixels
  COLORREF CouleurEncre = 0;               // ink
  COLORREF CouleurFond = 0;                // colour behind the text
  int FondTransparent = 1;                 // 1: nothing behind the text
};

}  // namespace talvik
