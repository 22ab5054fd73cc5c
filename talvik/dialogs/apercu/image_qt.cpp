#include "dialogs/apercu/image_qt.h"

#include <cstring>

namespace talvik {

QImage ImageQt(const HBITMAP& image) {
  if (!image) return {};
  // Wraps the pixels read-only for the time of the copy.
  const QImage vue(reinterpret_cast<const uchar*>(image.Pixels()), image.Width(), image.Height(),
                   qsizetype(image.Width()) * 4, QImage::Format_RGB32);
  return vue.copy();
}

QPixmap PixmapQt(const HBITMAP& image) {
  if (!image) return {};
  const QImage vue(reinterpret_cast<const uchar*>(image.Pixels()), image.Width(), image.Height(),
                   qsizetype(image.Width()) * 4, QImage::Format_RGB32);
  return QPixmap::fromImage(vue);  // copies the pixels
}

HBITMAP BitmapDeQImage(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  HBITMAP resultat = Bitmap::CreateUninitialized(rgb.width(), rgb.height());
  if (!resultat) return {};
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* ligne = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
    std::uint32_t* dst = resultat.Row(y);
    for (int x = 0; x < rgb.width(); ++x) dst[x] = ligne[x] & 0x00FFFFFFu;
  }
  return resultat;
}

}  // namespace talvik
