#include "dialogs/rotation/rotation_dlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs/apercu/plein_ecran.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/bouton_outil.h"
#include "graphique.h"

namespace talvik {

namespace {

QToolButton* BoutonRotation(QWidget* parent, int nIcone, const QString& texte) {
  auto* bouton = new CBoutonOutil(parent);
  bouton->setIcon(IconeEditeur(nIcone));
  bouton->setIconSize(QSize(32, 32));
  bouton->setText(texte);
  bouton->setToolTip(texte);
  bouton->setAccessibleName(texte);
  bouton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bouton->setCheckable(true);
  bouton->setAutoExclusive(false);
  bouton->setMinimumWidth(64);
  return bouton;
}

}  // namespace

CRotationDlg::CRotationDlg(QWidget* parent)
    : CDialogueEditeur(
          parent, tr("Rotating a picture"), 1016,
          tr("To rotate a picture allows to turn it for displaying in better position."),
          tr("Select rotating by clicking on left arrow  (-90°),  center (180°)  or "
             "right (90°).\nClick on picture to display it on full screen.")) {
  auto* ligne = new QHBoxLayout;
  auto* colonne = new QVBoxLayout;
  // The buttons name the true angles; the codes they store count half
  // degrees (-180, 360, 180).
  m_pGauche = BoutonRotation(this, 2001, QStringLiteral("-90°"));
  m_pInverse = BoutonRotation(this, 2002, QStringLiteral("180°"));
  m_pDroite = BoutonRotation(this, 2000, QStringLiteral("90°"));
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(m_pGauche);
  boutons->addWidget(m_pInverse);
  boutons->addWidget(m_pDroite);
  colonne->addStretch(1);
  colonne->addLayout(boutons);
  colonne->addStretch(1);
  ligne->addLayout(colonne);
  m_pZone = new CZoneApercu(TailleZoneApercu(), this);
  m_pZone->setAccessibleName(tr("Picture"));
  ligne->addWidget(m_pZone, 1, Qt::AlignCenter);
  Corps()->addLayout(ligne);

  connect(m_pGauche, &QToolButton::clicked, this, &CRotationDlg::OnRotationGauche);
  connect(m_pInverse, &QToolButton::clicked, this, &CRotationDlg::OnRotationInverse);
  connect(m_pDroite, &QToolButton::clicked, this, &CRotationDlg::OnRotationDroite);
  connect(m_pZone, &CZoneApercu::clique, this, &CRotationDlg::OnPleinEcran);
}

CRotationDlg::~CRotationDlg() = default;

void CRotationDlg::InitInstance(CGraphique* pGraphique) { m_pGraphique = pGraphique; }

QToolButton* CRotationDlg::Bouton(int nAngle) const {
  switch (nAngle) {
    case -180: return m_pGauche;
    case 360: return m_pInverse;
    case 180: return m_pDroite;
    default: return nullptr;
  }
}

void CRotationDlg::showEvent(QShowEvent* event) {
  if (!m_bInitialise) {
    m_bInitialise = true;
    OnInitDialog();
  }
  CDialogueEditeur::showEvent(event);
}

void CRotationDlg::OnInitDialog() {
  m_pZone->Prepare(m_hImage);
  AfficheImage();
  MiseAJourBoutons();
}

void CRotationDlg::MiseAJourBoutons() {
  m_pGauche->setChecked(m_nAngle == -180);
  m_pInverse->setChecked(m_nAngle == 360);
  m_pDroite->setChecked(m_nAngle == 180);
}

void CRotationDlg::AfficheImage() {
  const HBITMAP& source = m_pZone->Source();
  if (!source) return;
  if (m_nAngle == 0) {
    m_pZone->Affiche(source);
    return;
  }
  HBITMAP tournee = CGraphique::RotationImage(source, m_nAngle);
  if (!tournee) return;
  const CSize taille(tournee.Width(), tournee.Height());
  const CSize reduite = TailleReduite(taille, m_pZone->Taille());
  if (!(reduite == taille)) tournee = CGraphique::RedimensionneImage(tournee, reduite, 1);
  m_pZone->Affiche(tournee);
}

void CRotationDlg::OnRotationGauche() {
  m_nAngle = m_nAngle == -180 ? 0 : -180;
  MiseAJourBoutons();
  AfficheImage();
}

void CRotationDlg::OnRotationInverse() {
  m_nAngle = m_nAngle == 360 ? 0 : 360;
  MiseAJourBoutons();
  AfficheImage();
}

void CRotationDlg::OnRotationDroite() {
  m_nAngle = m_nAngle == 180 ? 0 : 180;
  MiseAJourBoutons();
  AfficheImage();
}

void CRotationDlg::OnReset() {
  m_nAngle = 0;
  MiseAJourBoutons();
  AfficheImage();
}

void CRotationDlg::OnPleinEcran() {
  if (!m_hImage) return;
  HBITMAP image = m_hImage;
  if (m_nAngle != 0) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    image = CGraphique::RotationImage(m_hImage, m_nAngle);
    QApplication::restoreOverrideCursor();
    if (!image) return;
  }
  OuvrePleinEcran(this, m_pGraphique, image, CString());
}

}  // namespace talvik
