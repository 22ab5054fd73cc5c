// Pictures between the image library and Qt: both hold 32-bit pixels
// 0x00RRGGBB / 0xffRRGGBB, so a conversion is one copy.
#pragma once

#include <QImage>

#include "base/bitmap.h"

namespace lumaveil {

// An opaque RGB32 copy of the bitmap; a null image for a null bitmap.
QImage ImageQt(const talvik::HBITMAP& bitmap);

// A bitmap copy of the image (alpha dropped, drawn over black); null for a
// null image.
talvik::HBITMAP BitmapDepuisQt(const QImage& image);

}  // namespace lumaveil
