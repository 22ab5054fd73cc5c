// Where the eye goes in a picture without faces: an attention measure made
// of edges, skin tones and saturation.
#pragma once

#include "base/bitmap.h"
#include "base/wintypes.h"

namespace talvik {

// The detail that draws the most attention in `image`: among the windows a
// third of its width by a third of its height (at least 1 x 1), the one
// whose pixels score most, then, inside it, the rectangle two weighted
// deviations either side of the scores' weighted centre. Each pixel scores
// its luminance gradient (horizontal plus vertical difference to its
// neighbours), plus a bonus when its colour is a skin tone and a smaller
// one for its saturation; the score of a flat region's noise (the median
// score) is taken off every pixel first. Windows are tried every
// ~1/64 of each side; among equal sums the one nearest the centre wins, so
// a uniform picture gives the centred window whole. Picture pixels of
// `image`;
// meant for a picture of about 500 pixels on its long side (the cost is a
// few passes over its pixels). The empty rectangle for a null picture.
RECT ZoneAttention(const HBITMAP& image);

}  // namespace talvik
