#include "motifs_utilisateur.h"

#include <algorithm>
#include <cstdio>

#include "conversion.h"
#include "fichier_registre.h"
#include "registre.h"

namespace talvik {

namespace {

constexpr const char* kApplication = "Lumaveil";
constexpr const char* kCle = "HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil";
// A damaged store may claim any count: no more entries than this are read.
constexpr int kMaxEntreesLues = 1000;

std::string NomValeurImage(int i) {
  char nom[32];
  std::snprintf(nom, sizeof nom, "UserImage%d", i);
  return nom;
}

// A text value up to its first NUL, as CBaseRegistre::Lecture reads it.
std::string Texte(const registre::Valeur& v) { return v.octets.substr(0, v.octets.find('\0')); }

}  // namespace

std::vector<std::string> LitMotifsUtilisateur() {
  // The file is read as it stands: opening the key through CBaseRegistre
  // would create it, and the store's file with it.
  registre::Base base;
  std::vector<std::string> chemins;
  if (!registre::ChargeFichier(registre::CheminFichier(), base)) return chemins;
  const registre::Cle* cle = base.Trouve(kCle);
  if (!cle) return chemins;
  const registre::Valeur* nombre = cle->Trouve("UserNumberImage");
  if (!nombre) return chemins;
  const int n = int(std::min<long long>(ConvertitEntier(Texte(*nombre)), kMaxEntreesLues));
  for (int i = 1; i <= n; ++i)
    if (const registre::Valeur* v = cle->Trouve(NomValeurImage(i))) chemins.push_back(Texte(*v));
  return chemins;
}

int SauveMotifsUtilisateur(const std::vector<std::string>& chemins) {
  CBaseRegistre registre;
  if (!registre.OuvreEcriture(kApplication, "")) return 0;
  int ok = registre.Ecriture("UserNumberImage", int(chemins.size()));
  for (std::size_t i = 0; i < chemins.size(); ++i)
    ok &= registre.Ecriture(NomValeurImage(int(i + 1)), chemins[i]);
  return registre.Ferme() && ok ? 1 : 0;
}

}  // namespace talvik
