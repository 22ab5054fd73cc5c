#include "champs_ecran.h"

#include <algorithm>

namespace lumaveil {

namespace {

// The table's promises, checked when the program is built: the .lmv places
// follow the designed order of CEcran without gaps; the .mod places are
// 1..n, each with its key (the texts have theirs in kChampsTexte); the
// reader's groups follow each other in the file's order.
constexpr bool TableCoherente() {
  int projet = 0;
  for (const ChampEcran& c : kChampsEcran) {
    if (c.positionProjet == 0) continue;
    if (c.positionProjet != projet + 1) return false;
    projet = c.positionProjet;
  }
  // A field added after the designed layout has no designed place, and a
  // type both files can write as one value.
  for (const ChampEcran& c : kChampsEcran) {
    if (c.cleEtendue == nullptr) continue;
    if (c.positionProjet != 0 || c.positionModele != 0 || c.cleModele != nullptr) return false;
    if (c.type == TypeChamp::Taille || c.type == TypeChamp::Date ||
        c.type == TypeChamp::Police || c.type == TypeChamp::Textes)
      return false;
  }
  GroupeModele precedent = GroupeModele::Aucun;
  for (std::size_t k = 0; k < kOrdreModele.size(); ++k) {
    const ChampEcran& c = kChampsEcran[kOrdreModele[k]];
    if (c.positionModele != int(k) + 1 || c.groupe == GroupeModele::Aucun) return false;
    if ((c.cleModele == nullptr) != (c.type == TypeChamp::Textes)) return false;
    if (c.groupe < precedent) return false;
    precedent = c.groupe;
  }
  return true;
}
static_assert(TableCoherente(), "the screen field table is inconsistent");

template <typename Membre>
void CopieMembre(Membre m, const CEcran& source, CEcran& cible) {
  if constexpr (std::is_same_v<Membre, T_TEXTE (CEcran::*)[kNombreTextes]>)
    std::copy(std::begin(source.*m), std::end(source.*m), std::begin(cible.*m));
  else
    cible.*m = source.*m;
}

}  // namespace

std::string CleModeleTexte(int n, const ChampTexte& champ) {
  return "[Texte n°" + std::to_string(n) + " " + champ.cleModele + "] ";
}

void CopieChamps(const CEcran& source, CEcran& cible, bool seulementGardes) {
  if (&source == &cible) return;
  for (const ChampEcran& c : kChampsEcran) {
    if (seulementGardes && !c.gardeParEcran) continue;
    std::visit([&](auto m) { CopieMembre(m, source, cible); }, c.membre);
  }
}

void ChampsParDefaut(CEcran& e, SIZE tailleCible) {
  const LOGFONT police = PoliceDefaut();
  for (const ChampEcran& c : kChampsEcran) {
    std::visit(
        [&](auto m) {
          using Valeur = std::remove_reference_t<decltype(e.*m)>;
          if constexpr (std::is_same_v<Valeur, int>)
            e.*m = int(c.defaut);
          else if constexpr (std::is_same_v<Valeur, COLORREF>)
            e.*m = COLORREF(c.defaut);
          else if constexpr (std::is_same_v<Valeur, T_TEXTE[kNombreTextes]>)
            for (T_TEXTE& t : e.*m) {
              t = T_TEXTE{};
              t.Fonte = police;
            }
          else
            e.*m = Valeur{};
        },
        c.membre);
  }
  e.TailleCible = tailleCible;
}

}  // namespace lumaveil
