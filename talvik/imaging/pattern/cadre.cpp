// Borders: CadreImage (a colour with an optional outline) and
// CadreMotifImage (bands of a tiled pattern).
#include <algorithm>
#include <cstdint>

#include "graphique.h"
#include "raster/raster.h"

namespace talvik {

namespace {

// The border's width in pixels when it fits: growing the picture (e == 1),
// the result's size is counted without overflow, and a thickness that would
// wrap it round to a smaller picture is refused (-1) with the reason
// (LastCreateError), as a picture above the budget is. Without growing, a
// border wider than the picture covers all of it whatever its width, so it
// is held to the picture's size.
int LargeurCadre(int W, int H, int e, std::int64_t epaisseur) {
  if (!e) return int(std::min<std::int64_t>(epaisseur, std::max(W, H)));
  if (!Bitmap::FitsBudget(W + 2 * epaisseur, H + 2 * epaisseur)) return -1;
  return int(epaisseur);
}

}  // namespace

// With bEtendre 1 the result grows by the border on every side and holds
// the whole picture at (T, T); with 0 it keeps the picture's size and the
// border covers the picture's outer T pixels. T is the thickness plus the
// outline's width (1 up to thickness 10, 5 above; 0 without outline). The
// outline is drawn as GDI draws a rectangle one pixel larger than the
// result, pen centred on its edges, so only part of it shows on the right
// and bottom. Replaces the object's pen and brush. Null for a null picture,
// a negative thickness or a size that cannot be created.
HBITMAP CGraphique::CadreImage(const HBITMAP& image, int bMotif, int nMotif, COLORREF couleur,
                               int nEpaisseur, int bTrait, COLORREF couleurTrait, int bEtendre) {
  if (bMotif)
    return CadreMotifImage(image, bMotif, nMotif, couleur, nEpaisseur, bTrait, couleurTrait,
                           bEtendre);
  if (!image || nEpaisseur < 0) return {};
  const int W = image.Width(), H = image.Height();
  const int e = bEtendre ? 1 : 0;
  const int lw = bTrait ? (nEpaisseur <= 10 ? 1 : 5) : 0;
  const int T = LargeurCadre(W, H, e, std::int64_t(nEpaisseur) + lw);
  if (T < 0) return {};
  // Every pixel is written: the border colour around the picture's place,
  // the outline, then the picture.
  HBITMAP cadre = Bitmap::CreateUninitialized(W + 2 * e * T, H + 2 * e * T);
  if (!cadre) return {};

  const Plume plume =
      bTrait ? Plume{raster::PS_SOLID, lw, couleurTrait} : Plume{raster::PS_NULL, 0, couleurTrait};
  {
    std::lock_guard<std::mutex> verrou(m_VerrouTrait);
    m_Pinceau = Pinceau{couleur};
    m_Plume = plume;
  }
  const int R = e * (2 * T + (bTrait ? 0 : 1)) + 1;
  const RECT place = e ? RECT{T, T, T + W, T + H} : RECT{T, T, W - T, H - T};
  raster::FillAround(cadre, place, couleur);
  raster::Rectangle(cadre, 0, 0, R + W, R + H, raster::Pen{plume.nStyle, plume.nLargeur, plume.crCouleur},
                    raster::Brush{true, couleur});
  if (e) raster::BitBlt(cadre, T, T, W, H, image, 0, 0);
  else raster::BitBlt(cadre, T, T, W - 2 * T, H - 2 * T, image, T, T);
  return cadre;
}

// Bands of pattern nMotif, t pixels wide (the outline settings are not
// used): the whole pattern is copied along the top and bottom from x = 0
// every pattern width, then along the left and right from y = 0 every
// pattern height, then the picture goes on top as in CadreImage. A border
// wider than the pattern leaves the rest of the band black, as does a
// pattern number with no pattern.
HBITMAP CGraphique::CadreMotifImage(const HBITMAP& image, int /*bMotif*/, int nMotif,
                                    COLORREF /*couleur*/, int nEpaisseur, int /*bTrait*/,
                                    COLORREF /*couleurTrait*/, int bEtendre) {
  if (!image || nEpaisseur < 0) return {};
  const int W = image.Width(), H = image.Height();
  const int e = bEtendre ? 1 : 0;
  const int t = LargeurCadre(W, H, e, nEpaisseur);
  if (t < 0) return {};
  HBITMAP cadre = Bitmap::Create(W + 2 * e * t, H + 2 * e * t);
  if (!cadre) return {};
  const int Bw = cadre.Width(), Bh = cadre.Height();
  const HBITMAP& motif = Motif(nMotif);
  if (motif) {
    const int pw = motif.Width(), ph = motif.Height();
    for (int i = 0; i < (Bw + pw - 1) / pw; ++i) {
      raster::BitBlt(cadre, i * pw, 0, pw, ph, motif, 0, 0);
      raster::BitBlt(cadre, i * pw, Bh - t, pw, ph, motif, 0, 0);
    }
    for (int i = 0; i < (Bh + ph - 1) / ph; ++i) {
      raster::BitBlt(cadre, 0, i * ph, pw, ph, motif, 0, 0);
      raster::BitBlt(cadre, Bw - t, i * ph, pw, ph, motif, 0, 0);
    }
  }
  if (e) raster::BitBlt(cadre, t, t, W, H, image, 0, 0);
  else raster::BitBlt(cadre, t, t, W - 2 * t, H - 2 * t, image, t, t);
  return cadre;
}

}  // namespace talvik
