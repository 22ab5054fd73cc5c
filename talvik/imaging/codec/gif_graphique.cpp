// CGraphique's GIF entries: the first image of a file, and a picture
// written as an 8-bit GIF on the halftone palette.
#include "codec/gif.h"
#include "codec/gif_palette.h"
#include "graphique.h"

namespace talvik {

HBITMAP CGraphique::ChargeImageGIF(const CString& chemin, int* pTransparence,
                                   COLORREF* pCouleurTransparente) {
  CGif gif;
  if (!gif.Load(chemin.c_str())) return {};
  HBITMAP image = gif.FirstImage();
  // The out-parameters belong to a successful load only.
  if (!image) return {};
  if (pTransparence) *pTransparence = gif.TransparencyFlag();
  if (pCouleurTransparente) *pCouleurTransparente = gif.TransparentColor();
  return image;
}

int CGraphique::SauveImageGIF(const CString& chemin, const HBITMAP& image, int bTransparence,
                              COLORREF couleurTransparente) {
  // The screen descriptor holds 16-bit sizes.
  if (!image || image.Width() > 0xFFFF || image.Height() > 0xFFFF) return 0;
  const GifPalette palette = GifPalette::Halftone();
  CGif gif;
  gif.SetSource(image, palette);
  if (gif.GIF_Create(chemin.c_str(), image.Width(), image.Height(), 256, 8) != 0) return 0;
  gif.SetTransparentIndex(bTransparence ? palette.NearestIndex(couleurTransparente & 0x00FFFFFF)
                                        : -1);
  for (int i = 0; i < palette.Count(); ++i) {
    const PALETTEENTRY& e = palette.Entry(i);
    gif.GIF_SetColor(i, e.peRed, e.peGreen, e.peBlue);
  }
  if (gif.GIF_CompressImage(0, 0, -1, -1) != 0) return 0;
  return gif.GIF_Close() == 0 ? 1 : 0;
}

}  // namespace talvik
