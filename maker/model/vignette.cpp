#include "vignette.h"

#include <algorithm>
#include <memory>

#include "chargement_rendu.h"
#include "graphique.h"

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
  DemandeRendu demande;
  demande.pour = PourRendu::Vignette;
  demande.echelle = ReductionVignette(*e, EchelleVignette(fond));
  ChargeEtRendEcran(*e, e->CheminImage, graphique, demande);
  HBITMAP rendu = e->ImageFinale;
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
