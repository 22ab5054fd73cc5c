// Which reduction a picture can be loaded with for a complete rendering
// that shrinks it anyway: the sizes of the chain are worked out on the
// file's pixels, as the rendering does them.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "ecran.h"
#include "graphique.h"
#include "redimension.h"

namespace lumaveil {

namespace {

// Pictures above this many pixels (a 24-megapixel photo is 96 MiB
// decoded) are reduced whenever the screen needs fewer pixels.
constexpr std::int64_t kPixelsGrandePhoto = 24'000'000;

// The size of the picture on the screen (after rotation, crop and resize)
// when the file's picture is `tailleFichier`, and the size before the
// resize in *w x *h. False when the chain has no resize stage or the
// sizes cannot be worked out.
bool TailleSurEcran(const CEcran& e, SIZE tailleFichier, std::int64_t* w, std::int64_t* h,
                    talvik::CSize* t) {
  if (!e.RedimensionUtilisation || tailleFichier.cx <= 0 || tailleFichier.cy <= 0) return false;
  const int angle = e.RotationUtilisation ? e.RotationAngle : 0;
  if (angle != 0 && angle != 180 && angle != -180 && angle != 360) return false;
  *w = tailleFichier.cx;
  *h = tailleFichier.cy;
  if (angle == 180 || angle == -180) std::swap(*w, *h);
  const RECT& c = e.RecoupeRectangle;
  if (e.RecoupeUtilisation) {
    *w = std::int64_t(c.right) - c.left;
    *h = std::int64_t(c.bottom) - c.top;
    if (*w <= 0 || *h <= 0) return false;
  }
  *t = TailleRedimensionnee(e, talvik::CSize(talvik::LONG(*w), talvik::LONG(*h)));
  return t->cx > 0 && t->cy > 0;
}

double Echelle(double echelle) { return echelle > 0.0 && echelle <= 1.0 ? echelle : 1.0; }

}  // namespace

int ReductionPossible(const CEcran& e, SIZE tailleFichier, double echelle) {
  echelle = Echelle(echelle);
  const int angle = e.RotationUtilisation ? e.RotationAngle : 0;
  // The screen itself must come out as from the full picture. A turn of
  // the reduced picture lands up to a reduced pixel away from the turned
  // full one, and the colour adjustment clips before the shrink instead
  // of after it: both would show on edges. A thumbnail does not mind.
  const bool reglage = e.ReglageUtilisation && (e.ReglageLumiere != 50 ||
                                                e.ReglageContraste != 50 ||
                                                e.ReglageIntensite != 50);
  // A very large picture is never decoded whole for a screen it shrinks:
  // its full decode alone would take hundreds of megabytes, against a
  // fraction of a screen pixel for the reduced one.
  const bool grande = std::int64_t(tailleFichier.cx) * tailleFichier.cy > kPixelsGrandePhoto;
  const bool exact = echelle == 1.0 && !grande;
  if (exact && (angle != 0 || reglage)) return 1;
  std::int64_t w = 0, h = 0;
  talvik::CSize t;
  if (!TailleSurEcran(e, tailleFichier, &w, &h, &t)) return 1;
  const RECT& c = e.RecoupeRectangle;
  const double besoinX = double(t.cx) * echelle, besoinY = double(t.cy) * echelle;
  for (int r : {8, 4, 2}) {
    if (double(w / r) < besoinX || double(h / r) < besoinY) continue;
    // For the screen itself, a size or a crop that is not whole reduced
    // pixels would move the picture by a fraction of a pixel.
    if (exact && (tailleFichier.cx % r != 0 || tailleFichier.cy % r != 0)) continue;
    if (exact && e.RecoupeUtilisation &&
        (c.left % r != 0 || c.top % r != 0 || c.right % r != 0 || c.bottom % r != 0))
      continue;
    return r;
  }
  return 1;
}

double ReductionMaximale(const CEcran& e, SIZE tailleFichier, double echelle) {
  std::int64_t w = 0, h = 0;
  talvik::CSize t;
  if (!TailleSurEcran(e, tailleFichier, &w, &h, &t)) return 1.0;
  echelle = Echelle(echelle);
  const double r = std::min(double(w) / (double(t.cx) * echelle), double(h) / (double(t.cy) * echelle));
  return r > 1.0 ? r : 1.0;
}

}  // namespace lumaveil
