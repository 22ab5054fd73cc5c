// Backgrounds: FondImage (a plain colour) and FondMotifImage (a tiled
// pattern), with the picture centred on top.
#include "graphique.h"
#include "raster/raster.h"

namespace talvik {

namespace {

// Draws the picture centred on the background, at ((Sw - pw) / 2,
// (Sh - ph) / 2) truncated toward zero: not resized, cut on both sides when
// larger. With bTransparent, its pixels of the key colour are not drawn.
void CentreImage(HBITMAP& fond, const HBITMAP& image, int bTransparent, COLORREF cle) {
  if (!image) return;
  const int pw = image.Width(), ph = image.Height();
  const int x = (fond.Width() - pw) / 2, y = (fond.Height() - ph) / 2;
  if (bTransparent) raster::TransparentBlt(fond, x, y, pw, ph, image, 0, 0, pw, ph, cle);
  else raster::BitBlt(fond, x, y, pw, ph, image, 0, 0);
}

}  // namespace

// A background of the given size in the colour (the bits per pixel are
// always 32 here), with the picture (may be null) centred on it. Replaces
// the object's brush by the colour and its pen by a null pen. Null when
// the size cannot be created.
HBITMAP CGraphique::FondImage(CSize taille, int nBitsParPixel, const HBITMAP& image, int bMotif,
                              int nMotif, COLORREF couleur, int bTransparent, COLORREF cle) {
  if (bMotif)
    return FondMotifImage(taille, nBitsParPixel, image, bMotif, nMotif, couleur, bTransparent,
                          cle);
  // Every pixel is written: the colour around the picture, the picture
  // over the rest (all of the colour under a picture with a key colour).
  HBITMAP fond = Bitmap::CreateUninitialized(taille.cx, taille.cy);
  if (!fond) return {};
  {
    std::lock_guard<std::mutex> verrou(m_VerrouTrait);
    m_Pinceau = Pinceau{couleur};
    m_Plume = Plume{raster::PS_NULL, 0, m_Plume.crCouleur};
  }
  RECT trou{0, 0, 0, 0};
  if (image && !bTransparent) {
    const int x = (fond.Width() - image.Width()) / 2, y = (fond.Height() - image.Height()) / 2;
    trou = RECT{x, y, x + image.Width(), y + image.Height()};
  }
  raster::FillAround(fond, trou, couleur);
  CentreImage(fond, image, bTransparent, cle);
  return fond;
}

// The same on pattern nMotif tiled from the top-left corner (a number with
// no pattern leaves the background black). The pen and brush are kept.
HBITMAP CGraphique::FondMotifImage(CSize taille, int /*nBitsParPixel*/, const HBITMAP& image,
                                   int /*bMotif*/, int nMotif, COLORREF /*couleur*/,
                                   int bTransparent, COLORREF cle) {
  HBITMAP fond = Bitmap::Create(taille.cx, taille.cy);
  if (!fond) return {};
  const HBITMAP& motif = Motif(nMotif);
  if (motif) {
    const int pw = motif.Width(), ph = motif.Height();
    for (int i = 0; i < (taille.cy + ph - 1) / ph; ++i)
      for (int j = 0; j < (taille.cx + pw - 1) / pw; ++j)
        raster::BitBlt(fond, j * pw, i * ph, pw, ph, motif, 0, 0);
  }
  CentreImage(fond, image, bTransparent, cle);
  return fond;
}

}  // namespace talvik
