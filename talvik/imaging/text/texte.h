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
  // Added after the designed record (stored apart, only when not 0).
  int FormatDate = 0;                      // how a date field is written (lumaveil::FormatDate)
  int Relief = 0;                          // kReliefAucun, kReliefContour or kReliefOmbre
};

// What surrounds the letters so that they stay readable on any picture.
inline constexpr int kReliefAucun = 0;
inline constexpr int kReliefContour = 1;  // a thin outline in the contrasting colour
inline constexpr int kReliefOmbre = 2;    // a soft shadow below and right of the letters

}  // namespace talvik
