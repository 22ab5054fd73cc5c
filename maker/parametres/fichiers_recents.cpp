#include "fichiers_recents.h"

#include <algorithm>

#include "fichier_registre.h"

namespace lumaveil {

namespace reg = talvik::registre;

namespace {

std::string CheminCle() {
  return std::string("HKEY_CURRENT_USER\\Software\\") + kCleProfil + "\\Lumaveil\\Recent File List";
}

std::string NomValeur(int i) { return "File" + std::to_string(i + 1); }

}  // namespace

void CFichiersRecents::Ajoute(const std::string& chemin) {
  if (chemin.empty()) return;
  liste_.erase(std::remove(liste_.begin(), liste_.end(), chemin), liste_.end());
  liste_.insert(liste_.begin(), chemin);
  if (int(liste_.size()) > kNombreFichiersRecents) liste_.resize(kNombreFichiersRecents);
}

void CFichiersRecents::Retire(int i) {
  if (i >= 0 && i < int(liste_.size())) liste_.erase(liste_.begin() + i);
}

int CFichiersRecents::Lit() {
  liste_.clear();
  reg::Base base;
  if (!reg::ChargeFichier(reg::CheminFichier(), base)) return 0;
  const reg::Cle* cle = base.Trouve(CheminCle());
  if (!cle) return 1;
  for (int i = 0; i < kNombreFichiersRecents; ++i) {
    const reg::Valeur* v = cle->Trouve(NomValeur(i));
    if (!v || v->type != reg::REG_SZ) break;
    std::string texte = v->octets.substr(0, v->octets.find('\0'));
    if (texte.empty()) break;
    liste_.push_back(texte);
  }
  return 1;
}

int CFichiersRecents::Ecrit() const {
  const std::string fichier = reg::CheminFichier();
  reg::Base base;
  if (!reg::ChargeFichier(fichier, base)) return 0;
  reg::Cle& cle = base.Cree(CheminCle());
  for (int i = 0; i < kNombreFichiersRecents; ++i) {
    if (i < int(liste_.size())) {
      cle.Fixe({NomValeur(i), reg::REG_SZ, liste_[std::size_t(i)] + '\0'});
    } else {
      auto& v = cle.valeurs;
      v.erase(std::remove_if(v.begin(), v.end(),
                             [&](const reg::Valeur& x) { return reg::MemeNom(x.nom, NomValeur(i)); }),
              v.end());
    }
  }
  return reg::SauveFichier(fichier, base) ? 1 : 0;
}

}  // namespace lumaveil
