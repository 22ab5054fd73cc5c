// Reading the values of the command line: integers, colours, sizes.
#pragma once

#include <string>

#include "base/wintypes.h"

namespace talvik::cli {

// A whole decimal number (optional sign); false for anything else.
bool LitEntier(const std::string& texte, int& valeur);
// A COLORREF in hex, with or without 0x (0x00BBGGRR, or 0xFFFFFFFF).
bool LitCouleur(const std::string& texte, COLORREF& couleur);
// "WxH" with both sides positive.
bool LitTaille(const std::string& texte, int& largeur, int& hauteur);

// Writes "talvik: <message>" on standard error and returns 1.
int Echec(const std::string& message);

}  // namespace talvik::cli
