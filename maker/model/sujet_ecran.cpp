#include "sujet_ecran.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "composition/sujet.h"
#include "redimension.h"

namespace lumaveil {

namespace {

std::string Cle(const CEcran& e, talvik::CSize avant) {
  const RECT& c = e.RecoupeRectangle;
  return e.CheminImage + '\n' + std::to_string(e.RotationUtilisation ? e.RotationAngle : 0) + ' ' +
         (e.RecoupeUtilisation ? std::to_string(c.left) + ',' + std::to_string(c.top) + ',' +
                                     std::to_string(c.right) + ',' + std::to_string(c.bottom)
                               : std::string("-")) +
         ' ' + std::to_string(avant.cx) + 'x' + std::to_string(avant.cy);
}

bool Vide(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

RECT SujetEcran(CEcran& e, const HBITMAP& image, talvik::CSize avant) {
  if (!image || avant.cx <= 0 || avant.cy <= 0) return {};
  const std::string cle = Cle(e, avant);
  if (cle == e.SujetCle) return e.SujetTrouve;
  const talvik::Sujet s = talvik::ChercheSujet(image);
  // Back to file pixels, whatever the reduction of the loaded picture.
  const double fx = double(avant.cx) / image.Width(), fy = double(avant.cy) / image.Height();
  RECT r{talvik::LONG(std::floor(s.rectangle.left * fx)),
         talvik::LONG(std::floor(s.rectangle.top * fy)),
         talvik::LONG(std::min<double>(avant.cx, std::ceil(s.rectangle.right * fx))),
         talvik::LONG(std::min<double>(avant.cy, std::ceil(s.rectangle.bottom * fy)))};
  e.SujetTrouve = r;
  e.SujetCle = cle;
  return r;
}

RECT RectangleRemplissageEcran(CEcran& e, const HBITMAP& image, talvik::CSize avant) {
  const talvik::CSize place = PlaceImage(e);
  const RECT& u = e.RemplissageRectangle;
  if (!Vide(u)) {
    // The user's rectangle: its centre is kept, its size brought to the
    // screen's proportions and the largest that fits.
    return talvik::RectangleRemplissage(avant, place, u);
  }
  return talvik::RectangleRemplissage(avant, place, SujetEcran(e, image, avant));
}

int RectangleSujetEcran(CEcran& e, RECT* sujet) {
  if (!e.ImageSource || !e.ImageFinale || e.PlacementImage.echelleX <= 0) return 0;
  const talvik::CSize avant(e.PlacementImage.avant);
  RECT s{};
  if (Cle(e, avant) == e.SujetCle) {
    s = e.SujetTrouve;
  } else {
    HBITMAP b = e.ImageSource;
    if (e.RotationUtilisation) b = talvik::CGraphique::RotationImage(b, e.RotationAngle);
    const int r = std::max(1, e.ReductionSource);
    if (e.RecoupeUtilisation) {
      const RECT& c = e.RecoupeRectangle;
      b = talvik::CGraphique::RecoupeImage(
          b, talvik::CPoint(c.left / r, c.top / r),
          talvik::CSize((c.right - c.left) / r, (c.bottom - c.top) / r), 0);
    }
    s = SujetEcran(e, b, avant);
  }
  const CEcran::Placement& p = e.PlacementImage;
  const double l = s.left * p.echelleX + p.dx, t = s.top * p.echelleY + p.dy;
  const double ri = s.right * p.echelleX + p.dx, b = s.bottom * p.echelleY + p.dy;
  const double w = e.TailleFinale.cx, h = e.TailleFinale.cy;
  if (sujet)
    *sujet = RECT{talvik::LONG(std::clamp(std::floor(l), 0.0, w)),
                  talvik::LONG(std::clamp(std::floor(t), 0.0, h)),
                  talvik::LONG(std::clamp(std::ceil(ri), 0.0, w)),
                  talvik::LONG(std::clamp(std::ceil(b), 0.0, h))};
  return 1;
}

}  // namespace lumaveil
