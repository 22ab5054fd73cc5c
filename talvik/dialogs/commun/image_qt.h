// Pictures of the library shown in Qt widgets, and Qt pictures (the
// maker's drawn pictures) brought into the library.
#pragma once

#include <QImage>
#include <QPixmap>

#include "base/bitmap.h"

namespace talvik {

// An independent copy of the picture as a Qt image (null for a null bitmap).
QImage ImageQt(const HBITMAP& image);
QPixmap PixmapQt(const HBITMAP& image);

// A new bitmap holding the Qt image (transparent parts over white); null
// for a null image.
HBITMAP BitmapDepuisImageQt(const QImage& image);

}  // namespace talvik
