// Matching a font record to a face (fontconfig on the desktop, the faces
// shipped with the page in the browser: choix_face.h) and sizing it
// (FreeType), with a small cache of sized faces.
#include "text/police.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>

#include "text/choix_face.h"
#include "text/face.h"

namespace talvik::texte {

namespace {

// Largest character height accepted, in pixels: larger records are drawn
// at this size instead of asking FreeType for gigantic glyphs.
constexpr double kEmMaximum = 2048.0;

std::string Minuscules(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string NomFace(const LOGFONT& police) {
  return std::string(police.lfFaceName, ::strnlen(police.lfFaceName, LF_FACESIZE));
}

using Choix = ChoixFace;

bool Gras(const LOGFONT& p) { return p.lfWeight >= 600; }

// The system's choice for a family, weight and slant (cached).
const Choix& ChoisitFace(const std::string& famille, bool gras, bool italique) {
  static std::map<std::string, Choix> cache;
  std::string cle = famille + (gras ? "|b" : "|r") + (italique ? "i" : "n");
  auto it = cache.find(cle);
  if (it != cache.end()) return it->second;
  return cache.emplace(cle, CherchePoliceSysteme(famille, gras, italique)).first->second;
}

struct FermeFace {
  void operator()(Face* f) const {
    if (f && f->ft) FT_Done_Face(f->ft);
    delete f;
  }
};

FT_Library Bibliotheque() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) l = nullptr;
    return l;
  }();
  return lib;
}

long Arrondi(double v) { return std::lround(v); }

// Loads and sizes a face for the record; null when it cannot.
std::unique_ptr<Face, FermeFace> ChargeFace(const Choix& choix, const LOGFONT& police) {
  std::unique_ptr<Face, FermeFace> f(new Face);
  if (!Bibliotheque() || FT_New_Face(Bibliotheque(), choix.fichier.c_str(), choix.index, &f->ft) != 0) {
    f->ft = nullptr;
    return nullptr;
  }
  FT_Face ft = f->ft;
  const double unites = ft->units_per_EM > 0 ? ft->units_per_EM : 1000.0;
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
  double haut = ft->ascender, bas = -double(ft->descender);
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    haut = os2->usWinAscent;
    bas = os2->usWinDescent;
  }
  if (haut + bas <= 0) {
    haut = unites * 0.8;
    bas = unites * 0.2;
  }
  double em;
  if (police.lfHeight < 0) em = -double(police.lfHeight);
  else if (police.lfHeight > 0) em = double(police.lfHeight) * unites / (haut + bas);
  else em = 16.0 * unites / (haut + bas);
  em = std::clamp(em, 1.0, kEmMaximum);
  double largeur = em;
  if (police.lfWidth > 0 && os2 && os2->xAvgCharWidth > 0)
    largeur = std::clamp(double(police.lfWidth) * unites / double(os2->xAvgCharWidth), 1.0, kEmMaximum);
  if (FT_Set_Char_Size(ft, FT_F26Dot6(Arrondi(largeur * 64.0)), FT_F26Dot6(Arrondi(em * 64.0)), 72,
                       72) != 0)
    return nullptr;
  const double echelle = em / unites;
  if (police.lfHeight > 0 && em < kEmMaximum) {
    // The cell is exactly the height asked for.
    f->ascent = int(Arrondi(haut * echelle));
    f->descent = std::max(0, int(police.lfHeight) - f->ascent);
  } else {
    // As GDI sizes a cell for a character height: ascent rounded up,
    // descent to the nearest pixel.
    f->ascent = int(std::ceil(haut * echelle - 0.01));
    f->descent = int(Arrondi(bas * echelle));
  }
  f->emboldir = choix.emboldir;
  f->incliner = choix.incliner;
  f->epaisseurSoulignement = std::max(1, int(Arrondi(ft->underline_thickness * echelle)));
  f->soulignement = ft->underline_position != 0 ? int(Arrondi(-ft->underline_position * echelle))
                                                 : std::max(1, f->descent / 2);
  f->soulignement = std::clamp(f->soulignement - f->epaisseurSoulignement / 2, 0,
                               std::max(0, f->descent - f->epaisseurSoulignement));
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    f->epaisseurBarre = std::max(1, int(Arrondi(os2->yStrikeoutSize * echelle)));
    f->barre = int(Arrondi(os2->yStrikeoutPosition * echelle)) + f->epaisseurBarre / 2;
  } else {
    f->epaisseurBarre = f->epaisseurSoulignement;
    f->barre = f->ascent / 3;
  }
  return f;
}

}  // namespace

std::mutex& VerrouTexte() {
  static std::mutex m;
  return m;
}

std::string FamilleFontconfig(const std::string& face) {
  static const std::pair<const char*, const char*> kCorrespondances[] = {
      {"arial", "Liberation Sans"},
      {"times new roman", "Liberation Serif"},
      {"courier new", "Liberation Mono"},
      {"comic sans ms", "Comic Neue"},
      {"ms sans serif", "Liberation Sans"},
      {"small fonts", "Liberation Sans"},
  };
  std::string bas = Minuscules(face);
  if (bas.empty()) return "sans-serif";
  for (const auto& [windows, libre] : kCorrespondances)
    if (bas == windows) return libre;
  return face;
}

std::string FichierPolice(const LOGFONT& police) {
  std::lock_guard<std::mutex> verrou(VerrouTexte());
  return ChoisitFace(FamilleFontconfig(NomFace(police)), Gras(police), police.lfItalic != 0).fichier;
}

Face* FacePour(const LOGFONT& police) {
  static std::map<std::string, std::unique_ptr<Face, FermeFace>> cache;
  const Choix& choix = ChoisitFace(FamilleFontconfig(NomFace(police)), Gras(police), police.lfItalic != 0);
  if (choix.fichier.empty()) return nullptr;
  std::string cle = choix.fichier + '#' + std::to_string(choix.index) + '#' +
                    std::to_string(police.lfHeight) + '#' + std::to_string(police.lfWidth) + '#' +
                    (choix.emboldir ? "b" : "") + (choix.incliner ? "i" : "");
  auto it = cache.find(cle);
  if (it != cache.end()) return it->second.get();
  auto face = ChargeFace(choix, police);
  if (!face) return nullptr;
  if (cache.size() >= 32) cache.clear();
  return cache.emplace(cle, std::move(face)).first->second.get();
}

}  // namespace talvik::texte
