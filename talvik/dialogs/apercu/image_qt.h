// Pictures of the library shown in Qt widgets.
#pragma once

#include <QImage>
#include <QPixmap>

#include "base/bitmap.h"

namespace talvik {

// A QImage holding a copy of the picture's pixels (null for a null
// picture). The library's 0x00RRGGBB pixels are QImage::Format_RGB32.
QImage ImageQt(const HBITMAP& image);

// The same as a pixmap, ready for a label.
QPixmap PixmapQt(const HBITMAP& image);

// A new picture holding the pixels of a QImage (any format); null for a
// null image.
HBITMAP BitmapDeQImage(const QImage& image);

}  // namespace talvik
