#include "panneaux/retouche_dialog.h"

#include <QCheckBox>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdio>

#include "commun/langue.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "dialogs/commun/plein_ecran_dlg.h"
#include "panneaux/boite_ecran.h"
#include "panneaux/bouton_image.h"

namespace lumaveil {

namespace {

QLabel* Ligne(QWidget* parent, const QString& nom) {
  QLabel* ligne = NouvelleLigneEtat(parent);
  ligne->setObjectName(nom);
  return ligne;
}

}  // namespace

CRetoucheDialog::CRetoucheDialog(QWidget* parent) : QWidget(parent) {
  setAcceptDrops(true);

  m_pBoite = new CBoiteEcran(this);
  m_pBoite->setObjectName("BoiteEcran");
  m_pBoite->setAcceptDrops(true);
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

  // The picture above its commands (in the main window the picture itself
  // stands beside the panels, out of this layout).
  auto* tout = new QVBoxLayout(this);
  // The group box around the panel gives its margins.
  tout->setContentsMargins(0, 0, 0, 0);
  tout->addLayout(image);
  tout->addLayout(commandes, 1);

  connect(m_pAjuste, &QCheckBox::clicked, this, &CRetoucheDialog::OnAjustement);
}

CRetoucheDialog::~CRetoucheDialog() = default;

void CRetoucheDialog::Rafraichit(const CEcran& ecran, bool enChargement) {
  m_hRendu = ecran.ImageFinale;
  m_sizeFinale = ecran.TailleFinale;
  m_pBoite->Montre(m_hRendu, QSize(int(ecran.TailleCible.cx), int(ecran.TailleCible.cy)));
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

talvik::HBITMAP CRetoucheDialog::ImageBoite() const { return m_pBoite->Composee(); }

void CRetoucheDialog::OnAjustement() {
  m_bAjuste = m_pAjuste->isChecked() ? 1 : 0;
  m_pBoite->FixeAjuste(m_bAjuste != 0);
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

void CRetoucheDialog::dropEvent(QDropEvent* event) { Depose(event); }

bool CRetoucheDialog::Depose(QDropEvent* event) {
  QStringList fichiers;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) fichiers << url.toLocalFile();
  if (fichiers.isEmpty()) return false;
  event->acceptProposedAction();
  emit fichiersDeposes(fichiers);
  return true;
}

bool CRetoucheDialog::eventFilter(QObject* objet, QEvent* event) {
  if (objet != m_pBoite) return QWidget::eventFilter(objet, event);
  switch (event->type()) {
    case QEvent::MouseButtonRelease:
      OnImage();
      return true;
    // The box may sit elsewhere in the window: what is dropped on it comes
    // here all the same.
    case QEvent::DragEnter:
    case QEvent::DragMove:
      if (static_cast<QDragMoveEvent*>(event)->mimeData()->hasUrls())
        static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
      return true;
    case QEvent::Drop:
      Depose(static_cast<QDropEvent*>(event));
      return true;
    default:
      return QWidget::eventFilter(objet, event);
  }
}

}  // namespace lumaveil
