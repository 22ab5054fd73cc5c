// The desktop's faces: fontconfig's match for a family, weight and slant.
#include <fontconfig/fontconfig.h>

#include "text/choix_face.h"

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
