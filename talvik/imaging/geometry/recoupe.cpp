// Cropping.
#include "graphique.h"
#include "raster/raster.h"

namespace talvik {

HBITMAP CGraphique::RecoupeImage(const HBITMAP& image, CPoint origine, CSize taille,
                                 COLORREF couleur) {
  if (!image) return {};
  HBITMAP resultat = CreationImageRemplie(image, taille, couleur);
  if (!resultat) return {};
  raster::BitBlt(resultat, 0, 0, taille.cx, taille.cy, image, origine.x, origine.y);
  return resultat;
}

}  // namespace talvik
