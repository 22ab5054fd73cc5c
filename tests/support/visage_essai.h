// Pictures for the subject search and the blurred background, made at test
// time from a real photograph of a face (Grace Hopper, 512 x 600, from the
// plotting library's sample data, Debian's python-matplotlib-data).
#pragma once

#include <cstdint>

#include "graphique.h"

namespace lumaveil::testing {

inline constexpr const char* kPhotoVisage =
    "/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg";

// The photograph; null when it is missing.
inline talvik::HBITMAP PhotoVisage() { return talvik::CGraphique::ChargeImage(kPhotoVisage, 0); }

// A busy pattern the attention measure likes: small black and white
// squares, tinted so that they are saturated too.
inline void PeintDamier(talvik::HBITMAP& image, int x0, int y0, int w, int h, int cote) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      image.SetPixel(x, y, ((x / cote + y / cote) % 2) ? talvik::RGB(250, 230, 0)
                                                       : talvik::RGB(0, 20, 200));
}

// A `largeur` x `hauteur` landscape (hauteur >= 600): a plain grey wall with
// a busy patch on its left third, and the face photo against its right
// edge, centred vertically. Null when the photo is missing.
inline talvik::HBITMAP PaysageVisageADroite(int largeur, int hauteur) {
  const talvik::HBITMAP visage = PhotoVisage();
  if (!visage) return {};
  talvik::HBITMAP fond = talvik::Bitmap::Create(largeur, hauteur, talvik::RGB(128, 128, 128));
  PeintDamier(fond, largeur / 12, hauteur / 4, largeur / 4, hauteur / 2, 6);
  return talvik::CGraphique::FusionneImage(
      fond, visage, talvik::CPoint(largeur - visage.Width(), (hauteur - visage.Height()) / 2), 0, 0);
}

}  // namespace lumaveil::testing
