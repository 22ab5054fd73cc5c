#include "fichier_projet.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "archive.h"
#include "champs_ecran.h"
#include "champs_etendus.h"
#include "encodage.h"
#include "fichier_atomique.h"

namespace lumaveil {

namespace {

// The 60 bytes of the font record, little-endian numbers; the face name in
// Windows-1252, NUL-padded.
void EcritPolice(CArchiveEcriture& ar, const LOGFONT& f) {
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

void LitPolice(CArchiveLecture& ar, LOGFONT& f) {
  ar.LitEntier(f.lfHeight);
  ar.LitEntier(f.lfWidth);
  ar.LitEntier(f.lfEscapement);
  ar.LitEntier(f.lfOrientation);
  ar.LitEntier(f.lfWeight);
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
}

// One value of a record, written or read by its type. Integers, longs and
// colours are 32-bit; strings take the archive's string form.
void Ecrit(CArchiveEcriture& ar, std::int32_t v) { ar.EcritEntier(v); }
void Ecrit(CArchiveEcriture& ar, COLORREF v) { ar.EcritEntier(static_cast<std::int32_t>(v)); }
void Ecrit(CArchiveEcriture& ar, const std::string& v) { ar.EcritChaine(v); }
void Ecrit(CArchiveEcriture& ar, const LOGFONT& v) { EcritPolice(ar, v); }
void Ecrit(CArchiveEcriture& ar, const RECT& r) {
  for (std::int32_t v : {r.left, r.top, r.right, r.bottom}) ar.EcritEntier(v);
}
void Ecrit(CArchiveEcriture& ar, const T_TEXTE& t) {
  for (const ChampTexte& c : kChampsTexte) std::visit([&](auto m) { Ecrit(ar, t.*m); }, c.membre);
}
void Ecrit(CArchiveEcriture& ar, const T_TEXTE (&textes)[kNombreTextes]) {
  for (const T_TEXTE& t : textes) Ecrit(ar, t);
}
// Sizes and dates are never written (the table gives them no place).
void Ecrit(CArchiveEcriture&, const SIZE&) {}
void Ecrit(CArchiveEcriture&, const talvik::SYSTEMTIME&) {}

void Lit(CArchiveLecture& ar, std::int32_t& v) { ar.LitEntier(v); }
void Lit(CArchiveLecture& ar, COLORREF& v) {
  std::int32_t x;
  if (ar.LitEntier(x)) v = static_cast<COLORREF>(x);
}
void Lit(CArchiveLecture& ar, std::string& v) { ar.LitChaine(v); }
void Lit(CArchiveLecture& ar, LOGFONT& v) { LitPolice(ar, v); }
void Lit(CArchiveLecture& ar, RECT& r) {
  for (std::int32_t* v : {&r.left, &r.top, &r.right, &r.bottom}) ar.LitEntier(*v);
}
void Lit(CArchiveLecture& ar, T_TEXTE& t) {
  for (const ChampTexte& c : kChampsTexte) std::visit([&](auto m) { Lit(ar, t.*m); }, c.membre);
}
void Lit(CArchiveLecture& ar, T_TEXTE (&textes)[kNombreTextes]) {
  for (T_TEXTE& t : textes) Lit(ar, t);
}
void Lit(CArchiveLecture&, SIZE&) {}
void Lit(CArchiveLecture&, talvik::SYSTEMTIME&) {}

// A screen record: the fields of the table that have a place in the
// project file, in that order.
void EcritEcran(CArchiveEcriture& ar, const CEcran& e) {
  for (const ChampEcran& c : kChampsEcran)
    if (c.positionProjet > 0) std::visit([&](auto m) { Ecrit(ar, e.*m); }, c.membre);
}

int LitEcran(CArchiveLecture& ar, CEcran& e) {
  for (const ChampEcran& c : kChampsEcran)
    if (c.positionProjet > 0) std::visit([&](auto m) { Lit(ar, e.*m); }, c.membre);
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
  EcritExtension(ar, projet);
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
  if (!LitExtension(ar, nouveau)) return echec(kFichierEndommage);
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
  // A picture named relative to the project (a project unpacked with its
  // photos, as the web maker saves one) is found beside the project file
  // when the current folder does not hold it.
  const std::filesystem::path dossier = std::filesystem::path(chemin).parent_path();
  if (!dossier.empty()) {
    std::error_code e;
    for (int i = 0; i < projet.NombreEcrans(); ++i) {
      std::string& image = projet.Ecran(i).CheminImage;
      const std::filesystem::path relatif(image);
      if (image.empty() || relatif.is_absolute() || std::filesystem::exists(relatif, e)) continue;
      const std::filesystem::path voisin = dossier / relatif;
      if (std::filesystem::is_regular_file(voisin, e)) image = voisin.lexically_normal().string();
    }
  }
  // The last screen becomes the current one; a file without screens opens
  // as a new project starts, empty (nothing selected).
  projet.Selectionne(projet.NombreEcrans() - 1);
  return 1;
}

}  // namespace lumaveil
