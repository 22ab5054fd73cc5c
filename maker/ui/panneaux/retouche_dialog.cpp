#include "panneaux/retouche_dialog.h"

#include <QCheckBox>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QRadialGradient>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdio>

#include "commun/langue.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "dialogs/commun/plein_ecran_dlg.h"
#include "graphique.h"
#include "panneaux/bouton_image.h"

namespace lumaveil {

namespace {

// A dark, softly lit backdrop behind the picture in the box.
void PeintFondBoite(QPainter& peintre, int largeur, int hauteur) {
  QRadialGradient lumiere(largeur / 2.0, hauteur / 2.0, largeur * 0.7);
  lumiere.setColorAt(0, QColor(92, 100, 112));
  lumiere.setColorAt(1, QColor(38, 42, 50));
  peintre.fillRect(QRect(0, 0, largeur, hauteur), lumiere);
  peintre.setPen(QColor(255, 255, 255, 18));
  for (int x = -hauteur; x < largeur; x += 8) peintre.drawLine(x, hauteur, x + hauteur, 0);
}

talvik::HBITMAP FondBoite(int largeur, int hauteur) {
  QImage fond(largeur, hauteur, QImage::Format_RGB32);
  QPainter peintre(&fond);
  PeintFondBoite(peintre, largeur, hauteur);
  peintre.end();
  return talvik::BitmapDepuisImageQt(fond);
}

QLabel* Ligne(QWidget* parent, const QString& nom) {
  QLabel* ligne = NouvelleLigneEtat(parent);
  ligne->setObjectName(nom);
  return ligne;
}

}  // namespace

CRetoucheDialog::CRetoucheDialog(QWidget* parent)
    : QWidget(parent), m_sizeBoite(kLargeurBoite, kHauteurBoite) {
  setAcceptDrops(true);
  m_hFond = FondBoite(kLargeurBoite, kHauteurBoite);

  m_pBoite = new QLabel(this);
  m_pBoite->setFixedSize(kLargeurBoite, kHauteurBoite);
  m_pBoite->setFrameShape(QFrame::StyledPanel);
  m_pBoite->setCursor(Qt::PointingHandCursor);
  m_pBoite->setToolTip(tr("Click to display on full screen"));
  m_pBoite->setAccessibleName(tr("Picture"));
  m_pBoite->installEventFilter(this);

  m_pAjuste = new QCheckBox(tr("Full screen"), this);
  m_pAjuste->setAccessibleName(tr("Full screen"));
  m_pAjuste->setChecked(m_bAjuste != 0);

  m_pChargement = BoutonImage(this, "chargement", tr("Picture loading"));
  m_pRotation = BoutonImage(this, "rotation", tr("Rotating"));
  m_pReglage = BoutonImage(this, "reglage", tr("Color Adjustment"));
  m_pRecoupe = BoutonImage(this, "recoupe", tr("Cutting"));

  const char* const noms[6] = {"nom", "fichier", "format", "recoupe", "rotation", "reglage"};
  for (int i = 0; i < 6; ++i) m_pLignes[i] = Ligne(this, noms[i]);

  auto* image = new QVBoxLayout;
  image->addWidget(m_pBoite, 0, Qt::AlignHCenter);
  image->addWidget(m_pAjuste, 0, Qt::AlignLeft);

  auto* fichier = new QVBoxLayout;
  fichier->setSpacing(0);
  for (int i = 0; i < 3; ++i) fichier->addWidget(m_pLignes[i]);
  auto* commandes = new QGridLayout;
  commandes->addWidget(m_pChargement, 0, 0);
  commandes->addLayout(fichier, 0, 1);
  commandes->addWidget(m_pRotation, 1, 0);
  commandes->addWidget(m_pLignes[4], 1, 1);
  commandes->addWidget(m_pReglage, 2, 0);
  commandes->addWidget(m_pLignes[5], 2, 1);
  commandes->addWidget(m_pRecoupe, 3, 0);
  commandes->addWidget(m_pLignes[3], 3, 1);
  commandes->setRowStretch(4, 1);

  // The picture above its commands: the panel stays narrow enough for the
  // list and the three panels to fit a 1024-pixel-wide screen.
  auto* tout = new QVBoxLayout(this);
  tout->addLayout(image);
  tout->addLayout(commandes, 1);

  connect(m_pAjuste, &QCheckBox::clicked, this, &CRetoucheDialog::OnAjustement);
  AfficheImage();
}

CRetoucheDialog::~CRetoucheDialog() = default;

void CRetoucheDialog::Rafraichit(const CEcran& ecran, bool enChargement) {
  m_hRendu = ecran.ImageFinale;
  m_sizeFinale = ecran.TailleFinale;
  AfficheImage();
  LignesRetouche lignes = LignesEtatRetouche(ecran, enChargement);
  // In a translated window the file's size and date are in the locale's
  // format (the English line keeps its designed kb and month/day/year).
  if (LangueInterface() != QLatin1String("en") && !ecran.ImageSource.IsNull()) {
    const QLocale locale;
    const QDate date(ecran.DateFichier.wYear, ecran.DateFichier.wMonth, ecran.DateFichier.wDay);
    lignes.fichier = tr("File %1   %2")
                         .arg(locale.formattedDataSize(ecran.TailleFichier, 0,
                                                       QLocale::DataSizeTraditionalFormat),
                              locale.toString(date, QLocale::ShortFormat))
                         .toStdString();
  }
  const std::string* textes[6] = {&lignes.nom,     &lignes.fichier,  &lignes.format,
                                  &lignes.recoupe, &lignes.rotation, &lignes.reglage};
  for (int i = 0; i < 6; ++i) AfficheLigneEtat(m_pLignes[i], *textes[i]);
}

LignesRetouche CRetoucheDialog::Lignes() const {
  auto texte = [this](int i) { return m_pLignes[i]->text().toStdString(); };
  return LignesRetouche{texte(0), texte(1), texte(2), texte(3), texte(4), texte(5)};
}

void CRetoucheDialog::AfficheImage() {
  talvik::HBITMAP montre = m_hRendu;
  if (!montre.IsNull() && m_bAjuste) {
    const talvik::CSize taille = talvik::CGraphique::ConservationProportion(
        talvik::CSize(m_hRendu.Width(), m_hRendu.Height()), m_sizeBoite);
    montre = talvik::CGraphique::RedimensionneImage(m_hRendu, taille, 1);
  }
  if (montre.IsNull()) {
    m_hBoite.Reset();
    m_pBoite->clear();
    return;
  }
  const talvik::CPoint position((m_sizeBoite.cx - montre.Width()) / 2,
                                (m_sizeBoite.cy - montre.Height()) / 2);
  m_hBoite = talvik::CGraphique::FusionneImage(m_hFond, montre, position, 0, 0);
  const qreal echelle = m_pBoite->devicePixelRatioF();
  if (echelle == 1.0) {
    m_pBoite->setPixmap(talvik::PixmapQt(m_hBoite));
    return;
  }
  // A scaled display: the same box drawn again for its physical pixels,
  // the picture reduced from the full rendering rather than stretched
  // from the box's own pixels.
  const QSize physique = QSize(montre.Width(), montre.Height()) * echelle;
  QPixmap pixmap(QSize(m_sizeBoite.cx, m_sizeBoite.cy) * echelle);
  pixmap.setDevicePixelRatio(echelle);
  QPainter peintre(&pixmap);
  PeintFondBoite(peintre, m_sizeBoite.cx, m_sizeBoite.cy);
  peintre.drawImage(QRectF(position.x, position.y, montre.Width(), montre.Height()),
                    talvik::ImageQt(m_hRendu).scaled(physique, Qt::IgnoreAspectRatio,
                                                     Qt::SmoothTransformation));
  peintre.end();
  m_pBoite->setPixmap(pixmap);
}

void CRetoucheDialog::OnAjustement() {
  m_bAjuste = m_pAjuste->isChecked() ? 1 : 0;
  AfficheImage();
}

void CRetoucheDialog::OnImage() {
  if (m_hRendu.IsNull()) {
    talvik::Bip();
    return;
  }
  char taille[64];
  std::snprintf(taille, sizeof taille, "(%dx%d)", int(m_sizeFinale.cx), int(m_sizeFinale.cy));
  talvik::CPleinEcranDlg vue(window());
  vue.m_hImage = m_hRendu;
  vue.m_strTaille = taille;
  vue.InitInstance(nullptr);
  vue.exec();
}

void CRetoucheDialog::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CRetoucheDialog::dropEvent(QDropEvent* event) {
  QStringList fichiers;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) fichiers << url.toLocalFile();
  if (fichiers.isEmpty()) return;
  event->acceptProposedAction();
  emit fichiersDeposes(fichiers);
}

bool CRetoucheDialog::eventFilter(QObject* objet, QEvent* event) {
  if (objet == m_pBoite && event->type() == QEvent::MouseButtonRelease) {
    OnImage();
    return true;
  }
  return QWidget::eventFilter(objet, event);
}

}  // namespace lumaveil
