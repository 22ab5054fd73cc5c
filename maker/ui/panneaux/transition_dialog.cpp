#include "panneaux/transition_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "panneaux/bouton_image.h"
#include "panneaux/lignes_etat.h"

namespace lumaveil {

CTransitionDialog::CTransitionDialog(QWidget* parent) : QWidget(parent) {
  const char* const icones[2] = {"effet", "duree"};
  const char* const noms[2] = {"Changing effect", "Displaying duration"};
  auto* grille = new QGridLayout(this);
  for (int i = 0; i < 2; ++i) {
    m_pBoutons[i] = BoutonImage(this, icones[i], noms[i]);
    m_pLignes[i] = new QLabel(this);
    grille->addWidget(m_pBoutons[i], i, 0);
    grille->addWidget(m_pLignes[i], i, 1);
  }
  grille->setColumnStretch(1, 1);
  grille->setRowStretch(grille->rowCount(), 1);
  connect(m_pBoutons[kEffet], &QToolButton::clicked, this, &CTransitionDialog::effet);
  connect(m_pBoutons[kDuree], &QToolButton::clicked, this, &CTransitionDialog::duree);
}

CTransitionDialog::~CTransitionDialog() = default;

void CTransitionDialog::Rafraichit(const CEcran& ecran) {
  const std::string lignes[2] = {LigneEffet(ecran), LigneDuree(ecran)};
  for (int i = 0; i < 2; ++i) {
    const QString texte = QString::fromStdString(lignes[i]);
    m_pLignes[i]->setText(texte);
    m_pLignes[i]->setAccessibleName(texte);
  }
}

QString CTransitionDialog::TexteLigne(Ligne ligne) const { return m_pLignes[ligne]->text(); }

}  // namespace lumaveil
