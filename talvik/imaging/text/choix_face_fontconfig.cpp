// The desktop's faces: fontconfig's match for a family, weight and slant.
#include <cstring>
#include <strings.h>
#include <fontconfig/fontconfig.h>

#include "text/choix_face.h"
#include "text/police.h"

namespace talvik::texte {

ChoixFace CherchePoliceSysteme(const std::string& famille, bool gras, bool italique) {
  ChoixFace choix;
  static bool init = FcInit() == FcTrue;
  if (!init) return choix;
  FcPattern* motif = FcPatternCreate();
  FcPatternAddString(motif, FC_FAMILY, reinterpret_cast<const FcChar8*>(famille.c_str()));
  FcPatternAddInteger(motif, FC_WEIGHT, gras ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(motif, FC_SLANT, italique ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(motif, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, motif, FcMatchPattern);
  FcDefaultSubstitute(motif);
  FcResult resultat = FcResultNoMatch;
  FcPattern* trouve = FcFontMatch(nullptr, motif, &resultat);
  if (trouve) {
    FcChar8* fichier = nullptr;
    int index = 0, poids = FC_WEIGHT_REGULAR, pente = FC_SLANT_ROMAN;
    if (FcPatternGetString(trouve, FC_FILE, 0, &fichier) == FcResultMatch && fichier) {
      choix.fichier = reinterpret_cast<const char*>(fichier);
      FcPatternGetInteger(trouve, FC_INDEX, 0, &index);
      FcPatternGetInteger(trouve, FC_WEIGHT, 0, &poids);
      FcPatternGetInteger(trouve, FC_SLANT, 0, &pente);
      choix.index = index;
      choix.emboldir = gras && poids < FC_WEIGHT_DEMIBOLD;
      choix.incliner = italique && pente == FC_SLANT_ROMAN;
    }
    FcPatternDestroy(trouve);
  }
  FcPatternDestroy(motif);
  return choix;
}

}  // namespace talvik::texte

namespace talvik::texte {

std::string FamilleInstallee() {
  static const char* const kPreferees[] = {"DejaVu Sans", "Liberation Sans", "Noto Sans",
                                           "Nimbus Sans", "sans-serif"};
  if (FcInit() != FcTrue) return "sans-serif";
  for (const char* famille : kPreferees) {
    FcPattern* motif = FcNameParse(reinterpret_cast<const FcChar8*>(famille));
    if (!motif) continue;
    FcConfigSubstitute(nullptr, motif, FcMatchPattern);
    FcDefaultSubstitute(motif);
    FcResult resultat = FcResultNoMatch;
    FcPattern* trouve = FcFontMatch(nullptr, motif, &resultat);
    FcPatternDestroy(motif);
    if (!trouve) continue;
    FcChar8* nom = nullptr;
    std::string donne;
    if (FcPatternGetString(trouve, FC_FAMILY, 0, &nom) == FcResultMatch && nom)
      donne = reinterpret_cast<const char*>(nom);
    FcPatternDestroy(trouve);
    // A family counts when fontconfig gives that family itself, not a
    // stand-in; the last request takes whatever it gives.
    if (!donne.empty() && (strcasecmp(donne.c_str(), famille) == 0 ||
                           std::strcmp(famille, "sans-serif") == 0))
      return donne.size() < 32 ? donne : std::string(famille);
  }
  return "sans-serif";
}

}  // namespace talvik::texte
