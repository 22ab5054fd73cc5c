#include "fichier_modele.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "champs_ecran.h"
#include "encodage.h"
#include "fichier_atomique.h"
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

std::string Valeur(const LOGFONT& f) {
  char tampon[160];
  std::snprintf(tampon, sizeof tampon, "%ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d ",
                long(f.lfHeight), long(f.lfWidth), long(f.lfEscapement), long(f.lfOrientation),
                long(f.lfWeight), int(f.lfItalic), int(f.lfUnderline), int(f.lfStrikeOut),
                int(f.lfCharSet), int(f.lfOutPrecision), int(f.lfClipPrecision),
                int(f.lfQuality), int(f.lfPitchAndFamily));
  return tampon + std::string(f.lfFaceName, strnlen(f.lfFaceName, talvik::LF_FACESIZE));
}

// The value of a field of a text (an int, a colour, the text or the font).
std::string Valeur(TypeChamp type, int v) { return Valeur(type, std::int64_t(v)); }
std::string Valeur(TypeChamp type, COLORREF v) { return Valeur(type, std::int64_t(v)); }
std::string Valeur(TypeChamp, const std::string& v) { return v; }
std::string Valeur(TypeChamp, const LOGFONT& v) { return Valeur(v); }

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

// The keys of the five texts, in the order of the file, made once.
const std::vector<std::string>& ClesTextes() {
  static const std::vector<std::string> cles = [] {
    std::vector<std::string> v;
    for (int n = 1; n <= kNombreTextes; ++n)
      for (const ChampTexte& c : kChampsTexte) v.push_back(CleModeleTexte(n, c));
    return v;
  }();
  return cles;
}

// Texts: the first key found, of any text, ends the whole group.
void LitTextes(const std::string& l, T_TEXTE (&textes)[kNombreTextes]) {
  // The 65 keys are only looked for on a line that holds their common start.
  if (l.find("[Texte n") == std::string::npos) return;
  const std::vector<std::string>& cles = ClesTextes();
  std::size_t k = 0;
  for (T_TEXTE& t : textes)
    for (const ChampTexte& c : kChampsTexte)
      if (std::visit([&](auto m) { return Lit(l, cles[k++], c.type, t.*m); }, c.membre)) return;
}

// Offers a line to each group in turn; in a group the first key found sets
// its field and ends the group.
void AppliqueLigne(const std::string& l, CEcran& m) {
  GroupeModele groupeFait = GroupeModele::Aucun;
  for (std::size_t i : kOrdreModele) {
    const ChampEcran& c = kChampsEcran[i];
    if (c.groupe == groupeFait) continue;
    int lu = 0;
    if (c.type == TypeChamp::Textes) {
      LitTextes(l, m.Textes);
      lu = 1;
    } else if (c.type == TypeChamp::Couleur) {
      lu = Lit(l, c.cleModele, c.type, m.*std::get<COLORREF CEcran::*>(c.membre));
    } else {
      lu = Lit(l, c.cleModele, c.type, m.*std::get<int CEcran::*>(c.membre));
    }
    if (lu) groupeFait = c.groupe;
  }
}

}  // namespace

std::string EcritModele(const CEcran& m) {
  std::string s;
  auto ajoute = [&s](const std::string& ligne) {
    // Line breaks inside a value become CR LF like the line's own end.
    for (std::size_t i = 0; i < ligne.size(); ++i) {
      char c = ligne[i];
      if (c == '\r' && i + 1 < ligne.size() && ligne[i + 1] == '\n') continue;
      if (c == '\n') s += "\r\n";
      else s += c;
    }
    s += "\r\n";
  };
  ajoute(std::string("Fichier modèle de : ") + kNomApplication);
  ajoute("");
  for (std::size_t i : kOrdreModele) {
    const ChampEcran& c = kChampsEcran[i];
    if (c.type == TypeChamp::Textes) {
      for (int n = 1; n <= kNombreTextes; ++n)
        for (const ChampTexte& ct : kChampsTexte)
          std::visit(
              [&](auto membre) {
                ajoute(CleModeleTexte(n, ct) + Valeur(ct.type, m.Textes[n - 1].*membre));
              },
              ct.membre);
    } else if (c.type == TypeChamp::Couleur) {
      ajoute(c.cleModele + Valeur(c.type, m.*std::get<COLORREF CEcran::*>(c.membre)));
    } else {
      ajoute(c.cleModele + Valeur(c.type, m.*std::get<int CEcran::*>(c.membre)));
    }
  }
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
      AppliqueLigne(Cp1252VersUtf8(ligne), modele);
    }
    debut = fin + 1;
  }
}

int SauveModele(const std::string& chemin, const CEcran& modele, IDialogue& dialogue) {
  const std::string octets = EcritModele(modele);
  if (!talvik::EcritFichierAtomique(chemin, reinterpret_cast<const std::uint8_t*>(octets.data()),
                                    octets.size())) {
    dialogue.Message(kModeleEcritureImpossible, "Erreur", IconeMessage::Erreur);
    return 0;
  }
  return 1;
}

int ChargeModele(const std::string& chemin, CEcran& modele, IDialogue& dialogue) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) {
    dialogue.Message(kModeleLectureImpossible, "Erreur", IconeMessage::Erreur);
    return 0;
  }
  std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  LitModele(octets, modele);
  return 1;
}

}  // namespace lumaveil
