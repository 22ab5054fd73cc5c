// A photo-like picture for the screenshots of windows: a sky gradient, a
// sun, two rows of hills and a lake, drawn at any size.
#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace lumaveil::testing {

inline QImage PhotoDeTest(int largeur, int hauteur) {
  QImage photo(largeur, hauteur, QImage::Format_RGB32);
  QPainter p(&photo);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ciel(0, 0, 0, hauteur * 0.6);
  ciel.setColorAt(0, QColor(32, 78, 160));
  ciel.setColorAt(1, QColor(250, 190, 120));
  p.fillRect(photo.rect(), ciel);
  QRadialGradient soleil(largeur * 0.7, hauteur * 0.35, hauteur * 0.12);
  soleil.setColorAt(0, QColor(255, 250, 220));
  soleil.setColorAt(0.6, QColor(255, 215, 120));
  soleil.setColorAt(1, QColor(255, 215, 120, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(soleil);
  p.drawEllipse(QPointF(largeur * 0.7, hauteur * 0.35), hauteur * 0.12, hauteur * 0.12);
  const QColor collines[2] = {QColor(70, 95, 120), QColor(40, 90, 55)};
  for (int rang = 0; rang < 2; ++rang) {
    QPainterPath chemin;
    const double base = hauteur * (0.55 + 0.08 * rang);
    chemin.moveTo(0, hauteur);
    chemin.lineTo(0, base);
    for (int i = 1; i <= 6; ++i) {
      const double x = largeur * i / 6.0;
      const double y = base - hauteur * (0.08 + 0.05 * ((i + rang) % 3));
      chemin.quadTo(x - largeur / 12.0, y, x, base - hauteur * 0.02 * ((i * 7 + rang) % 3));
    }
    chemin.lineTo(largeur, hauteur);
    chemin.closeSubpath();
    p.setBrush(collines[rang]);
    p.drawPath(chemin);
  }
  QLinearGradient lac(0, hauteur * 0.75, 0, hauteur);
  lac.setColorAt(0, QColor(90, 140, 190));
  lac.setColorAt(1, QColor(20, 50, 90));
  p.setBrush(lac);
  p.drawRect(QRectF(0, hauteur * 0.78, largeur, hauteur * 0.22));
  return photo;
}

}  // namespace lumaveil::testing
