#include "parametres.h"

#include <type_traits>
#include <variant>

#include "registre.h"

namespace lumaveil {

ParametresApplication::ParametresApplication() {
  for (const ChampParametre& c : kChampsParametres) {
    std::visit(
        [&](auto membre) {
          using Valeur = std::remove_reference_t<decltype(this->*membre)>;
          if constexpr (std::is_same_v<Valeur, int>) this->*membre = c.defaut;
        },
        c.membre);
  }
}

int LitParametres(ParametresApplication& p) {
  talvik::CBaseRegistre registre;
  if (!registre.OuvreLecture(kNomApplication, "")) return 0;
  for (const ChampParametre& c : kChampsParametres)
    std::visit([&](auto membre) { registre.Lecture(c.nom, p.*membre); }, c.membre);
  registre.Ferme();
  return 1;
}

int EcritParametres(const ParametresApplication& p) {
  talvik::CBaseRegistre registre;
  if (!registre.OuvreEcriture(kNomApplication, "")) return 0;
  for (const ChampParametre& c : kChampsParametres)
    std::visit([&](auto membre) { registre.Ecriture(c.nom, p.*membre); }, c.membre);
  return registre.Ferme();
}

}  // namespace lumaveil
