#include "app/conversion_image.h"

#include <cstring>

namespace lumaveil {

QImage ImageQt(const talvik::HBITMAP& bitmap) {
  if (!bitmap) return {};
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  if (image.isNull()) return {};
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint32_t* source = bitmap.Row(y);
    auto* cible = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = 0; x < bitmap.Width(); ++x) cible[x] = source[x] | 0xFF000000u;
  }
  return image;
}

talvik::HBITMAP BitmapDepuisQt(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  talvik::HBITMAP bitmap = talvik::HBITMAP::CreateUninitialized(rgb.width(), rgb.height());
  if (!bitmap) return {};
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* source = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
    std::uint32_t* cible = bitmap.Row(y);
    for (int x = 0; x < rgb.width(); ++x) cible[x] = source[x] & 0x00FFFFFFu;
  }
  return bitmap;
}

}  // namespace lumaveil
