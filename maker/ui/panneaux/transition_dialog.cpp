#include "panneaux/transition_dialog.h"

#include <QLabel>
#include <QToolButton>

#include "panneaux/bouton_image.h"
#include "panneaux/lignes_etat.h"

namespace lumaveil {

CTransitionDialog::CTransitionDialog(QWidget* parent) : QWidget(parent) {
  const char* const icones[2] = {"effet", "duree"};
  const char* const noms[2] = {"Changing effect", "Displaying duration"};
  GrilleBoutonsLignes(this, 2, icones, noms, m_pBoutons, m_pLignes);
  connect(m_pBoutons[kEffet], &QToolButton::clicked, this, &CTransitionDialog::effet);
  connect(m_pBoutons[kDuree], &QToolButton::clicked, this, &CTransitionDialog::duree);
}

CTransitionDialog::~CTransitionDialog() = default;

void CTransitionDialog::Rafraichit(const CEcran& ecran) {
  const std::string lignes[2] = {LigneEffet(ecran), LigneDuree(ecran)};
  for (int i = 0; i < 2; ++i) AfficheLigneEtat(m_pLignes[i], lignes[i]);
}

QString CTransitionDialog::TexteLigne(Ligne ligne) const { return m_pLignes[ligne]->text(); }

}  // namespace lumaveil
