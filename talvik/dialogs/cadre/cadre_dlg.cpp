#include "dialogs/cadre/cadre_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/apercu/echantillon.h"
#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/cadre/apercu_cadre.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/echange/echange_donnees.h"
#include "dialogs/motifs/controles_nommes.h"
#include "dialogs/motifs/icones_decor.h"
#include "dialogs/motifs/liste_motifs.h"
#include "graphique.h"

namespace talvik {

CCadreDlg::CCadreDlg(QWidget* parent)
    : CDialogueMotifs(parent, tr("Add a border to picture"), IconeDecor(kIconeCadre),
                      tr("To add a border to a picture allows to give a nicer "
                         "picture."),
                      tr("Select border typ : pattern or color with/without "
                         "borderline. \nClick on picture to display it on full "
                         "screen.")) {
  auto* gauche = new QVBoxLayout;

  auto* ligneHaut = new QHBoxLayout;
  m_pAucun = RadioNomme(tr("None"), this);
  m_pMotif = RadioNomme(tr("Border with pattern"), this);
  m_pCouleur = RadioNomme(tr("Border with color"), this);
  QVBoxLayout* types = CadreTypes(tr("Border typ"), {m_pAucun, m_pMotif, m_pCouleur},
                                  {ID_AUCUN, ID_MOTIF, ID_COULEUR});
  m_pBordure = CaseNommee(tr("Borderline"), this);
  auto* decale = new QHBoxLayout;
  decale->addSpacing(20);
  decale->addWidget(m_pBordure);
  types->addLayout(decale);
  ligneHaut->addWidget(m_pAucun->parentWidget());

  auto* cadreEpaisseur = CadreNomme(tr("Thickness"), this);
  m_pEpaisseur = new CSpinEdition(cadreEpaisseur);
  m_pEpaisseur->FixePlage(kEpaisseurMin, kEpaisseurMax);
  m_pEpaisseur->setAccessibleName(tr("Thickness"));
  auto* epaisseur = new QVBoxLayout(cadreEpaisseur);
  epaisseur->addWidget(m_pEpaisseur);
  epaisseur->addStretch(1);
  ligneHaut->addWidget(cadreEpaisseur);
  gauche->addLayout(ligneHaut);

  gauche->addWidget(CadreListe(), 1);

  auto* couleurs = new QHBoxLayout;
  m_pChoixCouleur = CadreChoixCouleur(tr("Border color"), m_pCadreCouleur);
  m_pChoixBordure = CadreChoixCouleur(tr("Borderline color"), m_pCadreBordure);
  couleurs->addWidget(m_pCadreCouleur);
  couleurs->addWidget(m_pCadreBordure);
  gauche->addLayout(couleurs);
  DisposeCorps(gauche);

  connect(m_pBordure, &QCheckBox::clicked, this, &CCadreDlg::OnChangeAcces2);
  SurChangement(*m_pEpaisseur, this, [this] {
    if (!m_bEcriture) OnChangeAcces2();
  });
  for (CCouleurDlg* choix : {m_pChoixCouleur, m_pChoixBordure})
    connect(choix, &CCouleurDlg::ChangementCouleur, this,
            &CCadreDlg::PriseEnCompteChangementCouleur, Qt::QueuedConnection);
}

CCadreDlg::~CCadreDlg() = default;

void CCadreDlg::DesInitInstance() {
  AttendApercu();
  m_pListe->clear();
  delete m_pChoixCouleur;
  m_pChoixCouleur = nullptr;
  delete m_pChoixBordure;
  m_pChoixBordure = nullptr;
}

void CCadreDlg::OnInitDialog() {
  if (m_nMotif != -1) SelectionneMotif();
  if (m_pChoixCouleur && m_pChoixBordure) {
    m_pChoixCouleur->m_crCouleur = m_crCouleur;
    m_pChoixCouleur->InitInstance(this, m_pGraphique, CCouleurDlg::MODE_SANS_TRANSPARENT);
    m_pChoixBordure->m_crCouleur = m_crCouleurBordure;
    m_pChoixBordure->InitInstance(this, m_pGraphique, CCouleurDlg::MODE_SANS_TRANSPARENT);
  }
  m_pAucun->setChecked(m_bAucun != 0);
  m_pMotif->setChecked(m_bMotif != 0);
  m_pCouleur->setChecked(m_bCouleur != 0);
  m_pBordure->setChecked(m_bBordure != 0);
  RestrictionAcces();
  AfficheImage();
  UpdateData(false);
  m_bPret = 1;
}

bool CCadreDlg::UpdateData(bool bSauve) {
  if (!bSauve) {
    m_bEcriture = true;
    if (m_pEpaisseur->cleanText() != QString::number(m_nEpaisseur)) {
      // A field left empty keeps its old value: set another one first so
      // that the text is written again.
      m_pEpaisseur->setValue(m_nEpaisseur + 1);
      m_pEpaisseur->setValue(m_nEpaisseur);
    }
    m_bEcriture = false;
    return true;
  }
  return EchangeEntier(*m_pEpaisseur, m_nEpaisseur) &&
         VerifieEntier(*m_pEpaisseur, m_nEpaisseur, kEpaisseurMin, kEpaisseurMax);
}

void CCadreDlg::RestrictionAcces() {
  const bool aucun = m_pAucun->isChecked();
  const bool couleur = m_pCouleur->isChecked();
  m_pListe->setEnabled(!aucun && m_pMotif->isChecked());
  m_pEpaisseur->setEnabled(!aucun);
  m_pCadreCouleur->setEnabled(!aucun && couleur);
  m_pCadreBordure->setEnabled(!aucun && m_pBordure->isChecked());
  m_pBordure->setEnabled(!aucun && couleur);
}

COLORREF CCadreDlg::CouleurChoisie() const {
  return m_pChoixCouleur ? m_pChoixCouleur->m_crCouleur : m_crCouleur;
}

COLORREF CCadreDlg::CouleurTraitChoisie() const {
  return m_pChoixBordure ? m_pChoixBordure->m_crCouleur : m_crCouleurBordure;
}

HBITMAP CCadreDlg::Resultat() {
  if (m_pAucun->isChecked() || !m_pGraphique) return m_hImage;
  return m_pGraphique->CadreImage(m_hImage, m_pMotif->isChecked() ? 1 : 0, m_nMotif,
                                  CouleurChoisie(), m_nEpaisseur,
                                  m_pBordure->isChecked() ? 1 : 0, CouleurTraitChoisie(),
                                  m_nExtension);
}

void CCadreDlg::AfficheImage() {
  if (!m_pGraphique) return;
  const ParametresCadre cadre{m_pMotif->isChecked() ? 1 : 0, m_nMotif, CouleurChoisie(),
                              m_nEpaisseur, m_pBordure->isChecked() ? 1 : 0,
                              CouleurTraitChoisie(), m_nExtension};
  // Reduced as it is made: the border is never drawn around the whole picture.
  DemandeApercu([graphique = m_pGraphique, image = m_hImage, aucun = m_pAucun->isChecked(),
                 cadre, zone = Apercu()->Taille()] {
    if (!image) return image;
    const CSize propre(image.Width(), image.Height());
    if (aucun) return EchantillonneImage(image, TailleReduite(propre, zone));
    return ApercuCadre(*graphique, image, cadre, TailleReduite(TailleCadre(propre, cadre), zone));
  });
}

void CCadreDlg::OnChangeAcces(unsigned) {
  if (!m_bPret) return;
  UpdateData(true);
  RestrictionAcces();
  AfficheImage();
  UpdateData(false);
}

void CCadreDlg::OnChangeAcces2() {
  if (!m_bPret) return;
  OnChangeAcces(ID_BORDURE);
}

void CCadreDlg::PriseEnCompteChangementCouleur() {
  if (!m_bPret || !m_pChoixCouleur || !m_pChoixBordure) return;
  m_crCouleur = m_pChoixCouleur->m_crCouleur;
  m_crCouleurBordure = m_pChoixBordure->m_crCouleur;
  AfficheImage();
}

void CCadreDlg::OnReset() {
  m_pAucun->setChecked(true);
  m_pMotif->setChecked(false);
  m_pCouleur->setChecked(false);
  m_pBordure->setChecked(false);
  m_nEpaisseur = 5;
  UpdateData(false);
  for (CCouleurDlg* choix : {m_pChoixCouleur, m_pChoixBordure}) {
    if (!choix) continue;
    choix->ValeurDefaut();
    choix->OnCouleurBase(CCouleurDlg::ID_HEX);
  }
  if (m_pChoixCouleur) m_crCouleur = m_pChoixCouleur->m_crCouleur;
  if (m_pChoixBordure) m_crCouleurBordure = m_pChoixBordure->m_crCouleur;
  AfficheImage();
}

void CCadreDlg::OnOK() {
  // An invalid thickness keeps the dialog open after its message.
  if (!UpdateData(true)) return;
  m_bAucun = m_pAucun->isChecked() ? 1 : 0;
  m_bMotif = m_pMotif->isChecked() ? 1 : 0;
  m_bCouleur = m_pCouleur->isChecked() ? 1 : 0;
  m_bBordure = m_pBordure->isChecked() ? 1 : 0;
  m_crCouleur = CouleurChoisie();
  m_crCouleurBordure = CouleurTraitChoisie();
  accept();
}

}  // namespace talvik
