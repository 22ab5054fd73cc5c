#include "dialogs/commun/plein_ecran_dlg.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>

#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "dialogs/commun/pompe_messages.h"
#include "graphique.h"

namespace talvik {

CPleinEcranDlg::CPleinEcranDlg(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint) {
  setAccessibleName(tr("Full screen view"));
  QPalette noir = palette();
  noir.setColor(QPalette::Window, Qt::black);
  noir.setColor(QPalette::WindowText, Qt::white);
  setPalette(noir);
  setAutoFillBackground(true);

  m_pImage = new QLabel(this);
  m_pImage->setAccessibleName(tr("Picture"));
  m_pImage->installEventFilter(this);
  m_pImage->setCursor(Qt::PointingHandCursor);

  // The size label sits on the picture: light text on a dark plate reads
  // on a light photo as on a dark one.
  m_pTaille = new QLabel(this);
  QPalette plaque = m_pTaille->palette();
  plaque.setColor(QPalette::Window, QColor(0, 0, 0, 190));
  plaque.setColor(QPalette::WindowText, Qt::white);
  m_pTaille->setPalette(plaque);
  m_pTaille->setAutoFillBackground(true);
  m_pTaille->setContentsMargins(8, 4, 8, 4);
  m_pTaille->move(8, 8);
  m_pTaille->hide();

  m_Delai.setSingleShot(true);
  connect(&m_Delai, &QTimer::timeout, this, &CPleinEcranDlg::accept);
}

CPleinEcranDlg::~CPleinEcranDlg() = default;

void CPleinEcranDlg::InitInstance(CGraphique* graphique) {
  m_pGraphique = graphique;
  if (!m_hImage.IsNull()) {
    m_sizeOrigine = CSize(m_hImage.Width(), m_hImage.Height());
    m_nLargeurAffichee = m_hImage.Width();
    m_nHauteurAffichee = m_hImage.Height();
  }
}

void CPleinEcranDlg::showEvent(QShowEvent* event) {
  if (!m_bOuvert) {
    m_bOuvert = true;
    Ouverture();
  }
  QDialog::showEvent(event);
}

void CPleinEcranDlg::Ouverture() {
  const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
  const QSize taille = ecran ? ecran->size() : QSize(1024, 768);
  m_nLargeurEcran = taille.width();
  m_nHauteurEcran = taille.height();

  if (!m_strTaille.empty()) {
    m_pTaille->setText(QString::fromStdString(m_strTaille));
    m_pTaille->setAccessibleName(m_pTaille->text());
    m_pTaille->adjustSize();
    m_pTaille->show();
    m_pTaille->raise();
  }
  if (!m_hImage.IsNull()) {
    Zoom(CSize(m_nLargeurAffichee, m_nHauteurAffichee));
  } else {
    m_pImage->move(0, 0);
  }
  setGeometry(0, 0, m_nLargeurEcran - 1, m_nHauteurEcran - 1);
  if (m_nDelai != 0) m_Delai.start(m_nDelai);
}

void CPleinEcranDlg::AfficheBitmap(const HBITMAP& image) {
  m_pImage->setPixmap(PixmapQt(image));
  m_pImage->resize(image.Width(), image.Height());
}

void CPleinEcranDlg::Zoom(CSize taille) {
  m_hImageZoom = CGraphique::RedimensionneImage(m_hImage, taille, 1);
  AfficheBitmap(m_hImageZoom);
  m_pImage->move((m_nLargeurEcran - int(taille.cx)) / 2 - 1,
                 (m_nHauteurEcran - int(taille.cy)) / 2 - 1);
  m_pTaille->raise();
}

int CPleinEcranDlg::AfficheEtTeste() {
  AfficheBitmap(m_hImage);
  m_pImage->move((m_nLargeurEcran - m_hImage.Width()) / 2 - 1,
                 (m_nHauteurEcran - m_hImage.Height()) / 2 - 1);
  PeekAndPump();
  return m_bArret;
}

int CPleinEcranDlg::PeekAndPump() { return PompeMessages(); }

void CPleinEcranDlg::OnZoom(unsigned id) {
  if (m_bDiaporama) {
    m_bArret = 1;
    return;
  }
  if (m_hImage.IsNull()) return;
  switch (id) {
    case ID_PLUS:
      if (m_nLargeurAffichee >= kLargeurMaximale) {
        Bip();
      } else {
        m_nLargeurAffichee += int(m_sizeOrigine.cx) / 20;
        m_nHauteurAffichee += int(m_sizeOrigine.cy) / 20;
      }
      break;
    case ID_MOINS:
      if (int(m_sizeOrigine.cx) / 10 >= m_nLargeurAffichee) {
        Bip();
      } else {
        m_nLargeurAffichee -= int(m_sizeOrigine.cx) / 20;
        m_nHauteurAffichee -= int(m_sizeOrigine.cy) / 20;
      }
      break;
    case ID_NORMAL:
      m_nLargeurAffichee = int(m_sizeOrigine.cx);
      m_nHauteurAffichee = int(m_sizeOrigine.cy);
      break;
    default:
      return;
  }
  Zoom(CSize(m_nLargeurAffichee, m_nHauteurAffichee));
}

void CPleinEcranDlg::OnDeplace(unsigned id) {
  if (m_bDiaporama) {
    m_bArret = 1;
    return;
  }
  const int largeur = m_pImage->width();
  const int hauteur = m_pImage->height();
  if (largeur >= m_nLargeurEcran || hauteur >= m_nHauteurEcran) return;
  QPoint position = m_pImage->pos();
  switch (id) {
    case ID_HAUT: position.ry() -= kPasDeplacement; break;
    case ID_BAS: position.ry() += kPasDeplacement; break;
    case ID_GAUCHE: position.rx() -= kPasDeplacement; break;
    case ID_DROITE: position.rx() += kPasDeplacement; break;
    default: return;
  }
  position.setX(std::min(std::max(position.x(), 0), m_nLargeurEcran - largeur));
  position.setY(std::min(std::max(position.y(), 0), m_nHauteurEcran - hauteur));
  m_pImage->move(position);
}

void CPleinEcranDlg::OnSortie() {
  if (m_bDiaporama) {
    m_bArret = 1;
    return;
  }
  accept();
}

QPoint CPleinEcranDlg::PositionImage() const { return m_pImage->pos(); }

void CPleinEcranDlg::keyPressEvent(QKeyEvent* event) {
  unsigned zoom = 0;
  unsigned deplacement = 0;
  switch (event->key()) {
    case Qt::Key_Plus: zoom = ID_PLUS; break;
    case Qt::Key_Minus: zoom = ID_MOINS; break;
    case Qt::Key_Space: zoom = ID_NORMAL; break;
    case Qt::Key_Up: deplacement = ID_HAUT; break;
    case Qt::Key_Down: deplacement = ID_BAS; break;
    case Qt::Key_Left: deplacement = ID_GAUCHE; break;
    case Qt::Key_Right: deplacement = ID_DROITE; break;
    default:
      if (m_bDiaporama) {
        m_bArret = 1;
        return;
      }
      QDialog::keyPressEvent(event);
      return;
  }
  if (zoom) OnZoom(zoom);
  if (deplacement) OnDeplace(deplacement);
}

void CPleinEcranDlg::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta > 0) OnDeplace(ID_HAUT);
  if (delta < 0) OnDeplace(ID_BAS);
  QDialog::wheelEvent(event);
}

bool CPleinEcranDlg::eventFilter(QObject* objet, QEvent* event) {
  if (objet == m_pImage && event->type() == QEvent::MouseButtonRelease) {
    OnSortie();
    return true;
  }
  return QDialog::eventFilter(objet, event);
}

}  // namespace talvik
