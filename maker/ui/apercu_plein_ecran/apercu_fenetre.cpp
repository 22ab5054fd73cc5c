#include "apercu_plein_ecran/apercu_fenetre.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lumaveil {

CApercuFenetre::CApercuFenetre(const lmvengine::Raster& pixels, qreal ratio, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), pixels_(pixels), ratio_(ratio) {
  setObjectName("CApercuFenetre");
  setAccessibleName(tr("Preview"));
  setFocusPolicy(Qt::StrongFocus);
}

void CApercuFenetre::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  peintre.fillRect(rect(), Qt::white);
  if (pixels_.pixels.empty()) return;
  // The pixels are 0x00RRGGBB: as RGB32 the unused byte is ignored.
  QImage image(reinterpret_cast<const uchar*>(pixels_.pixels.data()), pixels_.width,
               pixels_.height, pixels_.width * 4, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio_);
  peintre.drawImage(QPointF(0, 0), image);
}

void CApercuFenetre::mousePressEvent(QMouseEvent* evenement) {
  if (evenement->button() == Qt::LeftButton) emit arretDemande();
}

void CApercuFenetre::keyPressEvent(QKeyEvent*) { emit arretDemande(); }

}  // namespace lumaveil
