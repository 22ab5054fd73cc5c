#include "plateforme.h"

#include <unistd.h>

#include <climits>

#include "fichiers_livres.h"

namespace lumaveil {

const char* NomMoteur(Plateforme plateforme) {
  return plateforme == Plateforme::Windows ? "LmvEngine.exe" : "LmvEngine";
}

std::string RepertoireProgramme() {
  char tampon[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", tampon, sizeof tampon - 1);
  if (n <= 0) return {};
  std::string chemin(tampon, std::size_t(n));
  std::size_t barre = chemin.find_last_of('/');
  if (barre == std::string::npos) return {};
  return chemin.substr(0, barre);
}

std::string CheminMoteur(Plateforme plateforme) {
  return CheminLivre(NomMoteur(plateforme));
}

const char* ExtensionEcranDeVeille(Plateforme plateforme) {
  return plateforme == Plateforme::Windows ? ".scr" : "";
}

}  // namespace lumaveil
