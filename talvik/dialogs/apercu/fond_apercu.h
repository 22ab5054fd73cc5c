// The background picture of the editors' preview areas (400 x 300), drawn
// once: a light grey checkerboard, so that the edges of a preview show.
#pragma once

#include "base/bitmap.h"

namespace talvik {

inline constexpr int kLargeurFondApercu = 400;
inline constexpr int kHauteurFondApercu = 300;

// The shared background picture; callers stretch it, never change it.
const HBITMAP& FondApercu();

}  // namespace talvik
