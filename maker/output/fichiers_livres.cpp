#include "fichiers_livres.h"

#include <sys/stat.h>

#include <filesystem>

#include "plateforme.h"

namespace lumaveil {

namespace {

bool FichierExiste(const std::string& chemin) {
  struct stat etat {};
  return ::stat(chemin.c_str(), &etat) == 0 && S_ISREG(etat.st_mode);
}

}  // namespace

std::vector<std::string> RepertoiresLivres(const std::string& repertoireProgramme) {
  auto sous = [&](const char* relatif) {
    return (std::filesystem::path(repertoireProgramme) / relatif).lexically_normal().string();
  };
  return {sous(LUMAVEIL_LIVRES_BIBLIOTHEQUE), sous(LUMAVEIL_LIVRES_DONNEES), repertoireProgramme};
}

std::string CheminLivreDepuis(const std::string& repertoireProgramme, const std::string& nom) {
  for (const std::string& repertoire : RepertoiresLivres(repertoireProgramme)) {
    std::string chemin = repertoire + "/" + nom;
    if (FichierExiste(chemin)) return chemin;
  }
  return repertoireProgramme + "/" + nom;
}

std::string CheminLivre(const std::string& nom) {
  return CheminLivreDepuis(RepertoireProgramme(), nom);
}

}  // namespace lumaveil
