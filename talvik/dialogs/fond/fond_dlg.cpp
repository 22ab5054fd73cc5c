#include "dialogs/fond/fond_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/motifs/controles_nommes.h"
#include "dialogs/motifs/icones_decor.h"
#include "dialogs/motifs/liste_motifs.h"
#include "composition/flou_fond.h"
#include "graphique.h"

namespace talvik {

CFondDlg::CFondDlg(QWidget* parent)
    : CDialogueMotifs(parent, tr("Background definitiion"), IconeDecor(kIconeFond),
                      tr("To add a background to a picture allows to give some "
                         "relief to it."),
                      tr("Select background typ : pattern ord color.\nClick on "
                         "picture to display it on full screen.")) {
  m_sizeEcran = CGraphique::RetourneTailleEcran(&m_nBits);

  auto* gauche = new QVBoxLayout;

  m_pAucun = RadioNomme(tr("Motif"), this);
  m_pAucun->hide();
  m_pMotif = RadioNomme(tr("Background with pattern"), this);
  m_pCouleur = RadioNomme(tr("Background with color"), this);
  m_pFlou = RadioNomme(tr("Blurred photo"), this);
  CadreTypes(tr("Background typ"), {m_pAucun, m_pMotif, m_pCouleur, m_pFlou},
             {ID_AUCUN, ID_MOTIF, ID_COULEUR, ID_FLOU});
  gauche->addWidget(m_pAucun->parentWidget());
  gauche->addWidget(CadreListe(), 1);
  m_pChoixCouleur = CadreChoixCouleur(tr("Color"), m_pCadreCouleur);
  gauche->addWidget(m_pCadreCouleur);
  DisposeCorps(gauche);

  connect(m_pChoixCouleur, &CCouleurDlg::ChangementCouleur, this,
          &CFondDlg::PriseEnCompteChangementCouleur, Qt::QueuedConnection);
}

CFondDlg::~CFondDlg() = default;

void CFondDlg::DesInitInstance() {
  AttendApercu();
  m_pListe->clear();
  delete m_pChoixCouleur;
  m_pChoixCouleur = nullptr;
}

void CFondDlg::OnInitDialog() {
  if (m_nMotif != -1) SelectionneMotif();
  if (m_pChoixCouleur) {
    m_pChoixCouleur->m_crCouleur = m_crCouleur;
    m_pChoixCouleur->InitInstance(this, m_pGraphique, CCouleurDlg::MODE_SANS_TRANSPARENT);
  }
  m_pAucun->setChecked(m_bAucun != 0);
  m_pMotif->setChecked(m_bMotif != 0);
  m_pCouleur->setChecked(m_bCouleur != 0 && m_bFlou == 0);
  m_pFlou->setChecked(m_bFlou != 0);
  RestrictionAcces();
  AfficheImage();
  m_bPret = 1;
}

void CFondDlg::RestrictionAcces() {
  const bool aucun = m_pAucun->isChecked();
  m_pListe->setEnabled(!aucun && m_pMotif->isChecked());
  m_pCadreCouleur->setEnabled(!aucun && m_pCouleur->isChecked());
}

COLORREF CFondDlg::CouleurChoisie() const {
  return m_pChoixCouleur ? m_pChoixCouleur->m_crCouleur : m_crCouleur;
}

HBITMAP CFondDlg::Resultat() {
  if (m_pAucun->isChecked() || !m_pGraphique) return m_hImage;
  if (m_pFlou->isChecked() && m_hImage) return FondFlouImage(m_sizeEcran, m_hImage, 0, 0);
  return m_pGraphique->FondImage(m_sizeEcran, m_nBits, m_hImage, m_pMotif->isChecked() ? 1 : 0,
                                 m_nMotif, CouleurChoisie(), 0, 0);
}

void CFondDlg::AfficheImage() {
  if (!m_pGraphique) return;
  DemandeApercu([graphique = m_pGraphique, image = m_hImage, taille = m_sizeEcran,
                 bits = m_nBits, aucun = m_pAucun->isChecked(),
                 motif = m_pMotif->isChecked() ? 1 : 0, nMotif = m_nMotif,
                 couleur = CouleurChoisie(), flou = m_pFlou->isChecked() && m_hImage] {
    if (aucun) return image;
    if (flou) return FondFlouImage(taille, image, 0, 0);
    return graphique->FondImage(taille, bits, image, motif, nMotif, couleur, 0, 0);
  });
}

void CFondDlg::OnChangeAcces(unsigned) {
  if (!m_bPret) return;
  RestrictionAcces();
  AfficheImage();
}

void CFondDlg::PriseEnCompteChangementCouleur() {
  if (!m_bPret || !m_pChoixCouleur) return;
  m_crCouleur = m_pChoixCouleur->m_crCouleur;
  AfficheImage();
}

void CFondDlg::OnReset() {
  m_pAucun->setChecked(false);
  m_pMotif->setChecked(false);
  m_pCouleur->setChecked(true);
  m_pFlou->setChecked(false);
  if (m_pChoixCouleur) {
    m_pChoixCouleur->ValeurDefaut();
    m_pChoixCouleur->OnCouleurBase(CCouleurDlg::ID_HEX);
    m_crCouleur = m_pChoixCouleur->m_crCouleur;
  }
  AfficheImage();
}

void CFondDlg::OnOK() {
  m_bAucun = m_pAucun->isChecked() ? 1 : 0;
  m_bMotif = m_pMotif->isChecked() ? 1 : 0;
  m_bCouleur = m_pCouleur->isChecked() ? 1 : 0;
  m_bFlou = m_pFlou->isChecked() ? 1 : 0;
  m_crCouleur = CouleurChoisie();
  accept();
}

}  // namespace talvik
