// The subject of a screen's picture: where "Fill the screen" cuts, and
// where the saver's pan and zoom ends.
#pragma once

#include "ecran.h"
#include "graphique.h"

namespace lumaveil {

// The subject of the screen's picture after rotation and crop, in that
// picture's file pixels (talvik::ChercheSujet: faces first, else the
// attention zone). `image` is that picture as the rendering holds it (it
// may be reduced: ReductionSource), `avant` its size in file pixels. The
// result is kept on the screen (SujetTrouve) for the same file, rotation
// and crop, so a screen is searched once. Empty without a picture.
RECT SujetEcran(CEcran& ecran, const HBITMAP& image, talvik::CSize avant);

// The crop "Fill the screen" makes of the picture after rotation and crop
// (`avant`, file pixels): the user's RemplissageRectangle when set, kept
// inside the picture and brought to the proportions of PlaceImage about
// its centre; else talvik::RectangleRemplissage around SujetEcran.
RECT RectangleRemplissageEcran(CEcran& ecran, const HBITMAP& image, talvik::CSize avant);

// The subject of the screen as its last complete rendering shows it: the
// rectangle of ImageFinale (its pixels) where the subject of the picture
// landed, cut to ImageFinale. Loads nothing: 0 when the screen has no
// rendered picture (ImageSource or ImageFinale null), 1 and *sujet
// otherwise. With a picture whose subject has not been searched yet, the
// search runs on the loaded picture (rotated and cropped as the screen
// says).
int RectangleSujetEcran(CEcran& ecran, RECT* sujet);

}  // namespace lumaveil
