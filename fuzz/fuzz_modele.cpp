// Fuzz target: the template file reader (.mod) on any bytes; the template
// it gives is written back and read again.
#include <string>

#include "ecran.h"
#include "fichier_modele.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumaveil::CEcran modele;
  lumaveil::LitModele(std::string(reinterpret_cast<const char*>(data), size), modele);
  lumaveil::CEcran encore;
  lumaveil::LitModele(lumaveil::EcritModele(modele), encore);
  return 0;
}
