// Fuzz target: the project file reader (.lmv) on any bytes; what it reads
// is written back and read again, which must succeed.
#include <string>

#include "fichier_projet.h"
#include "projet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumaveil::CProjet projet;
  std::string erreur;
  if (!lumaveil::LitProjet(data, size, projet, &erreur)) return 0;
  const std::vector<std::uint8_t> octets = lumaveil::EcritProjet(projet);
  lumaveil::CProjet encore;
  if (!lumaveil::LitProjet(octets.data(), octets.size(), encore, &erreur)) __builtin_trap();
  return 0;
}
