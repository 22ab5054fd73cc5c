// The border editor's preview without drawing the border around the whole
// picture. A border's bands depend only on the bordered picture's size, and
// along each side they repeat with the pattern's width (or height; every
// pixel for a plain colour). So the border is drawn by CadreImage around a
// small stand-in picture whose size differs from the real one by whole
// periods, and each preview pixel is read either from the picture or from
// the matching pixel of that small border. The result is, pixel for pixel,
// the full-size bordered picture reduced by EchantillonneImage: bands,
// outline and pattern tiles keep their true scale.
#pragma once

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "base/wintypes.h"

namespace talvik {

class CGraphique;

struct ParametresCadre {
  int bMotif = 0;
  int nMotif = 0;
  COLORREF couleur = 0;
  int nEpaisseur = 0;
  int bTrait = 0;
  COLORREF couleurTrait = 0;
  int bEtendre = 1;
};

// Size of graphique.CadreImage(image, ...) for a picture of size `image`.
CSize TailleCadre(CSize image, const ParametresCadre& cadre);

// EchantillonneImage(graphique.CadreImage(image, cadre...), taille), made
// without the full-size bordered picture. Null where CadreImage gives null.
HBITMAP ApercuCadre(CGraphique& graphique, const HBITMAP& image, const ParametresCadre& cadre,
                    CSize taille);

}  // namespace talvik
