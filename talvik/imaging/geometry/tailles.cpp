// Size computations used to plan resizes and rotations.
#include "graphique.h"

namespace talvik {

CSize CGraphique::ConservationProportion(CSize image, CSize cadre) {
  if (image.cx <= 0 || image.cy <= 0) return CSize(0, 0);
  if (image.cy > image.cx)
    return CSize(LONG(cadre.cy / (double(image.cy) / double(image.cx))), cadre.cy);
  return CSize(cadre.cx, LONG(cadre.cx / (double(image.cx) / double(image.cy))));
}

CSize CGraphique::CalculTailleRedimensionne(const HBITMAP& image, int bPourcentage,
                                            int nPourcentage, int nLargeur, int nHauteur,
                                            int* pPourcentage) {
  const long long W = image.Width(), H = image.Height();
  if (bPourcentage) return CSize(LONG(W * nPourcentage / 100), LONG(H * nPourcentage / 100));
  if (pPourcentage && W > 0) *pPourcentage = int(double(nLargeur) / double(W) * 100.0);
  return CSize(nLargeur, nHauteur);
}

CSize CGraphique::CalculTailleOptimale(const HBITMAP& image) {
  const int W = image.Width(), H = image.Height();
  auto auMoins = [&](int a, int b) { return (W >= a && H >= b) || (W >= b && H >= a); };
  int pourcentage = 100;
  if (auMoins(1280, 960)) pourcentage = 15;
  else if (auMoins(640, 400)) pourcentage = 30;
  else if (auMoins(320, 200)) pourcentage = 50;
  return CalculTailleRedimensionne(image, 1, pourcentage, 0, 0);
}

CSize CGraphique::CalculTailleRotation(CSize taille, int nAngle) {
  if (nAngle == 180 || nAngle == -180) return CSize(taille.cy, taille.cx);
  return taille;
}

}  // namespace talvik
