#include "distribution/page_telechargement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "fichiers_livres.h"

namespace lumaveil {

std::string EchappeHtml(const std::string& texte) {
  std::string resultat;
  resultat.reserve(texte.size());
  for (char c : texte) {
    switch (c) {
      case '&':
        resultat += "&amp;";
        break;
      case '<':
        resultat += "&lt;";
        break;
      case '>':
        resultat += "&gt;";
        break;
      case '"':
        resultat += "&quot;";
        break;
      case '\'':
        resultat += "&#39;";
        break;
      default:
        resultat += c;
    }
  }
  return resultat;
}

std::string EchappeUrl(const std::string& texte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string resultat;
  for (unsigned char c : texte) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '.' || c == '_' || c == '~') {
      resultat += char(c);
    } else {
      resultat += '%';
      resultat += kHex[c >> 4];
      resultat += kHex[c & 15];
    }
  }
  return resultat;
}

std::string RemplitPage(const std::string& modele, const std::string& nomBase,
                        const std::string& nomFichier) {
  const std::string nom = EchappeHtml(nomBase);
  const std::string fichier = EchappeUrl(nomFichier);
  const std::size_t longueurNom = std::strlen(kMarqueNom);
  const std::size_t longueurFichier = std::strlen(kMarqueFichier);
  std::string page;
  page.reserve(modele.size());
  std::size_t i = 0;
  while (i < modele.size()) {
    if (modele.compare(i, longueurNom, kMarqueNom) == 0) {
      page += nom;
      i += longueurNom;
    } else if (modele.compare(i, longueurFichier, kMarqueFichier) == 0) {
      page += fichier;
      i += longueurFichier;
    } else {
      page += modele[i++];
    }
  }
  return page;
}

CPageTemporaire::~CPageTemporaire() {
  if (!chemin_.empty()) ::unlink(chemin_.c_str());
}

CPageTemporaire::CPageTemporaire(CPageTemporaire&& autre) noexcept
    : chemin_(std::exchange(autre.chemin_, {})) {}

CPageTemporaire& CPageTemporaire::operator=(CPageTemporaire&& autre) noexcept {
  if (this != &autre) {
    if (!chemin_.empty()) ::unlink(chemin_.c_str());
    chemin_ = std::exchange(autre.chemin_, {});
  }
  return *this;
}

int CPageTemporaire::Fabrique(const std::string& cheminModele, const std::string& nomBase,
                              const std::string& nomFichier) {
  std::ifstream entree(cheminModele, std::ios::binary);
  if (!entree) return 0;
  std::ostringstream modele;
  modele << entree.rdbuf();
  if (entree.bad()) return 0;
  const std::string page = RemplitPage(modele.str(), nomBase, nomFichier);

  std::error_code erreur;
  std::filesystem::path dossier = std::filesystem::temp_directory_path(erreur);
  if (erreur) dossier = "/tmp";
  std::string modeleNom = (dossier / "lmv-page-XXXXXX").string();
  std::vector<char> nom(modeleNom.begin(), modeleNom.end());
  nom.push_back('\0');
  // mkstemp creates the file itself (O_EXCL): no race with another file of
  // that name, no link followed.
  const int fd = ::mkstemp(nom.data());
  if (fd < 0) return 0;
  const std::string chemin(nom.data());
  const char* donnees = page.data();
  std::size_t reste = page.size();
  bool ok = true;
  while (reste > 0) {
    const ssize_t ecrit = ::write(fd, donnees, reste);
    if (ecrit <= 0) {
      ok = false;
      break;
    }
    donnees += ecrit;
    reste -= std::size_t(ecrit);
  }
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    ::unlink(chemin.c_str());
    return 0;
  }
  if (!chemin_.empty()) ::unlink(chemin_.c_str());
  chemin_ = chemin;
  return 1;
}

std::string CheminModelePage() { return CheminLivre(kFichierPage); }

}  // namespace lumaveil
