#include "fichier_modele.h"

#include <bitset>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "champs_ecran.h"
#include "champs_etendus.h"
#include "encodage.h"
#include "fichier_atomique.h"
#include "ligne_police.h"
#include "routine.h"

namespace lumaveil {

using talvik::CRoutine;

namespace {

constexpr const char* kNomApplication = "Lumaveil";

// One value after its key, as the file writes it.
std::string Valeur(TypeChamp type, std::int64_t v) {
  char tampon[32];
  if (type == TypeChamp::Entier)
    std::snprintf(tampon, sizeof tampon, "%d", int(v));
  else
    std::snprintf(tampon, sizeof tampon, "%ld", long(v));
  return tampon;
}

// The value of a field of a text (an int, a colour, the text or the font).
std::string Valeur(TypeChamp type, int v) { return Valeur(type, std::int64_t(v)); }
std::string Valeur(TypeChamp type, COLORREF v) { return Valeur(type, std::int64_t(v)); }
std::string Valeur(TypeChamp, const std::string& v) { return v; }
std::string Valeur(TypeChamp, const LOGFONT& v) { return talvik::LignePolice(v); }

// Reads the value after `cle` into a field of the type given; 0 when the
// line does not hold the key. Integers as atoi reads them; longs and
// colours as atol does.
int Lit(const std::string& ligne, const std::string& cle, TypeChamp type, int& cible) {
  if (type == TypeChamp::Entier) return CRoutine::ChargeUneDonnee(ligne, cle, &cible);
  long v = 0;
  if (!CRoutine::ChargeUneDonnee(ligne, cle, &v)) return 0;
  cible = static_cast<int>(v);
  return 1;
}
int Lit(const std::string& ligne, const std::string& cle, TypeChamp, COLORREF& cible) {
  long v = 0;
  if (!CRoutine::ChargeUneDonnee(ligne, cle, &v)) return 0;
  cible = static_cast<COLORREF>(v);
  return 1;
}
int Lit(const std::string& ligne, const std::string& cle, TypeChamp, std::string& cible) {
  return CRoutine::ChargeUneDonnee(ligne, cle, &cible);
}
int Lit(const std::string& ligne, const std::string& cle, TypeChamp, LOGFONT& cible) {
  return CRoutine::ChargeUneDonnee(ligne, cle, &cible);
}

// Every key of the file, made once: the screen keys in the file's order
// (`kOrdreModele`; the place of the texts holds an empty key), then the 13
// keys of each of the five texts.
constexpr std::size_t kNombreClesEcran = kOrdreModele.size();
constexpr std::size_t kNombreCles = kNombreClesEcran + kNombreTextes * kChampsTexte.size();

struct Cles {
  std::vector<std::string> texte;                          // by index, as above
  std::unordered_map<std::string_view, std::size_t> index;  // key -> its index
};

const Cles& LesCles() {
  static const Cles cles = [] {
    Cles c;
    c.texte.reserve(kNombreCles);
    for (std::size_t i : kOrdreModele) {
      const char* cle = kChampsEcran[i].cleModele;
      c.texte.emplace_back(cle ? cle : "");
    }
    for (int n = 1; n <= kNombreTextes; ++n)
      for (const ChampTexte& t : kChampsTexte) c.texte.push_back(CleModeleTexte(n, t));
    for (std::size_t k = 0; k < c.texte.size(); ++k)
      if (!c.texte[k].empty()) c.index.emplace(c.texte[k], k);
    return c;
  }();
  return cles;
}

// The keys a line holds. Each key is "[" then text without "[" or "]", then
// "] ": so a key ends at a "]" followed by a space and starts at the last
// "[" before that "]", with no other "]" between them. The line is walked
// once from "]" to "]", each giving at most one candidate looked up among
// the keys (instead of searching the line for each of the 85 keys, or from
// every "[" to the next "]", which a long run of "[" made quadratic).
std::bitset<kNombreCles> ClesPresentes(std::string_view l) {
  std::bitset<kNombreCles> presentes;
  const Cles& cles = LesCles();
  for (std::size_t debut = 0; debut < l.size();) {
    const std::size_t q = l.find(']', debut);
    if (q == std::string_view::npos) break;
    const std::size_t p = l.substr(debut, q - debut).rfind('[');
    if (p != std::string_view::npos && q + 1 < l.size() && l[q + 1] == ' ') {
      auto k = cles.index.find(l.substr(debut + p, q + 2 - debut - p));
      if (k != cles.index.end()) presentes.set(k->second);
    }
    debut = q + 1;
  }
  return presentes;
}

// Texts: the first key found, of any text, ends the whole group.
void LitTextes(const std::string& l, const std::bitset<kNombreCles>& presentes,
               T_TEXTE (&textes)[kNombreTextes]) {
  const std::vector<std::string>& cles = LesCles().texte;
  std::size_t k = kNombreClesEcran;
  for (T_TEXTE& t : textes)
    for (const ChampTexte& c : kChampsTexte) {
      const std::size_t cle = k++;
      if (!presentes.test(cle)) continue;
      if (std::visit([&](auto m) { return Lit(l, cles[cle], c.type, t.*m); }, c.membre)) return;
    }
}

// Offers a line to each group in turn; in a group the first key found sets
// its field and ends the group.
void AppliqueLigne(const std::string& l, CEcran& m) {
  const std::bitset<kNombreCles> presentes = ClesPresentes(l);
  if (presentes.none()) return;
  const std::vector<std::string>& cles = LesCles().texte;
  GroupeModele groupeFait = GroupeModele::Aucun;
  for (std::size_t k = 0; k < kOrdreModele.size(); ++k) {
    const ChampEcran& c = kChampsEcran[kOrdreModele[k]];
    if (c.groupe == groupeFait) continue;
    int lu = 0;
    if (c.type == TypeChamp::Textes) {
      LitTextes(l, presentes, m.Textes);
      lu = 1;
    } else if (!presentes.test(k)) {
      continue;
    } else if (c.type == TypeChamp::Couleur) {
      lu = Lit(l, cles[k], c.type, m.*std::get<COLORREF CEcran::*>(c.membre));
    } else {
      lu = Lit(l, cles[k], c.type, m.*std::get<int CEcran::*>(c.membre));
    }
    if (lu) groupeFait = c.groupe;
  }
}

}  // namespace

std::string EcritModele(const CEcran& m) {
  std::string s;
  s.reserve(4096);
  auto ajoute = [&s](const std::string& ligne) {
    // Line breaks inside a value become CR LF like the line's own end; the
    // runs between them are copied whole.
    std::size_t debut = 0;
    for (std::size_t lf = ligne.find('\n'); lf != std::string::npos;
         lf = ligne.find('\n', debut)) {
      const std::size_t fin = lf > debut && ligne[lf - 1] == '\r' ? lf - 1 : lf;
      s.append(ligne, debut, fin - debut).append("\r\n");
      debut = lf + 1;
    }
    s.append(ligne, debut, std::string::npos).append("\r\n");
  };
  ajoute(std::string("Fichier modèle de : ") + kNomApplication);
  ajoute("");
  for (std::size_t i : kOrdreModele) {
    const ChampEcran& c = kChampsEcran[i];
    if (c.type == TypeChamp::Textes) {
      std::size_t k = kNombreClesEcran;
      for (const T_TEXTE& t : m.Textes)
        for (const ChampTexte& ct : kChampsTexte) {
          const std::string& cle = LesCles().texte[k++];
          std::visit([&](auto membre) { ajoute(cle + Valeur(ct.type, t.*membre)); }, ct.membre);
        }
    } else if (c.type == TypeChamp::Couleur) {
      ajoute(c.cleModele + Valeur(c.type, m.*std::get<COLORREF CEcran::*>(c.membre)));
    } else {
      ajoute(c.cleModele + Valeur(c.type, m.*std::get<int CEcran::*>(c.membre)));
    }
  }
  for (const std::string& ligne : LignesEtenduesModele(m)) ajoute(ligne);
  return Utf8VersCp1252(s);
}

void LitModele(const std::string& octets, CEcran& modele) {
  std::size_t debut = 0;
  while (debut < octets.size()) {
    std::size_t fin = octets.find('\n', debut);
    if (fin == std::string::npos) fin = octets.size();
    // Every key starts with "[" (the same byte in both encodings): a line
    // without one is not converted or searched, so that a file of many
    // lines reads in time proportional to its size.
    const char* crochet = static_cast<const char*>(
        std::memchr(octets.data() + debut, '[', fin - debut));
    if (crochet) {
      std::string ligne = octets.substr(debut, fin - debut);
      while (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
      const std::string utf8 = Cp1252VersUtf8(ligne);
      if (!LitLigneEtendueModele(utf8, modele)) AppliqueLigne(utf8, modele);
    }
    debut = fin + 1;
  }
}

int SauveModele(const std::string& chemin, const CEcran& modele, IDialogue& dialogue) {
  const std::string octets = EcritModele(modele);
  if (!talvik::EcritFichierAtomique(chemin, reinterpret_cast<const std::uint8_t*>(octets.data()),
                                    octets.size())) {
    dialogue.Message(kModeleEcritureImpossible, kTitreErreurModele, IconeMessage::Erreur);
    return 0;
  }
  return 1;
}

bool EnteteModele(const std::string& octets) {
  static const std::string kCp1252 = "Fichier mod\xE8le de : ";
  static const std::string kUtf8 = "Fichier mod\xC3\xA8le de : ";
  return octets.compare(0, kCp1252.size(), kCp1252) == 0 ||
         octets.compare(0, kUtf8.size(), kUtf8) == 0;
}

int ChargeModele(const std::string& chemin, CEcran& modele, IDialogue& dialogue) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) {
    dialogue.Message(kModeleLectureImpossible, kTitreErreurModele, IconeMessage::Erreur);
    return 0;
  }
  // The header first: a file that is not a template (a picture given by
  // mistake, a device that never ends) is refused before it is read whole.
  std::string octets(32, '\0');
  f.read(octets.data(), std::streamsize(octets.size()));
  octets.resize(std::size_t(f.gcount()));
  if (!EnteteModele(octets)) {
    dialogue.Message(kModeleInvalide, kTitreErreurModele, IconeMessage::Erreur);
    return 0;
  }
  octets.append(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  LitModele(octets, modele);
  return 1;
}

}  // namespace lumaveil
