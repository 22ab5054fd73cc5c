#include "dialogs/commun/apropos_dlg.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/commun/image_qt.h"

namespace talvik {

CAproposdeDlg::CAproposdeDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  m_pImage = new QLabel(this);
  m_pImage->setCursor(Qt::PointingHandCursor);
  m_pImage->installEventFilter(this);
  auto* tout = new QVBoxLayout(this);
  tout->setContentsMargins(0, 0, 0, 0);
  tout->addWidget(m_pImage);
  m_Delai.setSingleShot(true);
  connect(&m_Delai, &QTimer::timeout, this, &CAproposdeDlg::accept);
}

CAproposdeDlg::~CAproposdeDlg() = default;

void CAproposdeDlg::showEvent(QShowEvent* event) {
  if (!m_bOuvert) {
    m_bOuvert = true;
    const QString titre = QString::fromStdString(m_strTitre);
    setWindowTitle(titre);
    setAccessibleName(titre.isEmpty() ? tr("About") : titre);
    m_pImage->setAccessibleName(accessibleName());
    m_pImage->setPixmap(PixmapQt(m_hImage));
    setFixedSize(m_hImage.Width(), m_hImage.Height());
    const QScreen* ecran = parentWidget() && parentWidget()->screen()
                               ? parentWidget()->screen()
                               : QGuiApplication::primaryScreen();
    if (ecran) {
      const QRect zone = ecran->availableGeometry();
      move(zone.center() - QPoint(width() / 2, height() / 2));
    }
    if (m_nSecondes != 0) m_Delai.start(m_nSecondes * 1000);
  }
  QDialog::showEvent(event);
}

void CAproposdeDlg::OnCarteVisite() { accept(); }

bool CAproposdeDlg::eventFilter(QObject* objet, QEvent* event) {
  if (objet == m_pImage && event->type() == QEvent::MouseButtonRelease) {
    OnCarteVisite();
    return true;
  }
  return QDialog::eventFilter(objet, event);
}

}  // namespace talvik
