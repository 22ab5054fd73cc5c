#include "dialogs/recoupe/recoupe_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <cstdio>

#include "dialogs/apercu/plein_ecran.h"
#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/recoupe/trace_recoupe.h"
#include "graphique.h"
#include "raster/raster.h"

namespace talvik {

namespace {
constexpr COLORREF kRougeContour = 0x000000FF;
}  // namespace

CRecoupeDlg::CRecoupeDlg(QWidget* parent)
    : CDialogueAvantApres(
          parent, tr("Cutting a picture"), 1014,
          tr("To cut a picture allows to keep only a special piece of it."),
          tr("Modify up-left point (X1,Y1) and down-right point (X2,Y2) from picture "
             "to cut it.\nClick on picture to display it on full screen.")) {
  auto* valeurs = new QGridLayout;
  const char* noms[4] = {"X1", "Y1", "X2", "Y2"};
  for (int i = 0; i < 4; ++i) {
    auto* etiquette = new QLabel(QString::fromLatin1(noms[i]), this);
    m_pEdition[i] = new CSpinEdition(this);
    m_pEdition[i]->setAccessibleName(etiquette->text());
    etiquette->setBuddy(m_pEdition[i]);
    const int ligne = i % 2, colonne = (i / 2) * 2;
    valeurs->addWidget(etiquette, ligne, colonne);
    valeurs->addWidget(m_pEdition[i], ligne, colonne + 1);
    connect(m_pEdition[i], &QSpinBox::valueChanged, this, &CRecoupeDlg::OnChangeValeurs);
  }
  valeurs->setColumnStretch(4, 1);
  Corps()->addLayout(valeurs);
  AjouteApercus();
  // The rectangle drawn on "Before" with the mouse: the edits follow.
  m_pTrace = new CTraceRecoupe(Zone(0), [this] { return m_rectRecoupe; });
  connect(m_pTrace, &CTraceRecoupe::rectangleChange, this, [this](RECT r) {
    m_rectRecoupe = r;
    EcritValeurs();
    DemandeAffichage(true);
  });
}

CRecoupeDlg::~CRecoupeDlg() = default;

void CRecoupeDlg::InitInstance(CGraphique* pGraphique) { m_pGraphique = pGraphique; }

int CRecoupeDlg::ControleValeurs() const {
  return m_rectRecoupe.left < m_rectRecoupe.right && m_rectRecoupe.top < m_rectRecoupe.bottom
             ? 1
             : 0;
}

void CRecoupeDlg::OnInitDialog() {
  Zone(0)->Prepare(m_hImage);
  Zone(1)->Prepare(m_hImage);
  m_pTrace->FixeTailleImage(m_nLargeur, m_nHauteur);
  m_pEdition[0]->FixePlage(0, m_nLargeur);
  m_pEdition[1]->FixePlage(0, m_nHauteur);
  m_pEdition[2]->FixePlage(0, m_nLargeur);
  m_pEdition[3]->FixePlage(0, m_nHauteur);
  EcritValeurs();
  m_bPret = 1;
  AfficheImage(0);
  AfficheImage(1);
}

void CRecoupeDlg::EcritValeurs() {
  m_bPret = 0;
  m_pEdition[0]->setValue(m_rectRecoupe.left);
  m_pEdition[1]->setValue(m_rectRecoupe.top);
  m_pEdition[2]->setValue(m_rectRecoupe.right);
  m_pEdition[3]->setValue(m_rectRecoupe.bottom);
  m_bPret = 1;
}

void CRecoupeDlg::OnChangeValeurs() {
  if (!m_bPret) return;
  m_rectRecoupe.left = m_pEdition[0]->value();
  m_rectRecoupe.top = m_pEdition[1]->value();
  m_rectRecoupe.right = m_pEdition[2]->value();
  m_rectRecoupe.bottom = m_pEdition[3]->value();
  DemandeAffichage(true);
}

RECT CRecoupeDlg::RectangleApercu(int i) const {
  const CSize taille = Zone(i)->TailleSource();
  const double fx = m_nLargeur > 0 ? double(taille.cx) / m_nLargeur : 0.0;
  const double fy = m_nHauteur > 0 ? double(taille.cy) / m_nHauteur : 0.0;
  RECT r;
  r.left = LONG(fx * m_rectRecoupe.left);
  r.top = LONG(fy * m_rectRecoupe.top);
  r.right = LONG(fx * m_rectRecoupe.right);
  r.bottom = LONG(fy * m_rectRecoupe.bottom);
  return r;
}

void CRecoupeDlg::AfficheImage(int i) {
  if (!ControleValeurs()) return;
  const HBITMAP& source = Zone(i)->Source();
  if (!source) return;
  const RECT r = RectangleApercu(i);
  if (i == 0) {
    Zone(0)->Affiche(CGraphique::RectangleImage(source, CRect(r), raster::PS_SOLID, 1,
                                                   kRougeContour));
    return;
  }
  // A crop narrower than one preview pixel still shows one pixel.
  const LONG cw = std::max<LONG>(1, r.right - r.left), ch = std::max<LONG>(1, r.bottom - r.top);
  // Centred on the area, a crop larger than the area is cut by its edges:
  // only the part that shows is made.
  const CSize zone = Zone(1)->Taille();
  const LONG px = (zone.cx - cw) / 2, py = (zone.cy - ch) / 2;
  const CPoint origine(r.left + std::max<LONG>(0, -px), r.top + std::max<LONG>(0, -py));
  const CSize visible(std::min(cw, zone.cx), std::min(ch, zone.cy));
  Zone(1)->Affiche(CGraphique::RecoupeImage(source, origine, visible, 0));
}

void CRecoupeDlg::OnReset() {
  m_rectRecoupe = RECT{0, 0, m_nLargeur, m_nHauteur};
  EcritValeurs();
  AfficheImage(0);
  AfficheImage(1);
}

void CRecoupeDlg::OnPleinEcranAvant() {
  if (!ControleValeurs()) {
    BipAttention();
    return;
  }
  HBITMAP image = CGraphique::RectangleImage(m_hImage, CRect(m_rectRecoupe), raster::PS_SOLID,
                                             1, kRougeContour);
  if (!image) return;
  char taille[64];
  std::snprintf(taille, sizeof taille, "(%dx%d)", m_nLargeur, m_nHauteur);
  OuvrePleinEcran(this, m_pGraphique, image, taille);
}

void CRecoupeDlg::OnPleinEcranApres() {
  if (!ControleValeurs()) {
    BipAttention();
    return;
  }
  const CRect r(m_rectRecoupe);
  HBITMAP image =
      CGraphique::RecoupeImage(m_hImage, CPoint(r.left, r.top), CSize(r.Width(), r.Height()), 0);
  if (!image) return;
  char taille[96];
  std::snprintf(taille, sizeof taille, "(%dx%d) -> (%dx%d)", m_nLargeur, m_nHauteur,
                int(r.Width()), int(r.Height()));
  OuvrePleinEcran(this, m_pGraphique, image, taille);
}

void CRecoupeDlg::OnOK() {
  if (!ControleValeurs()) {
    m_rectRecoupe = RECT{0, 0, m_nLargeur, m_nHauteur};
    EcritValeurs();
    MessageValidationImpossible();
  }
  accept();
}

}  // namespace talvik
