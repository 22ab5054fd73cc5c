#include "agrandissement.h"

#include <cmath>
#include <cstdint>

#include "redimension.h"

namespace lumaveil {

namespace {

talvik::LONG Echelle(talvik::LONG v, double facteur) {
  return talvik::LONG(std::lround(double(v) * facteur));
}

}  // namespace

void AgranditEcran(CEcran& e, SIZE taille) {
  const SIZE avant = e.TailleCible;
  if (avant.cx <= 0 || avant.cy <= 0 || taille.cx <= avant.cx || taille.cy <= avant.cy) return;
  const double fx = double(taille.cx) / double(avant.cx);
  const double fy = double(taille.cy) / double(avant.cy);
  e.TailleCible = taille;

  if (!e.RedimensionUtilisation) {
    e.RedimensionUtilisation = 1;
    e.RedimensionPourcentageUtilisation = 1;
    e.RedimensionPourcentageValeur = int(std::lround(100.0 * fy));
    e.RedimensionConservationProportion = 1;
  } else if (!EstAjusteEcran(e)) {
    e.RedimensionPourcentageValeur = int(std::lround(e.RedimensionPourcentageValeur * fy));
    e.RedimensionTailleX = Echelle(e.RedimensionTailleX, fx);
    e.RedimensionTailleY = Echelle(e.RedimensionTailleY, fy);
  }
  e.CadreTaille = int(Echelle(e.CadreTaille, fy));
  for (T_TEXTE& t : e.Textes) {
    t.DeltaX = Echelle(t.DeltaX, fx);
    t.DeltaY = Echelle(t.DeltaY, fy);
    t.AbsolueX = Echelle(t.AbsolueX, fx);
    t.AbsolueY = Echelle(t.AbsolueY, fy);
    t.Fonte.lfHeight = Echelle(t.Fonte.lfHeight, fy);
    t.Fonte.lfWidth = Echelle(t.Fonte.lfWidth, fx);
  }
}

}  // namespace lumaveil
