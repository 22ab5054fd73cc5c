// RGB <-> HSV on a 0-255 scale for every component, inline so that the
// colour adjustment's per-pixel loop can use them; CGraphique's
// fp_rgb_to_hsv and fp_hsv_to_rgb are these.
#pragma once

namespace talvik::couleur {

inline void RgbVersHsv(double r, double g, double b, double* h, double* s, double* v) {
  double max, min;
  if (r > g) {
    max = r > b ? r : b;
    min = g >= b ? b : g;
  } else {
    max = g > b ? g : b;
    min = r >= b ? b : r;
  }
  *v = max;
  *s = max != 0.0 ? (max - min) * 255.0 / max : 0.0;
  if (*s == 0.0) {
    *h = 0.0;
    return;
  }
  const double d = max - min;
  double teinte = 0.0;
  if (r == max) teinte = (g - b) / d;
  else if (g == max) teinte = 2.0 + (b - r) / d;
  else if (b == max) teinte = 4.0 + (r - g) / d;
  teinte = teinte * 42.5;
  if (teinte < 0.0) teinte += 255.0;
  if (teinte > 255.0) teinte -= 255.0;
  *h = teinte;
}

inline void HsvVersRgb(double h, double s, double v, double* r, double* g, double* b) {
  if (int(s) == 0) {
    *r = *g = *b = v;
    return;
  }
  const double hh = h * 0.023529411764705882;
  const double ss = s * 0.00392156862745098;
  const double vv = v * 0.00392156862745098;
  int i = int(hh);
  const double f = hh - i;
  const double p = vv * (1.0 - ss);
  const double q = vv * (1.0 - ss * f);
  const double t = vv * (1.0 - ss * (1.0 - f));
  // The hue scale wraps at 255: sector 6 (reachable only by rounding at the
  // wrap) is sector 0.
  if (i >= 6) i -= 6;
  double rr, gg, bb;
  switch (i) {
    case 0: rr = vv; gg = t; bb = p; break;
    case 1: rr = q; gg = vv; bb = p; break;
    case 2: rr = p; gg = vv; bb = t; break;
    case 3: rr = p; gg = q; bb = vv; break;
    case 4: rr = t; gg = p; bb = vv; break;
    default: rr = vv; gg = p; bb = q; break;
  }
  *r = rr * 255.0;
  *g = gg * 255.0;
  *b = bb * 255.0;
}

}  // namespace talvik::couleur
