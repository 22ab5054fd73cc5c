#include "dialogs/apercu/zone_apercu.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "dialogs/apercu/fond_apercu.h"
#include "dialogs/commun/image_qt.h"
#include "graphique.h"

namespace talvik {

CSize TailleZoneApercu(CSize ecran) {
  const LONG largeur = std::clamp<LONG>(ecran.cx / 4, 320, 480);
  return CSize(largeur, largeur * 3 / 4);
}

CSize TailleZoneApercu() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  if (!ecran) return TailleZoneApercu(CSize(1024, 768));
  const QSize s = ecran->size();
  return TailleZoneApercu(CSize(s.width(), s.height()));
}

CSize TailleReduite(CSize image, CSize zone) {
  if (image.cx <= zone.cx && image.cy <= zone.cy) return image;
  CSize s = CGraphique::ConservationProportion(image, zone);
  // Set against one side of the frame, the other side may still pass the
  // frame (a square picture in a 4:3 area): fit that side too.
  const double rapport = double(image.cx) / double(image.cy);
  if (s.cy > zone.cy) s = CSize(LONG(zone.cy * rapport), zone.cy);
  if (s.cx > zone.cx) s = CSize(zone.cx, LONG(zone.cx / rapport));
  return CSize(std::max<LONG>(1, s.cx), std::max<LONG>(1, s.cy));
}

CZoneApercu::CZoneApercu(CSize taille, QWidget* parent) : QLabel(parent) {
  setFixedSize(int(taille.cx), int(taille.cy));
  m_dEchelle = std::max<qreal>(1, devicePixelRatio());
  m_sizeZone = CSize(LONG(qRound(qreal(taille.cx) * m_dEchelle)),
                     LONG(qRound(qreal(taille.cy) * m_dEchelle)));
  setFrameShape(QFrame::NoFrame);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  m_hFond = CGraphique::RedimensionneImage(FondApercu(), m_sizeZone, 1);
  Montre(m_hFond);
}

void CZoneApercu::Prepare(const HBITMAP& image) {
  m_hSource = {};
  m_sizeSource = {};
  if (!image) return;
  const CSize sizeImage(image.Width(), image.Height());
  const CSize reduite = TailleReduite(sizeImage, m_sizeZone);
  if (reduite == sizeImage) {
    m_hSource = image;
  } else {
    m_hSource = CGraphique::RedimensionneImage(image, reduite, 1);
    if (!m_hSource) return;
  }
  m_sizeSource = CSize(m_hSource.Width(), m_hSource.Height());
}

void CZoneApercu::Affiche(const HBITMAP& image) {
  if (!image || !m_hFond) return;
  const CPoint position((m_sizeZone.cx - image.Width()) / 2,
                        (m_sizeZone.cy - image.Height()) / 2);
  HBITMAP apercu = CGraphique::FusionneImage(m_hFond, image, position, 0, 0);
  AfficheComplet(std::move(apercu));
}

void CZoneApercu::AfficheComplet(HBITMAP apercu) {
  if (!apercu) return;
  m_hApercu = std::move(apercu);
  Montre(m_hApercu);
}

void CZoneApercu::Montre(const HBITMAP& image) {
  QPixmap pixmap = PixmapQt(image);
  pixmap.setDevicePixelRatio(m_dEchelle);
  setPixmap(pixmap);
}

void CZoneApercu::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clique();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void CZoneApercu::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit clique();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

}  // namespace talvik
