// Merging one picture onto another, copies, fills and outlined rectangles.
#include "graphique.h"
#include "raster/raster.h"

namespace talvik {

HBITMAP CGraphique::FusionneImage(const HBITMAP& fond, const HBITMAP& devant, CPoint position,
                                  int bTransparent, COLORREF cle) {
  if (!fond || !devant) return {};
  HBITMAP resultat = fond.Clone();
  if (!resultat) return {};
  const int w = devant.Width(), h = devant.Height();
  if (bTransparent)
    raster::TransparentBlt(resultat, position.x, position.y, w, h, devant, 0, 0, w, h, cle);
  else
    raster::BitBlt(resultat, position.x, position.y, w, h, devant, 0, 0);
  return resultat;
}

HBITMAP CGraphique::FusionneImage(const HBITMAP& fond, const HBITMAP& devant, CPoint origine,
                                  CPoint position, int bTransparent, COLORREF cle) {
  return FusionneImage(fond, devant, CPoint(position.x - origine.x, position.y - origine.y),
                       bTransparent, cle);
}

HBITMAP CGraphique::DedoubleImage(const HBITMAP& image) { return image.Clone(); }

HBITMAP CGraphique::CreationImageRemplie(const HBITMAP& modele, CSize taille, COLORREF couleur) {
  if (!modele) return {};
  if (couleur == kCouleurCoinHautGauche) couleur = modele.GetPixel(0, 0);
  return Bitmap::Create(taille.cx, taille.cy, couleur);
}

void CGraphique::RemplieImage(HBITMAP& image, COLORREF couleur) {
  raster::FillRect(image, RECT{0, 0, image.Width(), image.Height()}, couleur);
}

HBITMAP CGraphique::RectangleImage(const HBITMAP& image, CRect rectangle, int nStyle,
                                   int nLargeur, COLORREF couleur) {
  if (nLargeur == 0 || !image) return {};
  HBITMAP resultat = image.Clone();
  if (!resultat) return {};
  raster::Rectangle(resultat, rectangle.left, rectangle.top, rectangle.right, rectangle.bottom,
                    raster::Pen{nStyle, nLargeur, couleur}, raster::Brush{true, 0});
  return resultat;
}

}  // namespace talvik
