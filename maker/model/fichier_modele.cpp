#include "fichier_modele.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "encodage.h"
#include "routine.h"

namespace lumaveil {

using talvik::CRoutine;

namespace {

constexpr const char* kNomApplication = "Lumaveil";

// One formatted line (UTF-8 in memory, CR LF added when the file is made).
template <typename... A>
std::string Ligne(const char* format, A... valeurs) {
  char tampon[256];
  std::snprintf(tampon, sizeof tampon, format, valeurs...);
  return tampon;
}

std::string CleTexte(int n, const char* nom) {
  return "[Texte n°" + std::to_string(n) + " " + nom + "] ";
}

// The keys of a text, in the order of the file.
constexpr const char* kClesTexte[13] = {
    "Utilisation",
    "Libelle",
    "Position Automatique",
    "Position Automatique Verticale",
    "Position Automatique Horizontale",
    "Position Automatique DeltaX",
    "Position Automatique DeltaY",
    "Position AbsolueX",
    "Position AbsolueY",
    "Couleur Encre",
    "Couleur Fond",
    "Fond Transparent",
    "Fonte"};

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
  ajoute(Ligne("[Redimension Utilisation] %d", m.RedimensionUtilisation));
  ajoute(Ligne("[Redimension TailleX] %ld", long(m.RedimensionTailleX)));
  ajoute(Ligne("[Redimension TailleY] %ld", long(m.RedimensionTailleY)));
  ajoute(Ligne("[Redimension Pourcentage Valeur] %d", m.RedimensionPourcentageValeur));
  ajoute(Ligne("[Redimension Pourcentage Utilisation] %d", m.RedimensionPourcentageUtilisation));
  ajoute(Ligne("[Redimension Conservation Proportion] %d", m.RedimensionConservationProportion));
  for (int i = 0; i < kNombreTextes; ++i) {
    const T_TEXTE& t = m.Textes[i];
    int n = i + 1;
    ajoute(Ligne("[Texte n°%d Utilisation] %d", n, t.Utilisation));
    ajoute(Ligne("[Texte n°%d Libelle] ", n) + t.Libelle);
    ajoute(Ligne("[Texte n°%d Position Automatique] %d", n, t.PositionAutomatique));
    ajoute(Ligne("[Texte n°%d Position Automatique Verticale] %d", n,
                 t.PositionAutomatiqueVerticale));
    ajoute(Ligne("[Texte n°%d Position Automatique Horizontale] %d", n,
                 t.PositionAutomatiqueHorizontale));
    ajoute(Ligne("[Texte n°%d Position Automatique DeltaX] %ld", n, long(t.DeltaX)));
    ajoute(Ligne("[Texte n°%d Position Automatique DeltaY] %ld", n, long(t.DeltaY)));
    ajoute(Ligne("[Texte n°%d Position AbsolueX] %ld", n, long(t.AbsolueX)));
    ajoute(Ligne("[Texte n°%d Position AbsolueY] %ld", n, long(t.AbsolueY)));
    ajoute(Ligne("[Texte n°%d Couleur Encre] %ld", n, long(t.CouleurEncre)));
    ajoute(Ligne("[Texte n°%d Couleur Fond] %ld", n, long(t.CouleurFond)));
    ajoute(Ligne("[Texte n°%d Fond Transparent] %d", n, t.FondTransparent));
    const LOGFONT& f = t.Fonte;
    std::string face(f.lfFaceName, strnlen(f.lfFaceName, talvik::LF_FACESIZE));
    ajoute(Ligne("[Texte n°%d Fonte] %ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d ", n,
                 long(f.lfHeight), long(f.lfWidth), long(f.lfEscapement), long(f.lfOrientation),
                 long(f.lfWeight), int(f.lfItalic), int(f.lfUnderline), int(f.lfStrikeOut),
                 int(f.lfCharSet), int(f.lfOutPrecision), int(f.lfClipPrecision),
                 int(f.lfQuality), int(f.lfPitchAndFamily)) +
           face);
  }
  ajoute(Ligne("[Cadre Utilisation] %d", m.CadreUtilisation));
  ajoute(Ligne("[Cadre Taille] %d", m.CadreTaille));
  ajoute(Ligne("[Cadre Motif Utilisation] %d", m.CadreMotifUtilisation));
  ajoute(Ligne("[Cadre Motif] %d", m.CadreMotif));
  ajoute(Ligne("[Cadre Couleur] %ld", long(m.CadreCouleur)));
  ajoute(Ligne("[Cadre Bordure Utilisation] %d", m.CadreBordureUtilisation));
  ajoute(Ligne("[Cadre Couleur Bordure] %ld", long(m.CadreCouleurBordure)));
  ajoute(Ligne("[Fond Utilisation] %d", m.FondUtilisation));
  ajoute(Ligne("[Fond Motif Utilisation] %d", m.FondMotifUtilisation));
  ajoute(Ligne("[Fond Motif] %d", m.FondMotif));
  ajoute(Ligne("[Fond Couleur] %ld", long(m.FondCouleur)));
  ajoute(Ligne("[Effet Transition] %d", m.EffetTransition));
  ajoute(Ligne("[Duree Affichage] %d", m.DureeAffichage));
  return Utf8VersCp1252(s);
}

namespace {

// Reads a colour written with "%ld".
int LitCouleur(const std::string& ligne, const std::string& cle, COLORREF& c) {
  long v = 0;
  if (!CRoutine::ChargeUneDonnee(ligne, cle, &v)) return 0;
  c = static_cast<COLORREF>(v);
  return 1;
}

int LitLong(const std::string& ligne, const std::string& cle, talvik::LONG& cible) {
  long v = 0;
  if (!CRoutine::ChargeUneDonnee(ligne, cle, &v)) return 0;
  cible = static_cast<talvik::LONG>(v);
  return 1;
}

int LitEntier(const std::string& ligne, const std::string& cle, int& cible) {
  return CRoutine::ChargeUneDonnee(ligne, cle, &cible);
}

int LitChampTexte(const std::string& ligne, int n, int k, T_TEXTE& t) {
  std::string cle = CleTexte(n, kClesTexte[k]);
  switch (k) {
    case 0: return LitEntier(ligne, cle, t.Utilisation);
    case 1: return CRoutine::ChargeUneDonnee(ligne, cle, &t.Libelle);
    case 2: return LitEntier(ligne, cle, t.PositionAutomatique);
    case 3: return LitEntier(ligne, cle, t.PositionAutomatiqueVerticale);
    case 4: return LitEntier(ligne, cle, t.PositionAutomatiqueHorizontale);
    case 5: return LitLong(ligne, cle, t.DeltaX);
    case 6: return LitLong(ligne, cle, t.DeltaY);
    case 7: return LitLong(ligne, cle, t.AbsolueX);
    case 8: return LitLong(ligne, cle, t.AbsolueY);
    case 9: return LitCouleur(ligne, cle, t.CouleurEncre);
    case 10: return LitCouleur(ligne, cle, t.CouleurFond);
    case 11: return LitEntier(ligne, cle, t.FondTransparent);
    default: return CRoutine::ChargeUneDonnee(ligne, cle, &t.Fonte);
  }
}

void AppliqueLigne(const std::string& l, CEcran& m) {
  // Resize.
  LitEntier(l, "[Redimension Utilisation] ", m.RedimensionUtilisation) ||
      LitLong(l, "[Redimension TailleX] ", m.RedimensionTailleX) ||
      LitLong(l, "[Redimension TailleY] ", m.RedimensionTailleY) ||
      LitEntier(l, "[Redimension Pourcentage Valeur] ", m.RedimensionPourcentageValeur) ||
      LitEntier(l, "[Redimension Pourcentage Utilisation] ",
                m.RedimensionPourcentageUtilisation) ||
      LitEntier(l, "[Redimension Conservation Proportion] ",
                m.RedimensionConservationProportion);
  // Texts: the first key found ends the whole group.
  [&] {
    for (int n = 1; n <= kNombreTextes; ++n)
      for (int k = 0; k < 13; ++k)
        if (LitChampTexte(l, n, k, m.Textes[n - 1])) return;
  }();
  // Border.
  LitEntier(l, "[Cadre Utilisation] ", m.CadreUtilisation) ||
      LitEntier(l, "[Cadre Taille] ", m.CadreTaille) ||
      LitEntier(l, "[Cadre Motif Utilisation] ", m.CadreMotifUtilisation) ||
      LitEntier(l, "[Cadre Motif] ", m.CadreMotif) ||
      LitCouleur(l, "[Cadre Couleur] ", m.CadreCouleur) ||
      LitEntier(l, "[Cadre Bordure Utilisation] ", m.CadreBordureUtilisation) ||
      LitCouleur(l, "[Cadre Couleur Bordure] ", m.CadreCouleurBordure);
  // Background.
  LitEntier(l, "[Fond Utilisation] ", m.FondUtilisation) ||
      LitEntier(l, "[Fond Motif Utilisation] ", m.FondMotifUtilisation) ||
      LitEntier(l, "[Fond Motif] ", m.FondMotif) ||
      LitCouleur(l, "[Fond Couleur] ", m.FondCouleur);
  LitEntier(l, "[Effet Transition] ", m.EffetTransition);
  LitEntier(l, "[Duree Affichage] ", m.DureeAffichage);
}

}  // namespace

void LitModele(const std::string& octets, CEcran& modele) {
  std::size_t debut = 0;
  while (debut < octets.size()) {
    std::size_t fin = octets.find('\n', debut);
    if (fin == std::string::npos) fin = octets.size();
    std::string ligne = octets.substr(debut, fin - debut);
    while (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    AppliqueLigne(Cp1252VersUtf8(ligne), modele);
    debut = fin + 1;
  }
}

int SauveModele(const std::string& chemin, const CEcran& modele, IDialogue& dialogue) {
  std::string octets = EcritModele(modele);
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  bool ok = f != nullptr;
  if (ok) {
    ok = std::fwrite(octets.data(), 1, octets.size(), f) == octets.size();
    ok = (std::fclose(f) == 0) && ok;
  }
  if (!ok) {
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
