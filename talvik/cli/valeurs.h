// Reading the values of the command line: integers, colours, sizes.
#pragma once

#include <string>

#include "base/bitmap.h"
#include "base/wintypes.h"

namespace talvik::cli {

// A whole decimal number (optional sign); false for anything else.
bool LitEntier(const std::string& texte, int& valeur);
// A COLORREF in hex, with or without 0x (0x00BBGGRR, or 0xFFFFFFFF).
bool LitCouleur(const std::string& texte, COLORREF& couleur);
// "WxH" with both sides positive (the programs' one size reader).
bool LitTaille(const std::string& texte, int& largeur, int& hauteur);

// Writes "talvik: <message>" on standard error and returns 1.
int Echec(const std::string& message);

// Saves a command's result in the format of the extension of `chemin`,
// atomically (the old file stays until the new one is whole). 0 on
// success; 1, with the reason on standard error, when `image` is null
// (the operation failed) or the file cannot be written.
int SauveResultat(const std::string& chemin, const HBITMAP& image, int qualite = 90,
                  int transparence = 0, COLORREF couleur = 0);

}  // namespace talvik::cli
