#include "dialogs/texte/texte_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstring>

#include "chaines.h"
#include "dialogs/apercu/plein_ecran.h"
#include "dialogs/apercu/rendu_differe.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/motifs/controles_nommes.h"
#include "dialogs/motifs/icones_decor.h"
#include "dialogs/texte/apercu_textes.h"
#include "dialogs/texte/mini_texte_dlg.h"
#include "dialogs/texte/police_qt.h"
#include "graphique.h"

namespace talvik {

namespace {

// The picture with the used texts drawn in order, at its real size.
HBITMAP DessineTextes(const HBITMAP& image, const T_TEXTE (&textes)[CTexteDlg::kNombreTextes]) {
  HBITMAP resultat = image;
  if (!resultat) return resultat;
  const CSize taille(image.Width(), image.Height());
  for (const T_TEXTE& texte : textes) {
    if (!texte.Utilisation) continue;
    HBITMAP suivant = CGraphique::EcritureTexteDansImage(
        resultat, texte.Libelle, CGraphique::CalculePositionTexte(texte, taille),
        texte.PositionAutomatiqueVerticale, texte.PositionAutomatiqueHorizontale,
        texte.CouleurEncre, texte.CouleurFond, texte.FondTransparent, texte.Fonte, texte.Relief);
    if (suivant) resultat = suivant;
  }
  return resultat;
}

}  // namespace

CTexteDlg::CTexteDlg(QWidget* parent)
    : CDialogueEditeur(parent, tr("Add text to picture"), IconeDecor(kIconeTexte),
                       tr("To add text to a picture allows to give some infomations "
                          "about it."),
                       tr("Select text by clicking on tab and input "
                          "characteristics.\nClick on picture to display it on full "
                          "screen.")) {
  auto* corps = new QHBoxLayout;
  m_pOnglets = new QTabWidget(this);
  m_pOnglets->setAccessibleName(tr("Texts"));
  corps->addWidget(m_pOnglets, 1);
  auto* droite = new QVBoxLayout;
  m_pZone = new CZoneApercu(TailleZoneApercu(), this);
  NommeImageBouton(m_pZone, tr("Full screen"));
  droite->addWidget(m_pZone);
  droite->addStretch(1);
  corps->addLayout(droite);
  Corps()->addLayout(corps);

  m_pRendu = new RenduDiffere([this](const HBITMAP& image) { m_pZone->Affiche(image); }, this);
  connect(m_pOnglets, &QTabWidget::currentChanged, this, &CTexteDlg::OnTexteSelection);
  connect(m_pZone, &CZoneApercu::clique, this, &CTexteDlg::OnPleinEcran);
}

CTexteDlg::~CTexteDlg() {
  delete m_pRendu;  // stops the worker before the picture goes
  m_pRendu = nullptr;
}

CMiniTexteDlg* CTexteDlg::Page(int i) const {
  return i >= 0 && i < kNombreTextes ? m_pPages[i] : nullptr;
}

void CTexteDlg::InitInstance(CGraphique* pGraphique) { m_pGraphique = pGraphique; }

void CTexteDlg::DesInitInstance() {
  if (m_pRendu) m_pRendu->Attend();
  for (CMiniTexteDlg*& page : m_pPages) {
    if (!page) continue;
    page->DesInitInstance();
    delete page;
    page = nullptr;
  }
}

void CTexteDlg::showEvent(QShowEvent* event) {
  if (!m_bInitialise) {
    m_bInitialise = true;
    OnInitDialog();
  }
  CDialogueEditeur::showEvent(event);
}

void CTexteDlg::OnInitDialog() {
  const QString titre = QString::fromStdString(ChargeChaine(IDS_TEXTE_NUMERO));
  for (int i = 0; i < kNombreTextes; ++i) {
    m_pPages[i] = new CMiniTexteDlg(m_pOnglets);
    m_pOnglets->addTab(m_pPages[i], QString(titre).replace(QStringLiteral("%d"),
                                                           QString::number(i + 1)));
    connect(m_pPages[i], &CMiniTexteDlg::ChangementTexte, this,
            &CTexteDlg::PriseEnCompteChangementTexte, Qt::QueuedConnection);
  }
  for (int i = 0; i < kNombreTextes; ++i) {
    m_bVide[i] = m_Textes[i].Libelle.empty();
    m_lfOuverture[i] = m_Textes[i].Fonte;
  }
  AfficheValeurs();
  for (int i = 0; i < kNombreTextes; ++i) m_pPages[i]->InitInstance(this, m_pGraphique, i == 0);
  m_pOnglets->setCurrentIndex(0);
  AfficheImage();
}

void CTexteDlg::AfficheValeurs() {
  for (int i = 0; i < kNombreTextes; ++i) {
    CMiniTexteDlg* page = m_pPages[i];
    if (!page) continue;
    const T_TEXTE& texte = m_Textes[i];
    page->m_strTexte = texte.Libelle;
    page->m_lfPolice = texte.Fonte;
    page->m_pAutomatique->setChecked(texte.PositionAutomatique != 0);
    page->m_pAbsolue->setChecked(texte.PositionAutomatique == 0);
    page->m_pHaut->setChecked(texte.PositionAutomatiqueVerticale == 0);
    page->m_pBas->setChecked(texte.PositionAutomatiqueVerticale != 0);
    page->m_pDroite->setChecked(texte.PositionAutomatiqueHorizontale == 1);
    page->m_pGauche->setChecked(texte.PositionAutomatiqueHorizontale == 0);
    page->m_pCentre->setChecked(texte.PositionAutomatiqueHorizontale != 0 &&
                                texte.PositionAutomatiqueHorizontale != 1);
    page->m_nDeltaX = texte.DeltaX;
    page->m_nDeltaY = texte.DeltaY;
    page->m_nAbsolueX = texte.AbsolueX;
    page->m_nAbsolueY = texte.AbsolueY;
    if (page->m_pCouleurEncre) page->m_pCouleurEncre->m_crCouleur = texte.CouleurEncre;
    if (page->m_pCouleurFond) {
      page->m_pCouleurFond->m_crCouleur = texte.CouleurFond;
      page->m_pCouleurFond->m_pTransparent->setChecked(texte.FondTransparent != 0);
    }
    page->m_nLargeur = m_nLargeur;
    page->m_nHauteur = m_nHauteur;
    page->m_nFormatDate = texte.FormatDate;
    page->m_nRelief = texte.Relief;
  }
}

void CTexteDlg::LectureValeurs() {
  for (int i = 0; i < kNombreTextes; ++i) {
    const CMiniTexteDlg* page = m_pPages[i];
    if (!page) continue;
    T_TEXTE& texte = m_Textes[i];
    // A new caption is sized for the screen, unless its font was chosen.
    if (m_bVide[i] && m_lfNouvelleLegende) {
      if (std::memcmp(&page->m_lfPolice, &m_lfOuverture[i], sizeof(LOGFONT)) != 0) {
        m_bVide[i] = false;  // the user chose one
      } else if (!page->m_strTexte.empty()) {
        m_pPages[i]->m_lfPolice = *m_lfNouvelleLegende;
        m_pPages[i]->AffichePolice();
        m_pPages[i]->FormateLeTexte();
        m_bVide[i] = false;
      }
    }
    texte.Utilisation = page->m_strTexte.empty() ? 0 : 1;
    texte.Libelle = page->m_strTexte;
    texte.Fonte = page->m_lfPolice;
    texte.PositionAutomatique = page->m_pAutomatique->isChecked() ? 1 : 0;
    texte.PositionAutomatiqueVerticale = page->m_pHaut->isChecked() ? 0 : 1;
    texte.PositionAutomatiqueHorizontale =
        page->m_pDroite->isChecked() ? 1 : page->m_pGauche->isChecked() ? 0 : 2;
    texte.DeltaX = page->m_nDeltaX;
    texte.DeltaY = page->m_nDeltaY;
    texte.AbsolueX = page->m_nAbsolueX;
    texte.AbsolueY = page->m_nAbsolueY;
    if (page->m_pCouleurEncre) texte.CouleurEncre = page->m_pCouleurEncre->m_crCouleur;
    if (page->m_pCouleurFond) {
      texte.CouleurFond = page->m_pCouleurFond->m_crCouleur;
      texte.FondTransparent = page->m_pCouleurFond->m_pTransparent->isChecked() ? 1 : 0;
    }
    texte.FormatDate = page->m_nFormatDate;
    texte.Relief = page->m_nRelief;
  }
}

CPoint CTexteDlg::CalculePositionTexte(const T_TEXTE& texte, CSize taille) const {
  return CGraphique::CalculePositionTexte(texte, taille);
}

void CTexteDlg::TextesDessines(T_TEXTE (&textes)[kNombreTextes]) const {
  std::copy(std::begin(m_Textes), std::end(m_Textes), textes);
  if (!m_fnLibelle) return;
  for (T_TEXTE& t : textes) {
    if (!t.Utilisation) continue;
    const std::optional<std::string> libelle = m_fnLibelle(t);
    if (libelle) t.Libelle = *libelle;
    else t.Utilisation = 0;
  }
}

HBITMAP CTexteDlg::Resultat() const {
  T_TEXTE textes[kNombreTextes];
  TextesDessines(textes);
  return DessineTextes(m_hImage, textes);
}

void CTexteDlg::AfficheImage() {
  // A picture larger than the area: reduced once, and only the texts'
  // boxes are drawn at full size (see ApercuTextes).
  if (m_hImage && !m_hImage.SameAs(m_hImageReduite)) {
    m_hImageReduite = m_hImage;
    const CSize propre(m_hImage.Width(), m_hImage.Height());
    const CSize taille = TailleReduite(propre, m_pZone->Taille());
    m_hReduite = taille == propre ? HBITMAP() : EchantillonneImage(m_hImage, taille);
  }
  T_TEXTE dessines[kNombreTextes];
  TextesDessines(dessines);
  m_pRendu->Demande([image = m_hImage, reduite = m_hReduite, textes = std::to_array(dessines)] {
    T_TEXTE copie[kNombreTextes];
    std::copy(textes.begin(), textes.end(), copie);
    if (!reduite) return DessineTextes(image, copie);
    return ApercuTextes(image, reduite, copie, kNombreTextes);
  });
}

void CTexteDlg::AttendApercu() { m_pRendu->Attend(); }

void CTexteDlg::PriseEnCompteChangementTexte() {
  LectureValeurs();
  AfficheImage();
}

void CTexteDlg::OnTexteSelection() {
  // QTabWidget shows the selected page and hides the others.
  if (CMiniTexteDlg* page = qobject_cast<CMiniTexteDlg*>(m_pOnglets->currentWidget()))
    page->EditTexte()->setFocus(Qt::OtherFocusReason);
}

void CTexteDlg::OnPleinEcran() {
  m_pRendu->Attend();
  OuvrePleinEcran(this, m_pGraphique, Resultat(), CString());
}

void CTexteDlg::ValeurDefaut() {
  const LOGFONT police = LogFontDe(font(), PointsParPouceEcran());
  for (T_TEXTE& texte : m_Textes) {
    const int verticale = texte.PositionAutomatiqueVerticale;
    texte = T_TEXTE();
    texte.Utilisation = 0;
    texte.Fonte = police;
    texte.PositionAutomatique = 0;
    texte.PositionAutomatiqueVerticale = verticale;
    texte.PositionAutomatiqueHorizontale = 0;
    texte.AbsolueX = texte.AbsolueY = 0;
    texte.DeltaX = texte.DeltaY = 20;
    texte.CouleurEncre = texte.CouleurFond = 0;
    texte.FondTransparent = 1;
  }
}

void CTexteDlg::OnReset() {
  ValeurDefaut();
  AfficheValeurs();
  for (CMiniTexteDlg* page : m_pPages) {
    if (!page) continue;
    page->AffichageGlobal();
    page->UpdateData(false);
  }
  AfficheImage();
}

void CTexteDlg::OnOK() {
  // A change posted by a page may still wait: the records take the pages
  // as they are now.
  LectureValeurs();
  accept();
}

}  // namespace talvik
