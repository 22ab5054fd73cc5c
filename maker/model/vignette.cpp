#include "vignette.h"

#include <algorithm>
#include <memory>

#include "codec/heif_lecture.h"
#include "codec/jpeg_lecture.h"
#include "graphique.h"
#include "picture/format.h"

namespace lumaveil {

namespace {

// Scale from the rendered screen to the thumbnail area drawn at `echelle`
// (1 when the screen fits it already). The larger of the two axis scales: the fitting rule
// may let one side overflow, never shrink more than this.
double ReductionVignette(const CEcran& e, int echelle) {
  const double ex =
      double(kVignetteLargeur * echelle) / double(std::max<talvik::LONG>(1, e.TailleCible.cx));
  const double ey =
      double(kVignetteHauteur * echelle) / double(std::max<talvik::LONG>(1, e.TailleCible.cy));
  return std::min(1.0, std::max(ex, ey));
}

}  // namespace

HBITMAP VignetteEcran(const CEcran& ecran, talvik::CGraphique& graphique, const HBITMAP& fond) {
  auto e = std::make_unique<CEcran>(ecran.TailleCible);
  e->CopieParametres(ecran);
  const double echelle = ReductionVignette(*e, EchelleVignette(fond));
  int largeur = 0, hauteur = 0, reduction = 1;
  const talvik::FormatImage format = talvik::FormatDuFichier(e->CheminImage);
  const bool heif = format == talvik::FormatImage::HEIF || format == talvik::FormatImage::AVIF;
  if (heif && talvik::TailleHEIF(e->CheminImage, &largeur, &hauteur)) {
    // A phone's HEIC carries a thumbnail item, used as the camera's copy of
    // a JPEG is; the picture itself has no reduced decoding.
    e->ChargeVignetteIntegree(e->CheminImage,
                              ReductionMaximale(*e, SIZE{largeur, hauteur}, echelle));
  } else if (format == talvik::FormatImage::JPEG &&
             talvik::TailleJPEG(e->CheminImage, &largeur, &hauteur)) {
    // A camera's photo carries a small copy of itself: when that copy has
    // enough pixels for the thumbnail, the photo is not decoded at all.
    // Without a background the rendered screen is the resized picture:
    // the canvas size then overstates the shrink, which only costs speed.
    if (!e->ChargeVignetteIntegree(e->CheminImage,
                                   ReductionMaximale(*e, SIZE{largeur, hauteur}, echelle)))
      reduction = ReductionPossible(*e, SIZE{largeur, hauteur}, echelle);
  }
  if (!e->ImageSource) e->ChargeImageReduite(e->CheminImage, reduction, true);
  SIZE taille{};
  HBITMAP rendu = e->CalculeImageFinale(graphique, 0, Etapes::Toutes(), &taille);
  e->SupprimeImages();
  // Nothing rendered (no picture, no background): the backdrop alone,
  // without a second attempt at loading.
  if (!rendu) e->CheminImage.clear();
  e->CreeVignette(graphique, &rendu, fond ? &fond : nullptr);
  return e->Vignette;
}

HBITMAP VignetteImage(const std::string& chemin, const CEcran& modele, SIZE resolution,
                      talvik::CGraphique& graphique, const HBITMAP& fond) {
  std::unique_ptr<CEcran> e = NouvelEcran(modele, resolution);
  e->CheminImage = chemin;
  return VignetteEcran(*e, graphique, fond);
}

}  // namespace lumaveil
