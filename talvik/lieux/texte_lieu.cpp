#include "lieux.h"

namespace talvik {

std::string TexteLieu(const Lieu& lieu) {
  std::string s = lieu.ville;
  auto ajoute = [&](const std::string& partie) {
    if (partie.empty()) return;
    if (!s.empty()) s += ", ";
    s += partie;
  };
  if (lieu.region != lieu.ville) ajoute(lieu.region);
  if (lieu.pays != lieu.region) ajoute(lieu.pays);
  return s;
}

}  // namespace talvik
