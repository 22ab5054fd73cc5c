#include "dialogs/commun/image_qt.h"

#include <QPainter>
#include <cstring>

namespace talvik {

QImage ImageQt(const HBITMAP& image) {
  if (image.IsNull()) return {};
  // The pixels are 0x00RRGGBB words: Qt's RGB32 layout, whose unused byte
  // Qt ignores.
  QImage vue(reinterpret_cast<const uchar*>(image.Pixels()), image.Width(), image.Height(),
             qsizetype(image.Width()) * 4, QImage::Format_RGB32);
  return vue.copy();
}

QPixmap PixmapQt(const HBITMAP& image) { return QPixmap::fromImage(ImageQt(image)); }

HBITMAP BitmapDepuisImageQt(const QImage& image) {
  if (image.isNull()) return {};
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.fill(Qt::white);
  {
    QPainter peintre(&opaque);
    peintre.drawImage(0, 0, image);
  }
  HBITMAP resultat = Bitmap::CreateUninitialized(opaque.width(), opaque.height());
  if (resultat.IsNull()) return {};
  for (int y = 0; y < opaque.height(); ++y) {
    const auto* ligne = reinterpret_cast<const std::uint32_t*>(opaque.constScanLine(y));
    std::uint32_t* cible = resultat.Row(y);
    for (int x = 0; x < opaque.width(); ++x) cible[x] = ligne[x] & 0x00FFFFFFu;
  }
  return resultat;
}

}  // namespace talvik
