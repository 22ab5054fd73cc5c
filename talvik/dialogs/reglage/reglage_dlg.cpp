#include "dialogs/reglage/reglage_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

#include "dialogs/apercu/plein_ecran.h"
#include "dialogs/apercu/zone_apercu.h"
#include "graphique.h"

namespace talvik {

CReglageDlg::CReglageDlg(QWidget* parent)
    : CDialogueAvantApres(
          parent, tr("Color adjustment to picture"), 1018,
          tr("To adjust color to a picture allows to improve clearness and clarte of "
             "it (like you want)."),
          tr("Slide cursors from left to right to adjust light, contrast and "
             "intensity.\n\nClick on picture to display it on full screen.")) {
  auto* curseurs = new QGridLayout;
  const char* noms[3] = {QT_TR_NOOP("Light"), QT_TR_NOOP("Contrast"), QT_TR_NOOP("Intensity")};
  for (int i = 0; i < 3; ++i) {
    auto* etiquette = new QLabel(tr(noms[i]), this);
    m_pCurseur[i] = new QSlider(Qt::Horizontal, this);
    m_pCurseur[i]->setRange(0, 100);
    m_pCurseur[i]->setPageStep(10);
    m_pCurseur[i]->setTickPosition(QSlider::TicksBelow);
    m_pCurseur[i]->setTickInterval(10);
    m_pCurseur[i]->setAccessibleName(etiquette->text());
    etiquette->setBuddy(m_pCurseur[i]);
    m_pValeur[i] = new QLabel(this);
    m_pValeur[i]->setMinimumWidth(m_pValeur[i]->fontMetrics().horizontalAdvance("0000"));
    m_pValeur[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    curseurs->addWidget(etiquette, i, 0);
    curseurs->addWidget(m_pCurseur[i], i, 1);
    curseurs->addWidget(m_pValeur[i], i, 2);
    connect(m_pCurseur[i], &QSlider::valueChanged, this, [this] { OnHScroll(); });
  }
  curseurs->setColumnStretch(1, 1);
  Corps()->addLayout(curseurs);
  AjouteApercus();
}

CReglageDlg::~CReglageDlg() = default;

void CReglageDlg::InitInstance(CGraphique* pGraphique) { m_pGraphique = pGraphique; }

void CReglageDlg::OnInitDialog() {
  Zone(0)->Prepare(m_hImage);
  Zone(1)->Prepare(m_hImage);
  EcritValeurs();
  AfficheImage(0);
  AfficheImage(1);
}

void CReglageDlg::EcritValeurs() {
  m_bEcriture = true;
  const int valeurs[3] = {m_nLumiere, m_nContraste, m_nIntensite};
  for (int i = 0; i < 3; ++i) {
    m_pCurseur[i]->setValue(valeurs[i]);
    m_pValeur[i]->setText(QString::number(valeurs[i]));
    m_pValeur[i]->setAccessibleName(m_pValeur[i]->text());
  }
  m_bEcriture = false;
}

void CReglageDlg::OnHScroll() {
  if (m_bEcriture) return;
  const int lumiere = m_pCurseur[0]->value();
  const int contraste = m_pCurseur[1]->value();
  const int intensite = m_pCurseur[2]->value();
  if (lumiere == m_nLumiere && contraste == m_nContraste && intensite == m_nIntensite) return;
  m_nLumiere = lumiere;
  m_nContraste = contraste;
  m_nIntensite = intensite;
  EcritValeurs();
  // Moves of the thumbs are gathered: "After" is redrawn once they are in.
  DemandeAffichage(false);
}

void CReglageDlg::AfficheImage(int i) {
  const HBITMAP& source = Zone(i)->Source();
  if (!source) return;
  if (i == 0 || Neutre()) {
    Zone(i)->Affiche(source);
    return;
  }
  Zone(1)->Affiche(CGraphique::ReglageImage(source, m_nLumiere, m_nContraste, m_nIntensite));
}

void CReglageDlg::OnReset() {
  m_nLumiere = 50;
  m_nContraste = 50;
  m_nIntensite = 50;
  EcritValeurs();
  AfficheImage(1);
}

void CReglageDlg::OnPleinEcranAvant() {
  if (!m_hImage) return;
  OuvrePleinEcran(this, m_pGraphique, m_hImage, CString());
}

void CReglageDlg::OnPleinEcranApres() {
  if (!m_hImage) return;
  HBITMAP image = m_hImage;
  if (!Neutre()) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    image = CGraphique::ReglageImage(m_hImage, m_nLumiere, m_nContraste, m_nIntensite);
    QApplication::restoreOverrideCursor();
    if (!image) return;
  }
  OuvrePleinEcran(this, m_pGraphique, image, CString());
}

}  // namespace talvik
