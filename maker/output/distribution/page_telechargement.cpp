#include "distribution/page_telechargement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

#include "distribution/textes_page.h"
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

std::string ScriptLecteur(const std::string& moduleEnLigne) {
  std::string minuscules = moduleEnLigne;
  for (char& c : minuscules) c = char(std::tolower(static_cast<unsigned char>(c)));
  // Importing the module does nothing: the page mounts the players.
  const std::string monte = "mountPlayers(document);\n</script>";
  if (moduleEnLigne.empty() || minuscules.find("</script") != std::string::npos) {
    return std::string("<script type=\"module\">\nimport { mountPlayers } from './") +
           kFichierModulePage + "';\n" + monte;
  }
  return "<script type=\"module\">\n" + moduleEnLigne + "\n" + monte;
}

std::string ModulesEnLigne(const std::string& lecteur, const std::string& page) {
  const std::string importe = std::string(" from './") + kFichierModule + "';";
  for (std::size_t debut = 0; debut < page.size();) {
    std::size_t fin = page.find('\n', debut);
    fin = fin == std::string::npos ? page.size() : fin + 1;
    const std::string_view ligne(page.data() + debut, fin - debut);
    const std::size_t a = ligne.find(importe);
    if (ligne.rfind("import ", 0) == 0 && a != std::string_view::npos &&
        ligne.find_first_not_of("\r\n", a + importe.size()) == std::string_view::npos) {
      return lecteur + "\n" + page.substr(0, debut) + page.substr(fin);
    }
    debut = fin;
  }
  return {};
}

std::string RemplitPage(const std::string& modeleAnglais, const ContenuPage& contenu) {
  const std::string modele = TraduitModelePage(modeleAnglais, contenu.langue);
  const std::string joue =
      contenu.fichierWindows.empty() ? contenu.fichierLinux : contenu.fichierWindows;
  const std::pair<std::string, std::string> marques[] = {
      {kMarqueNom, EchappeHtml(contenu.nomBase)},
      {kMarqueFichier, EchappeUrl(contenu.fichierWindows)},
      {kMarqueLinux, EchappeUrl(contenu.fichierLinux)},
      {kMarqueJoue, EchappeUrl(joue)},
      {kMarqueScript, ScriptLecteur(contenu.moduleEnLigne)},
  };
  std::string page;
  page.reserve(modele.size() + contenu.moduleEnLigne.size());
  std::size_t debut = 0;
  while (debut < modele.size()) {
    std::size_t fin = modele.find('\n', debut);
    fin = fin == std::string::npos ? modele.size() : fin + 1;
    const std::string_view ligne(modele.data() + debut, fin - debut);
    debut = fin;
    if ((contenu.fichierWindows.empty() && ligne.find(kMarqueFichier) != std::string_view::npos) ||
        (contenu.fichierLinux.empty() && ligne.find(kMarqueLinux) != std::string_view::npos)) {
      continue;
    }
    for (std::size_t i = 0; i < ligne.size();) {
      bool remplace = false;
      for (const auto& [marque, valeur] : marques) {
        if (ligne.compare(i, marque.size(), marque) == 0) {
          page += valeur;
          i += marque.size();
          remplace = true;
          break;
        }
      }
      if (!remplace) page += ligne[i++];
    }
  }
  return page;
}

std::string RemplitPage(const std::string& modele, const std::string& nomBase,
                        const std::string& nomFichier) {
  ContenuPage contenu;
  contenu.nomBase = nomBase;
  contenu.fichierWindows = nomFichier;
  return RemplitPage(modele, contenu);
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
  ContenuPage contenu;
  contenu.nomBase = nomBase;
  contenu.fichierWindows = nomFichier;
  return Fabrique(cheminModele, contenu);
}

int CPageTemporaire::Fabrique(const std::string& cheminModele, const ContenuPage& contenu) {
  const std::optional<std::string> modele = LitTexte(cheminModele);
  if (!modele) return 0;
  const std::string page = RemplitPage(*modele, contenu);

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

std::string CheminModuleLecteur() { return CheminLivre(kFichierModule); }

std::string CheminModulePage() { return CheminLivre(kFichierModulePage); }

std::optional<std::string> LitTexte(const std::string& chemin) {
  std::ifstream entree(chemin, std::ios::binary);
  if (!entree) return std::nullopt;
  std::ostringstream texte;
  texte << entree.rdbuf();
  if (entree.bad()) return std::nullopt;
  return texte.str();
}

}  // namespace lumaveil
