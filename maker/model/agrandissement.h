// A screen drawn larger than its target size as a whole: the canvas, the
// picture, the border and the texts all grow by the same factor, so that
// the larger rendering shows what the normal one shows, with more pixels.
// Pan-and-zoom screens are stored this way: the player's moving window
// then always samples at least the display's resolution.
#pragma once

#include "ecran.h"

namespace lumaveil {

// Turns `ecran`'s settings into those of the same screen rendered at
// `taille` instead of its TailleCible (taille larger, of about the same
// proportions; horizontal measures scale by the widths' ratio, vertical
// ones and the fonts by the heights'), rounded to whole pixels:
// - TailleCible becomes `taille`;
// - the resize stage: a fit to the screen follows the canvas by itself;
//   a percentage or a wanted size grows by the factor; without a resize
//   stage one by the factor's percentage is turned on (proportions kept).
//   A result the resize stage refuses (above 2000 pixels on a side) keeps
//   the picture's own size, as for any screen;
// - the border's width, the texts' margins, absolute places and font sizes.
// The crop rectangle is in the picture's pixels and stays. Nothing happens
// when `taille` is not larger than TailleCible on both axes.
void AgranditEcran(CEcran& ecran, SIZE taille);

}  // namespace lumaveil
