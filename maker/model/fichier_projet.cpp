#include "fichier_projet.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "archive.h"
#include "encodage.h"
#include "fichier_atomique.h"

namespace lumaveil {

namespace {

void EcritTexte(CArchiveEcriture& ar, const T_TEXTE& t) {
  ar.EcritEntier(t.Utilisation);
  ar.EcritChaine(t.Libelle);
  ar.EcritEntier(t.PositionAutomatique);
  ar.EcritEntier(t.PositionAutomatiqueVerticale);
  ar.EcritEntier(t.PositionAutomatiqueHorizontale);
  ar.EcritEntier(t.DeltaX);
  ar.EcritEntier(t.DeltaY);
  ar.EcritEntier(t.AbsolueX);
  ar.EcritEntier(t.AbsolueY);
  ar.EcritEntier(static_cast<std::int32_t>(t.CouleurEncre));
  ar.EcritEntier(static_cast<std::int32_t>(t.CouleurFond));
  ar.EcritEntier(t.FondTransparent);
  // The 60 bytes of the font record, little-endian numbers; the face name
  // in Windows-1252, NUL-padded.
  const LOGFONT& f = t.Fonte;
  ar.EcritEntier(f.lfHeight);
  ar.EcritEntier(f.lfWidth);
  ar.EcritEntier(f.lfEscapement);
  ar.EcritEntier(f.lfOrientation);
  ar.EcritEntier(f.lfWeight);
  const talvik::BYTE octets[8] = {f.lfItalic,        f.lfUnderline,     f.lfStrikeOut,
                                  f.lfCharSet,       f.lfOutPrecision,  f.lfClipPrecision,
                                  f.lfQuality,       f.lfPitchAndFamily};
  ar.EcritOctets(octets, 8);
  char nom[talvik::LF_FACESIZE] = {};
  std::string face(f.lfFaceName, strnlen(f.lfFaceName, talvik::LF_FACESIZE));
  std::string ansi = Utf8VersCp1252(face);
  ansi.copy(nom, talvik::LF_FACESIZE - 1);
  ar.EcritOctets(nom, talvik::LF_FACESIZE);
}

void EcritEcran(CArchiveEcriture& ar, const CEcran& e) {
  ar.EcritChaine(e.CheminImage);
  ar.EcritEntier(e.RedimensionUtilisation);
  ar.EcritEntier(e.RedimensionTailleX);
  ar.EcritEntier(e.RedimensionTailleY);
  ar.EcritEntier(e.RedimensionPourcentageValeur);
  ar.EcritEntier(e.RedimensionPourcentageUtilisation);
  ar.EcritEntier(e.RedimensionConservationProportion);
  ar.EcritEntier(e.RecoupeUtilisation);
  ar.EcritEntier(e.RecoupeRectangle.left);
  ar.EcritEntier(e.RecoupeRectangle.top);
  ar.EcritEntier(e.RecoupeRectangle.right);
  ar.EcritEntier(e.RecoupeRectangle.bottom);
  ar.EcritEntier(e.RotationUtilisation);
  ar.EcritEntier(e.RotationAngle);
  ar.EcritEntier(e.ReglageUtilisation);
  ar.EcritEntier(e.ReglageContraste);
  ar.EcritEntier(e.ReglageLumiere);
  ar.EcritEntier(e.ReglageIntensite);
  ar.EcritEntier(e.CadreUtilisation);
  ar.EcritEntier(e.CadreTaille);
  ar.EcritEntier(e.CadreMotifUtilisation);
  ar.EcritEntier(e.CadreMotif);
  ar.EcritEntier(static_cast<std::int32_t>(e.CadreCouleur));
  ar.EcritEntier(e.CadreBordureUtilisation);
  ar.EcritEntier(static_cast<std::int32_t>(e.CadreCouleurBordure));
  for (const T_TEXTE& t : e.Textes) EcritTexte(ar, t);
  ar.EcritEntier(e.FondUtilisation);
  ar.EcritEntier(e.FondMotifUtilisation);
  ar.EcritEntier(e.FondMotif);
  ar.EcritEntier(static_cast<std::int32_t>(e.FondCouleur));
  ar.EcritEntier(e.EffetTransition);
  ar.EcritEntier(e.DureeAffichage);
}

// Reads into a signed 32-bit field.
int Lit(CArchiveLecture& ar, std::int32_t& v) { return ar.LitEntier(v); }
int Lit(CArchiveLecture& ar, COLORREF& v) {
  std::int32_t x;
  if (!ar.LitEntier(x)) return 0;
  v = static_cast<COLORREF>(x);
  return 1;
}

int LitTexte(CArchiveLecture& ar, T_TEXTE& t) {
  Lit(ar, t.Utilisation);
  ar.LitChaine(t.Libelle);
  Lit(ar, t.PositionAutomatique);
  Lit(ar, t.PositionAutomatiqueVerticale);
  Lit(ar, t.PositionAutomatiqueHorizontale);
  Lit(ar, t.DeltaX);
  Lit(ar, t.DeltaY);
  Lit(ar, t.AbsolueX);
  Lit(ar, t.AbsolueY);
  Lit(ar, t.CouleurEncre);
  Lit(ar, t.CouleurFond);
  Lit(ar, t.FondTransparent);
  LOGFONT& f = t.Fonte;
  Lit(ar, f.lfHeight);
  Lit(ar, f.lfWidth);
  Lit(ar, f.lfEscapement);
  Lit(ar, f.lfOrientation);
  Lit(ar, f.lfWeight);
  talvik::BYTE octets[8] = {};
  ar.LitOctets(octets, 8);
  f.lfItalic = octets[0];
  f.lfUnderline = octets[1];
  f.lfStrikeOut = octets[2];
  f.lfCharSet = octets[3];
  f.lfOutPrecision = octets[4];
  f.lfClipPrecision = octets[5];
  f.lfQuality = octets[6];
  f.lfPitchAndFamily = octets[7];
  char nom[talvik::LF_FACESIZE] = {};
  ar.LitOctets(nom, talvik::LF_FACESIZE);
  // The name is NUL-terminated in memory whatever the file holds; its
  // UTF-8 form is cut on a character boundary to fit.
  std::string face = Cp1252VersUtf8(std::string(nom, strnlen(nom, talvik::LF_FACESIZE)));
  if (face.size() > std::size_t(talvik::LF_FACESIZE - 1)) {
    std::size_t n = talvik::LF_FACESIZE - 1;
    while (n > 0 && (static_cast<unsigned char>(face[n]) & 0xC0) == 0x80) --n;
    face.resize(n);
  }
  std::fill(std::begin(f.lfFaceName), std::end(f.lfFaceName), '\0');
  face.copy(f.lfFaceName, talvik::LF_FACESIZE - 1);
  return ar.Echec() ? 0 : 1;
}

int LitEcran(CArchiveLecture& ar, CEcran& e) {
  ar.LitChaine(e.CheminImage);
  Lit(ar, e.RedimensionUtilisation);
  Lit(ar, e.RedimensionTailleX);
  Lit(ar, e.RedimensionTailleY);
  Lit(ar, e.RedimensionPourcentageValeur);
  Lit(ar, e.RedimensionPourcentageUtilisation);
  Lit(ar, e.RedimensionConservationProportion);
  Lit(ar, e.RecoupeUtilisation);
  Lit(ar, e.RecoupeRectangle.left);
  Lit(ar, e.RecoupeRectangle.top);
  Lit(ar, e.RecoupeRectangle.right);
  Lit(ar, e.RecoupeRectangle.bottom);
  Lit(ar, e.RotationUtilisation);
  Lit(ar, e.RotationAngle);
  Lit(ar, e.ReglageUtilisation);
  Lit(ar, e.ReglageContraste);
  Lit(ar, e.ReglageLumiere);
  Lit(ar, e.ReglageIntensite);
  Lit(ar, e.CadreUtilisation);
  Lit(ar, e.CadreTaille);
  Lit(ar, e.CadreMotifUtilisation);
  Lit(ar, e.CadreMotif);
  Lit(ar, e.CadreCouleur);
  Lit(ar, e.CadreBordureUtilisation);
  Lit(ar, e.CadreCouleurBordure);
  for (T_TEXTE& t : e.Textes) LitTexte(ar, t);
  Lit(ar, e.FondUtilisation);
  Lit(ar, e.FondMotifUtilisation);
  Lit(ar, e.FondMotif);
  Lit(ar, e.FondCouleur);
  Lit(ar, e.EffetTransition);
  Lit(ar, e.DureeAffichage);
  return ar.Echec() ? 0 : 1;
}

// Smallest size of a screen record: 640 bytes and six one-byte lengths.
constexpr std::size_t kTailleMinEcran = 640 + 6;

}  // namespace

std::vector<std::uint8_t> EcritProjet(const CProjet& projet) {
  CArchiveEcriture ar;
  ar.EcritEntier(kMagiqueProjet);
  ar.EcritEntier(projet.ResolutionCible.cx);
  ar.EcritEntier(projet.ResolutionCible.cy);
  ar.EcritEntier(projet.NombreEcrans());
  EcritEcran(ar, projet.ModeleEcran);
  for (int i = 0; i < projet.NombreEcrans(); ++i) EcritEcran(ar, projet.Ecran(i));
  return ar.Octets();
}

int LitProjet(const std::uint8_t* octets, std::size_t taille, CProjet& nouveau,
              std::string* erreur) {
  CArchiveLecture ar(octets, taille);
  auto echec = [&](const char* texte) {
    if (erreur) *erreur = texte;
    return 0;
  };
  std::int32_t magique = 0;
  if (!ar.LitEntier(magique) || magique != kMagiqueProjet) return echec(kFichierIncorrect);
  std::int32_t cx = 0, cy = 0, n = 0;
  ar.LitEntier(cx);
  ar.LitEntier(cy);
  ar.LitEntier(n);
  if (ar.Echec() || n < 0) return echec(kFichierEndommage);
  nouveau.ResolutionCible = SIZE{cx, cy};
  // The template record: read into a default screen, then its settings
  // are taken over.
  {
    CEcran modele;
    if (!LitEcran(ar, modele)) return echec(kFichierEndommage);
    nouveau.ModeleEcran.CopieParametres(modele);
  }
  for (std::int32_t i = 0; i < n; ++i) {
    if (ar.Reste() < kTailleMinEcran) return echec(kFichierEndommage);
    CEcran lu;
    if (!LitEcran(ar, lu)) return echec(kFichierEndommage);
    std::unique_ptr<CEcran> ecran = std::make_unique<CEcran>();
    ecran->CopieParametres(lu);
    // The screen is rendered for the project's resolution.
    ecran->TailleCible = nouveau.ResolutionCible;
    nouveau.Ajoute(std::move(ecran));
  }
  return 1;
}

int SauveProjet(const CProjet& projet, const std::string& chemin, IDialogue& dialogue) {
  std::vector<std::uint8_t> octets = EcritProjet(projet);
  if (talvik::EcritFichierAtomique(chemin, octets.data(), octets.size())) return 1;
  dialogue.Message("Unable to write file " + chemin, "Error", IconeMessage::Erreur);
  return 0;
}

int ChargeProjet(CProjet& projet, const std::string& chemin, IDialogue& dialogue) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) {
    dialogue.Message("Unable to open file " + chemin, "Error", IconeMessage::Erreur);
    return 0;
  }
  std::vector<std::uint8_t> octets((std::istreambuf_iterator<char>(f)),
                                   std::istreambuf_iterator<char>());
  if (f.bad()) {
    dialogue.Message(kFichierEndommage, "Error", IconeMessage::Erreur);
    return 0;
  }
  CProjet nouveau;
  std::string erreur;
  if (!LitProjet(octets.data(), octets.size(), nouveau, &erreur)) {
    dialogue.Message(erreur, "Error", IconeMessage::Erreur);
    return 0;
  }
  // Read whole: the new project replaces the open one.
  std::string nomModele = projet.NomModele;
  projet.Echange(nouveau);
  projet.NomModele = nomModele;
  projet.ModeleCharge = 0;
  projet.ModeleSauve = 0;
  projet.CheminEcranDeVeille.clear();
  // The last screen becomes the current one; a file without screens opens
  // as a new project does, with one blank screen.
  if (projet.NombreEcrans() == 0) projet.InsereApresSelection(projet.NouvelEcranDepuisModele());
  projet.Selectionne(projet.NombreEcrans() - 1);
  return 1;
}

}  // namespace lumaveil
