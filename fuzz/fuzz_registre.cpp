// Fuzz target: the settings store's file reader (REGEDIT4 text) on any
// bytes. What it reads, written back and read again, must give the same
// keys and values with the same types and bytes.
#include <string>

#include "fichier_registre.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talvik::registre;
  const Base base = LitTexte(std::string(reinterpret_cast<const char*>(data), size));
  const Base encore = LitTexte(EcritTexte(base));
  if (encore.cles.size() != base.cles.size()) __builtin_trap();
  for (std::size_t i = 0; i < base.cles.size(); ++i) {
    const Cle& a = base.cles[i];
    const Cle& b = encore.cles[i];
    if (a.chemin != b.chemin || a.valeurs.size() != b.valeurs.size()) __builtin_trap();
    for (std::size_t j = 0; j < a.valeurs.size(); ++j)
      if (a.valeurs[j].nom != b.valeurs[j].nom || a.valeurs[j].type != b.valeurs[j].type ||
          a.valeurs[j].octets != b.valeurs[j].octets)
        __builtin_trap();
  }
  return 0;
}
