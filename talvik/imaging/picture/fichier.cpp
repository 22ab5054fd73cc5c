#include "picture/fichier.h"

namespace talvik::fichier {

bool LitTout(const std::string& chemin, std::vector<std::uint8_t>& contenu,
             std::uint64_t limite) {
  contenu.clear();
  Fichier f = Ouvre(chemin, "rb");
  if (!f) return false;
  if (std::fseek(f.get(), 0, SEEK_END) != 0) return false;
  const long taille = std::ftell(f.get());
  if (taille < 0 || std::uint64_t(taille) > limite) return false;
  std::rewind(f.get());
  contenu.resize(std::size_t(taille));
  return taille == 0 || std::fread(contenu.data(), 1, contenu.size(), f.get()) == contenu.size();
}

}  // namespace talvik::fichier
