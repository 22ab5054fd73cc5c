#include "dialogs/motifs/dialogue_motifs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/apercu/plein_ecran.h"
#include "dialogs/apercu/rendu_differe.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/motifs/controles_nommes.h"
#include "dialogs/motifs/liste_motifs.h"
#include "graphique.h"

namespace talvik {

CDialogueMotifs::CDialogueMotifs(QWidget* parent, const QString& titre, int nIcone,
                                 const QString& texte, const QString& aide)
    : CDialogueEditeur(parent, titre, nIcone, texte, aide) {
  m_pListe = new ListeMotifs(tr("Pattern"), this);
  m_pZone = new CZoneApercu(TailleZoneApercu(), this);
  NommeImageBouton(m_pZone, tr("Full screen"));
  m_pAjout = BoutonNomme(tr("Add pattern"), this);
  m_pEfface = BoutonNomme(tr("Delete pattern"), this);
  m_pRendu = new RenduDiffere([this](const HBITMAP& image) { m_pZone->Affiche(image); }, this);

  connect(m_pListe, &QListWidget::itemSelectionChanged, this, &CDialogueMotifs::OnSelectionType);
  connect(m_pZone, &CZoneApercu::clique, this, &CDialogueMotifs::OnPleinEcran);
  connect(m_pAjout, &QPushButton::clicked, this, &CDialogueMotifs::OnAjoutMotifUtilisateur);
  connect(m_pEfface, &QPushButton::clicked, this, &CDialogueMotifs::OnEffaceMotifUtilisateur);
}

CDialogueMotifs::~CDialogueMotifs() {
  // The worker reads the picture and the bank: it stops before they go.
  delete m_pRendu;
  m_pRendu = nullptr;
}

QVBoxLayout* CDialogueMotifs::CadreTypes(const QString& titre,
                                         std::initializer_list<QRadioButton*> types,
                                         std::initializer_list<int> ids) {
  QGroupBox* cadre = CadreNomme(titre, this);
  auto* groupe = new QButtonGroup(this);
  auto* disposition = new QVBoxLayout(cadre);
  const int* id = ids.begin();
  for (QRadioButton* type : types) {
    groupe->addButton(type, id != ids.end() ? *id++ : -1);
    disposition->addWidget(type);
  }
  connect(groupe, &QButtonGroup::idClicked, this,
          [this](int id) { OnChangeAcces(unsigned(id)); });
  return disposition;
}

QGroupBox* CDialogueMotifs::CadreListe() {
  QGroupBox* cadre = CadreNomme(tr("Pattern"), this);
  (new QVBoxLayout(cadre))->addWidget(m_pListe);
  return cadre;
}

CCouleurDlg* CDialogueMotifs::CadreChoixCouleur(const QString& titre, QGroupBox*& cadre) {
  cadre = CadreNomme(titre, this);
  auto* choix = new CCouleurDlg(cadre);
  (new QVBoxLayout(cadre))->addWidget(choix, 0, Qt::AlignLeft);
  return choix;
}

void CDialogueMotifs::DisposeCorps(QLayout* gauche) {
  auto* corps = new QHBoxLayout;
  corps->addLayout(gauche, 1);
  corps->addLayout(ColonneApercu());
  Corps()->addLayout(corps);
}

QLayout* CDialogueMotifs::ColonneApercu() {
  auto* colonne = new QVBoxLayout;
  colonne->addWidget(m_pZone);
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(m_pAjout);
  boutons->addWidget(m_pEfface);
  boutons->addStretch(1);
  colonne->addLayout(boutons);
  colonne->addStretch(1);
  return colonne;
}

void CDialogueMotifs::InitInstance(CGraphique* pGraphique) {
  m_pGraphique = pGraphique;
  if (m_pGraphique) m_pListe->Remplit(*m_pGraphique);
}

void CDialogueMotifs::showEvent(QShowEvent* event) {
  if (!m_bInitialise) {
    m_bInitialise = true;
    OnInitDialog();
  }
  CDialogueEditeur::showEvent(event);
}

void CDialogueMotifs::SelectionneMotif() {
  const QSignalBlocker bloque(m_pListe);
  m_pListe->Selectionne(m_nMotif);
}

void CDialogueMotifs::DemandeApercu(std::function<HBITMAP()> resultat) {
  m_pRendu->Demande([resultat = std::move(resultat), zone = m_pZone->Taille()] {
    HBITMAP image = resultat();
    if (!image) return image;
    const CSize propre(image.Width(), image.Height());
    const CSize reduite = TailleReduite(propre, zone);
    return reduite == propre ? image : CGraphique::RedimensionneImage(image, reduite, 1);
  });
}

void CDialogueMotifs::AttendApercu() { m_pRendu->Attend(); }

void CDialogueMotifs::OnSelectionType() {
  if (!m_bPret) return;
  const int choix = m_pListe->Selection();
  if (choix == -1) SelectionneMotif();
  else m_nMotif = choix;
  AfficheImage();
}

void CDialogueMotifs::OnPleinEcran() {
  m_pRendu->Attend();  // the result is built here, never beside the worker
  OuvrePleinEcran(this, m_pGraphique, Resultat(), CString());
}

void CDialogueMotifs::OnAjoutMotifUtilisateur() {
  if (!m_pGraphique) return;
  m_pRendu->Attend();  // the worker must not read the bank while it changes
  const int n = AjouteMotifUtilisateur(this, *m_pGraphique, *m_pListe, m_nFiltre);
  if (n == -1) return;
  m_nMotif = n;
  SelectionneMotif();
  AfficheImage();
}

void CDialogueMotifs::OnEffaceMotifUtilisateur() {
  if (!m_pGraphique) return;
  m_pRendu->Attend();
  int n = -1;
  {
    const QSignalBlocker bloque(m_pListe);
    n = EffaceMotifUtilisateur(this, *m_pGraphique, *m_pListe, m_nMotif);
  }
  if (n == -1) return;
  m_nMotif = n;
  SelectionneMotif();
  AfficheImage();
}

}  // namespace talvik
