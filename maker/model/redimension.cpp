#include "redimension.h"

#include <algorithm>
#include <cstdint>

#include "champs_ecran.h"

namespace lumaveil {

namespace {

// Wanted sizes above this, on either axis, fall back to the current size.
constexpr talvik::LONG kTailleMaxRedimension = 2000;

// How much the border stage adds on each side: its thickness, plus the
// outline when it is drawn (1 pixel up to a thickness of 10, 5 above; a
// pattern border has none).
talvik::LONG MargeCadre(const CEcran& e) {
  if (!e.CadreUtilisation || e.CadreTaille < 0) return 0;
  const int trait = e.CadreBordureUtilisation && !e.CadreMotifUtilisation
                        ? (e.CadreTaille <= 10 ? 1 : 5)
                        : 0;
  return e.CadreTaille + trait;
}

talvik::CSize Ajustee(const CEcran& e, talvik::CSize avant) {
  const talvik::CSize place = PlaceImage(e);
  const std::int64_t lx = place.cx, ly = place.cy;
  const std::int64_t w = avant.cx, h = avant.cy;
  if (w <= 0 || h <= 0) return talvik::CSize(talvik::LONG(lx), talvik::LONG(ly));
  // Wider than the place (w / h >= lx / ly): the width fills it.
  if (w * ly >= h * lx)
    return talvik::CSize(talvik::LONG(lx),
                         talvik::LONG(std::max<std::int64_t>(1, (h * lx + w / 2) / w)));
  return talvik::CSize(talvik::LONG(std::max<std::int64_t>(1, (w * ly + h / 2) / h)),
                       talvik::LONG(ly));
}

}  // namespace

talvik::CSize PlaceImage(const CEcran& e) {
  const SIZE t = e.PlaceAjustement.cx > 0 && e.PlaceAjustement.cy > 0 ? e.PlaceAjustement
                                                                      : e.TailleCible;
  const talvik::LONG marge = MargeCadre(e);
  return talvik::CSize(talvik::LONG(std::max<std::int64_t>(1, std::int64_t(t.cx) - 2 * marge)),
                       talvik::LONG(std::max<std::int64_t>(1, std::int64_t(t.cy) - 2 * marge)));
}

bool EstRemplissageEcran(const CEcran& e) { return EstAjusteEcran(e) && e.RedimensionRemplissage; }

void RemplitEcran(CEcran& e) {
  AjusteEcran(e);
  e.RedimensionRemplissage = 1;
  e.RemplissageRectangle = RECT{};
}

bool EstAjusteEcran(const CEcran& e) {
  return e.RedimensionUtilisation && !e.RedimensionPourcentageUtilisation &&
         e.RedimensionTailleX == 0 && e.RedimensionTailleY == 0;
}

void AjusteEcran(CEcran& e) {
  e.RedimensionUtilisation = 1;
  e.RedimensionPourcentageUtilisation = 0;
  e.RedimensionTailleX = 0;
  e.RedimensionTailleY = 0;
  e.RedimensionConservationProportion = 1;
  e.RedimensionRemplissage = 0;
}

void ModeleParDefaut(CEcran& modele, SIZE tailleCible) {
  ChampsParDefaut(modele, tailleCible);
  AjusteEcran(modele);
}

talvik::CSize TailleRedimensionnee(const CEcran& e, talvik::CSize avant) {
  if (EstRemplissageEcran(e)) return PlaceImage(e);
  if (EstAjusteEcran(e)) return Ajustee(e, avant);
  talvik::CSize voulue =
      e.RedimensionPourcentageUtilisation
          ? talvik::CSize(
                talvik::LONG(std::int64_t(avant.cx) * e.RedimensionPourcentageValeur / 100),
                talvik::LONG(std::int64_t(avant.cy) * e.RedimensionPourcentageValeur / 100))
          : talvik::CSize(e.RedimensionTailleX, e.RedimensionTailleY);
  if (voulue.cx > kTailleMaxRedimension || voulue.cy > kTailleMaxRedimension) voulue = avant;
  return e.RedimensionConservationProportion
             ? talvik::CGraphique::ConservationProportion(avant, voulue)
             : voulue;
}

}  // namespace lumaveil
