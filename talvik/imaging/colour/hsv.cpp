// RGB <-> HSV on a 0-255 scale for every component.
#include "colour/hsv.h"

#include "graphique.h"

namespace talvik {

void CGraphique::fp_rgb_to_hsv(double r, double g, double b, double* h, double* s, double* v) {
  couleur::RgbVersHsv(r, g, b, h, s, v);
}

void CGraphique::fp_hsv_to_rgb(double h, double s, double v, double* r, double* g, double* b) {
  couleur::HsvVersRgb(h, s, v, r, g, b);
}

}  // namespace talvik
