// The browser's faces: those shipped with the page, which the page writes
// into the module's file system under kDossierPolices with their table
// (kTablePolices). Each line of the table is
//   family <TAB> bold 0|1 <TAB> italic 0|1 <TAB> file name
// and the family "*" holds the faces of any family the table does not
// name (fontconfig's default family on the desktop that made the table).
// A family without the weight or slant asked for gives its closest face,
// emboldened or slanted, as fontconfig's match does.
#include <cctype>
#include <fstream>
#include <string>
#include <vector>

#include "text/choix_face.h"

namespace talvik::texte {

namespace {

constexpr const char* kDossierPolices = "/polices/";
constexpr const char* kTablePolices = "/polices/polices.txt";

struct Ligne {
  std::string famille;  // lower case
  bool gras = false;
  bool italique = false;
  std::string fichier;
};

std::string Minuscules(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<Ligne> LitTable() {
  std::vector<Ligne> table;
  std::ifstream f(kTablePolices);
  std::string ligne;
  while (std::getline(f, ligne)) {
    std::vector<std::string> champs;
    std::size_t debut = 0;
    for (;;) {
      const std::size_t tab = ligne.find('\t', debut);
      champs.push_back(ligne.substr(debut, tab == std::string::npos ? tab : tab - debut));
      if (tab == std::string::npos) break;
      debut = tab + 1;
    }
    if (champs.size() != 4 || champs[3].empty()) continue;
    table.push_back(Ligne{Minuscules(champs[0]), champs[1] == "1", champs[2] == "1", champs[3]});
  }
  return table;
}

}  // namespace

ChoixFace CherchePoliceSysteme(const std::string& famille, bool gras, bool italique) {
  // Read again while it is empty: the page may write the faces after the
  // module started.
  static std::vector<Ligne> table;
  if (table.empty()) table = LitTable();
  std::string cle = Minuscules(famille);
  bool connue = false;
  for (const Ligne& l : table) connue = connue || l.famille == cle;
  if (!connue) cle = "*";
  // The closest face: the slant weighs more than the weight, as in
  // fontconfig's match.
  const Ligne* meilleure = nullptr;
  int ecart = 99;
  for (const Ligne& l : table) {
    if (l.famille != cle) continue;
    const int e = (l.italique != italique ? 2 : 0) + (l.gras != gras ? 1 : 0);
    if (e < ecart) {
      ecart = e;
      meilleure = &l;
    }
  }
  ChoixFace choix;
  if (!meilleure) return choix;
  choix.fichier = kDossierPolices + meilleure->fichier;
  choix.emboldir = gras && !meilleure->gras;
  choix.incliner = italique && !meilleure->italique;
  return choix;
}

}  // namespace talvik::texte
