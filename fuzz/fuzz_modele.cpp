// Fuzz target: the template file reader (.mod) on any bytes; the template
// it gives is written back and read again. Building a screen asks for the
// screen size and the default font, so the screens are made once and reset
// from a pristine one for each input.
#include <string>

#include "ecran.h"
#include "fichier_modele.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const lumaveil::CEcran vierge;
  static lumaveil::CEcran modele, encore;
  modele.CopieParametres(vierge);
  encore.CopieParametres(vierge);
  lumaveil::LitModele(std::string(reinterpret_cast<const char*>(data), size), modele);
  lumaveil::LitModele(lumaveil::EcritModele(modele), encore);
  return 0;
}
