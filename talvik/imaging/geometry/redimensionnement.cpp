// Resizing: the two forms of RedimensionneImage and the proportional fit
// of a picture into a frame.
#include "graphique.h"
#include "raster/raster.h"

namespace talvik {

HBITMAP CGraphique::RedimensionneImage(const HBITMAP& image, CSize taille, int bRapide) {
  if (!image) return {};
  HBITMAP resultat = Bitmap::CreateUninitialized(taille.cx, taille.cy);
  if (!resultat) return {};
  raster::StretchBlt(resultat, 0, 0, taille.cx, taille.cy, image, 0, 0, image.Width(),
                     image.Height(), bRapide ? raster::COLORONCOLOR : raster::HALFTONE);
  return resultat;
}

void CGraphique::RedimensionneImage(HBITMAP* pCible, const HBITMAP& source, CSize taille) {
  if (!pCible) return;
  *pCible = RedimensionneImage(source, taille, 1);
}

HBITMAP CGraphique::RedimensionneImageProportionnee(const HBITMAP& image, CSize cible,
                                                    COLORREF couleur, int bRapide) {
  if (!image || cible.cx <= 0 || cible.cy <= 0) return {};
  const int W = image.Width(), H = image.Height();
  int w = W, h = H;
  HBITMAP garde = image;  // the kept or resized picture
  if (W > cible.cx || H > cible.cy) {
    const double r = double(W) / double(H);
    auto ajusteLargeur = [&] {
      w = cible.cx;
      h = int(cible.cx / r);
    };
    auto ajusteHauteur = [&] {
      h = cible.cy;
      w = int(cible.cy * r);
    };
    if (W > H) {
      if (W > cible.cx) ajusteLargeur();
      else ajusteHauteur();
    } else {
      if (H > cible.cy) ajusteHauteur();
      else ajusteLargeur();
    }
    // A very thin picture would truncate to nothing: keep one pixel.
    if (w < 1) w = 1;
    if (h < 1) h = 1;
    garde = RedimensionneImage(image, CSize(w, h), bRapide);
    if (!garde) return {};
  }
  if (w == cible.cx && h == cible.cy) return garde;

  HBITMAP cadre = CreationImageRemplie(garde, cible, couleur);
  if (!cadre) return {};
  // A side larger than the frame is cut evenly on both sides.
  raster::BitBlt(cadre, (cible.cx - w) / 2, (cible.cy - h) / 2, w, h, garde, 0, 0);
  return cadre;
}

}  // namespace talvik
