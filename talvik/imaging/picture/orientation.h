// Turning a picture upright from the orientation its file records (the
// Exif orientation values 1 to 8; HEIF's rotation and mirror boxes map onto
// the same eight).
#pragma once

#include "base/bitmap.h"

namespace talvik {

// The eight Exif orientations: how the stored rows must be turned to show
// the picture upright.
//   1 as stored            5 mirrored along the main diagonal (transpose)
//   2 mirrored left-right  6 quarter turn clockwise
//   3 half turn            7 mirrored along the other diagonal
//   4 mirrored top-bottom  8 quarter turn anticlockwise
inline bool OrientationValide(int orientation) { return orientation >= 1 && orientation <= 8; }
// True for 5 to 8: the upright picture has width and height swapped.
inline bool OrientationEchangeCotes(int orientation) {
  return orientation >= 5 && orientation <= 8;
}

// The stored picture turned upright: a new picture for 2 to 8, the same
// handle for 1 and for any value outside 1..8 (taken as stored). Null when
// the new picture cannot be allocated.
Bitmap Redresse(const Bitmap& stockee, int orientation);

// The upright size of a stored w x h picture.
inline void TailleRedressee(int orientation, int* w, int* h) {
  if (OrientationEchangeCotes(orientation)) {
    const int t = *w;
    *w = *h;
    *h = t;
  }
}

}  // namespace talvik
