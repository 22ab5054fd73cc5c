#include "composition/sujet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "composition/attention.h"
#include "graphique.h"
#include "visages/detection_visages.h"

namespace talvik {

namespace {

// The faces worth keeping: at least this part of the largest's width.
constexpr double kPartPlusGrand = 1.0 / 3.0;

RECT Union(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace

Sujet ChercheSujet(const HBITMAP& image) {
  Sujet sujet;
  if (!image) return sujet;
  const int w = image.Width(), h = image.Height();
  const double echelle = std::min(1.0, double(kCoteRecherche) / std::max(w, h));
  const CSize petite(std::max(1, int(std::lround(w * echelle))),
                     std::max(1, int(std::lround(h * echelle))));
  const HBITMAP copie =
      echelle < 1.0 ? CGraphique::RedimensionneImage(image, petite, 0) : image;
  if (!copie) return sujet;
  const double fx = double(w) / petite.cx, fy = double(h) / petite.cy;

  RECT zone{};
  const std::vector<RECT> visages = DetecteVisages(copie);
  if (!visages.empty()) {
    const LONG plusGrand = visages.front().right - visages.front().left;
    bool premier = true;
    for (const RECT& v : visages) {
      const LONG vw = v.right - v.left, vh = v.bottom - v.top;
      if (vw < plusGrand * kPartPlusGrand) continue;
      const RECT large{v.left - vw / 5, v.top - vh / 3, v.right + vw / 5, v.bottom + vh / 4};
      zone = premier ? large : Union(zone, large);
      premier = false;
    }
    zone = RECT{std::max<LONG>(0, zone.left), std::max<LONG>(0, zone.top),
                std::min<LONG>(petite.cx, zone.right), std::min<LONG>(petite.cy, zone.bottom)};
    sujet.visages = true;
  } else {
    zone = ZoneAttention(copie);
  }
  sujet.rectangle = RECT{LONG(std::floor(zone.left * fx)), LONG(std::floor(zone.top * fy)),
                         std::min<LONG>(w, LONG(std::ceil(zone.right * fx))),
                         std::min<LONG>(h, LONG(std::ceil(zone.bottom * fy)))};
  return sujet;
}

RECT RectangleRemplissage(CSize image, CSize ecran, RECT sujet) {
  if (image.cx <= 0 || image.cy <= 0 || ecran.cx <= 0 || ecran.cy <= 0)
    return RECT{0, 0, std::max<LONG>(0, image.cx), std::max<LONG>(0, image.cy)};
  const bool vide = sujet.right <= sujet.left || sujet.bottom <= sujet.top;
  const std::int64_t iw = image.cx, ih = image.cy;
  // Centre of the subject on both axes, twice over (whole pixels).
  const std::int64_t cx2 = vide ? iw : std::int64_t(sujet.left) + sujet.right;
  const std::int64_t cy2 = vide ? ih : std::int64_t(sujet.top) + sujet.bottom;
  if (iw * ecran.cy > ih * ecran.cx) {
    // Wider than the screen: the height is kept, the width cut.
    const std::int64_t cw = std::clamp<std::int64_t>((ih * ecran.cx + ecran.cy / 2) / ecran.cy, 1, iw);
    const std::int64_t x = std::clamp<std::int64_t>((cx2 - cw) / 2, 0, iw - cw);
    return RECT{LONG(x), 0, LONG(x + cw), LONG(ih)};
  }
  const std::int64_t ch = std::clamp<std::int64_t>((iw * ecran.cy + ecran.cx / 2) / ecran.cx, 1, ih);
  const std::int64_t y = std::clamp<std::int64_t>((cy2 - ch) / 2, 0, ih - ch);
  return RECT{0, LONG(y), LONG(iw), LONG(y + ch)};
}

}  // namespace talvik
