#include "dialogs/redimension/redimension_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <cstdio>

#include "dialogs/apercu/plein_ecran.h"
#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "graphique.h"
#include "raster/raster.h"

namespace talvik {

CRedimensionDlg::CRedimensionDlg(QWidget* parent)
    : CDialogueEditeur(parent, tr("Resizing a picture"), 1015,
                       tr("To resize a picture allows to decrease or increase size of it."),
                       tr("Modify size of image by selecting percent (%)  or select and input "
                          "absolute values (X,Y), in this case you can keep proportion ( KP ).\n\n"
                          "Click on picture to display it on full screen.")) {
  auto* ligne = new QHBoxLayout;
  auto* valeurs = new QGridLayout;
  m_pRadioPourcentage = new QRadioButton(QStringLiteral("%"), this);
  m_pRadioPourcentage->setAccessibleName(QStringLiteral("%"));
  m_pRadioTaille = new QRadioButton(QStringLiteral("X"), this);
  m_pRadioTaille->setAccessibleName(QStringLiteral("X"));
  auto* groupe = new QButtonGroup(this);
  groupe->addButton(m_pRadioPourcentage);
  groupe->addButton(m_pRadioTaille);

  m_pPourcentage = new CSpinEdition(this);
  m_pPourcentage->setAccessibleName(QStringLiteral("%"));
  m_pTailleX = new CSpinEdition(this);
  m_pTailleX->setAccessibleName(QStringLiteral("X"));
  m_pTailleY = new CSpinEdition(this);
  m_pTailleY->setAccessibleName(QStringLiteral("Y"));
  auto* lblX = new QLabel(QStringLiteral("X"), this);
  lblX->setBuddy(m_pTailleX);
  auto* lblY = new QLabel(QStringLiteral("Y"), this);
  lblY->setBuddy(m_pTailleY);
  m_pProportion = new QCheckBox(tr("KP"), this);
  m_pProportion->setAccessibleName(tr("KP"));
  // Fills the screen with the picture cut to its proportions around the
  // subject; the size is then the screen's, the other values wait.
  m_pRemplissage = new QCheckBox(tr("Fill the screen"), this);
  m_pRemplissage->setAccessibleName(tr("Fill the screen"));

  valeurs->addWidget(m_pRadioPourcentage, 0, 0);
  valeurs->addWidget(m_pPourcentage, 0, 1, 1, 2);
  valeurs->addWidget(m_pRadioTaille, 1, 0);
  valeurs->addWidget(lblX, 2, 0, Qt::AlignRight);
  valeurs->addWidget(m_pTailleX, 2, 1, 1, 2);
  valeurs->addWidget(lblY, 3, 0, Qt::AlignRight);
  valeurs->addWidget(m_pTailleY, 3, 1, 1, 2);
  valeurs->addWidget(m_pProportion, 4, 1, 1, 2);
  valeurs->addWidget(m_pRemplissage, 5, 0, 1, 3);
  valeurs->setRowStretch(6, 1);
  ligne->addLayout(valeurs);

  m_pZone = new CZoneApercu(TailleZoneApercu(), this);
  m_pZone->setAccessibleName(tr("Picture"));
  ligne->addWidget(m_pZone, 1, Qt::AlignCenter);
  Corps()->addLayout(ligne);

  m_timerAffichage.setSingleShot(true);
  m_timerAffichage.setInterval(0);
  connect(&m_timerAffichage, &QTimer::timeout, this, &CRedimensionDlg::AfficheImage);
  connect(m_pRadioPourcentage, &QRadioButton::toggled, this, [this] { OnChangeMode(); });
  connect(m_pPourcentage, &QSpinBox::valueChanged, this, &CRedimensionDlg::OnChangeValeurP);
  connect(m_pTailleX, &QSpinBox::valueChanged, this, &CRedimensionDlg::OnChangeValeurX);
  connect(m_pTailleY, &QSpinBox::valueChanged, this, &CRedimensionDlg::OnChangeValeurY);
  connect(m_pProportion, &QCheckBox::toggled, this, &CRedimensionDlg::OnConservationProportion);
  connect(m_pRemplissage, &QCheckBox::toggled, this, [this](bool coche) {
    if (!m_bPret) return;
    m_bRemplissage = coche ? 1 : 0;
    RestrictionAcces();
  });
  connect(m_pZone, &CZoneApercu::clique, this, &CRedimensionDlg::OnPleinEcran);
}

CRedimensionDlg::~CRedimensionDlg() = default;

void CRedimensionDlg::InitInstance(CGraphique* pGraphique) {
  m_pGraphique = pGraphique;
  m_dRapport = m_nHauteur > 0 ? double(m_nLargeur) / double(m_nHauteur) : 1.0;
}

CSize CRedimensionDlg::TailleResultat() const {
  if (m_bPourcentage) {
    return CSize(LONG(static_cast<long long>(m_nLargeur) * m_nPourcentage / 100),
                 LONG(static_cast<long long>(m_nHauteur) * m_nPourcentage / 100));
  }
  return CSize(m_nTailleX, m_nTailleY);
}

int CRedimensionDlg::ControleValeurs() const {
  const CSize t = TailleResultat();
  return t.cx > 0 && t.cy > 0 && t.cx <= kTailleRedimensionMax && t.cy <= kTailleRedimensionMax
             ? 1
             : 0;
}

void CRedimensionDlg::RestrictionAcces() {
  const bool libre = m_bRemplissage == 0;
  m_pRadioPourcentage->setEnabled(libre);
  m_pRadioTaille->setEnabled(libre);
  m_pPourcentage->setEnabled(libre && m_bPourcentage != 0);
  m_pTailleX->setEnabled(libre && m_bPourcentage == 0);
  m_pTailleY->setEnabled(libre && m_bPourcentage == 0);
  m_pProportion->setEnabled(libre && m_bPourcentage == 0);
}

void CRedimensionDlg::CalculProportion(bool bDepuisLargeur) {
  if (m_dRapport <= 0.0) return;
  if (bDepuisLargeur) {
    m_nTailleY = int(m_nTailleX / m_dRapport);
  } else {
    m_nTailleX = int(m_nTailleY * m_dRapport);
  }
}

void CRedimensionDlg::showEvent(QShowEvent* event) {
  if (!m_bInitialise) {
    m_bInitialise = true;
    OnInitDialog();
  }
  CDialogueEditeur::showEvent(event);
}

void CRedimensionDlg::OnInitDialog() {
  m_pPourcentage->FixePlage(1, m_nLargeur > 0 ? 200000 / m_nLargeur : 1);
  m_pTailleX->FixePlage(1, kTailleRedimensionMax);
  m_pTailleY->FixePlage(1, kTailleRedimensionMax);
  EcritValeurs();
  RestrictionAcces();
  AfficheImage();
  m_bPret = 1;
}

void CRedimensionDlg::EcritValeurs() {
  const int pret = m_bPret;
  m_bPret = 0;
  m_pRadioPourcentage->setChecked(m_bPourcentage != 0);
  m_pRadioTaille->setChecked(m_bPourcentage == 0);
  m_pPourcentage->setValue(m_nPourcentage);
  m_pTailleX->setValue(m_nTailleX);
  m_pTailleY->setValue(m_nTailleY);
  m_pProportion->setChecked(m_bConservationProportion != 0);
  m_pRemplissage->setChecked(m_bRemplissage != 0);
  m_bPret = pret;
}

void CRedimensionDlg::DemandeAffichage() { m_timerAffichage.start(); }

void CRedimensionDlg::OnChangeMode() {
  if (!m_bPret) return;
  m_bPourcentage = m_pRadioPourcentage->isChecked() ? 1 : 0;
  RestrictionAcces();
  DemandeAffichage();
}

void CRedimensionDlg::OnChangeValeurP() {
  if (!m_bPret) return;
  m_nPourcentage = m_pPourcentage->value();
  DemandeAffichage();
}

void CRedimensionDlg::OnChangeValeurX() {
  if (!m_bPret) return;
  m_nTailleX = m_pTailleX->value();
  if (m_bConservationProportion) {
    CalculProportion(true);
    m_bPret = 0;
    m_pTailleY->setValue(m_nTailleY);
    m_bPret = 1;
  }
  DemandeAffichage();
}

void CRedimensionDlg::OnChangeValeurY() {
  if (!m_bPret) return;
  m_nTailleY = m_pTailleY->value();
  if (m_bConservationProportion) {
    CalculProportion(false);
    m_bPret = 0;
    m_pTailleX->setValue(m_nTailleX);
    m_bPret = 1;
  }
  DemandeAffichage();
}

void CRedimensionDlg::OnConservationProportion() {
  if (!m_bPret) return;
  m_bConservationProportion = m_pProportion->isChecked() ? 1 : 0;
  if (!m_bConservationProportion) return;
  CalculProportion(true);
  EcritValeurs();
  DemandeAffichage();
}

void CRedimensionDlg::AfficheImage() {
  if (!ControleValeurs() || !m_hImage) return;
  const CSize t = TailleResultat();
  const CSize zone = m_pZone->Taille();
  // The resized picture at its true size, centred: drawn straight onto a
  // copy of the background, so that only the pixels that show are
  // computed (a result larger than the area is cut by its edges).
  HBITMAP apercu = CGraphique::DedoubleImage(m_pZone->Fond());
  if (!apercu) return;
  raster::StretchBlt(apercu, (zone.cx - t.cx) / 2, (zone.cy - t.cy) / 2, t.cx, t.cy, m_hImage, 0,
                     0, m_hImage.Width(), m_hImage.Height(), raster::COLORONCOLOR);
  m_pZone->AfficheComplet(std::move(apercu));
}

void CRedimensionDlg::ValeursInitiales() {
  m_nTailleX = m_nLargeur;
  m_nTailleY = m_nHauteur;
  m_bPourcentage = 1;
  m_nPourcentage = 100;
  m_bConservationProportion = 1;
  m_bRemplissage = 0;
}

void CRedimensionDlg::OnReset() {
  ValeursInitiales();
  RestrictionAcces();
  EcritValeurs();
  AfficheImage();
}

void CRedimensionDlg::OnPleinEcran() {
  if (!ControleValeurs()) {
    BipAttention();
    return;
  }
  const CSize t = TailleResultat();
  HBITMAP image = CGraphique::RedimensionneImage(m_hImage, t, 0);
  if (!image) return;
  char taille[96];
  std::snprintf(taille, sizeof taille, "(%dx%d) -> (%dx%d)", m_nLargeur, m_nHauteur, int(t.cx),
                int(t.cy));
  OuvrePleinEcran(this, m_pGraphique, image, taille);
}

void CRedimensionDlg::OnOK() {
  if (!m_bRemplissage && !ControleValeurs()) {
    OnReset();
    MessageValidationImpossible();
  }
  accept();
}

}  // namespace talvik
