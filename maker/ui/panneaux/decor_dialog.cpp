#include "panneaux/decor_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "panneaux/bouton_image.h"
#include "panneaux/lignes_etat.h"

namespace lumaveil {

CDecorDialog::CDecorDialog(QWidget* parent) : QWidget(parent) {
  const char* const icones[4] = {"redimension", "texte", "cadre", "fond"};
  const char* const noms[4] = {"Stretching", "Text definition", "Border definition",
                               "Background definition"};
  auto* grille = new QGridLayout(this);
  for (int i = 0; i < 4; ++i) {
    m_pBoutons[i] = BoutonImage(this, icones[i], noms[i]);
    m_pLignes[i] = new QLabel(this);
    grille->addWidget(m_pBoutons[i], i, 0);
    grille->addWidget(m_pLignes[i], i, 1);
  }
  grille->setColumnStretch(1, 1);
  grille->setRowStretch(grille->rowCount(), 1);
  connect(m_pBoutons[kRedimension], &QToolButton::clicked, this, &CDecorDialog::redimension);
  connect(m_pBoutons[kTextes], &QToolButton::clicked, this, &CDecorDialog::texte);
  connect(m_pBoutons[kCadre], &QToolButton::clicked, this, &CDecorDialog::cadre);
  connect(m_pBoutons[kFond], &QToolButton::clicked, this, &CDecorDialog::fond);
}

CDecorDialog::~CDecorDialog() = default;

void CDecorDialog::Rafraichit(const CEcran& ecran) {
  const std::string lignes[4] = {LigneRedimension(ecran), LigneTextes(ecran), LigneCadre(ecran),
                                 LigneFond(ecran)};
  for (int i = 0; i < 4; ++i) {
    const QString texte = QString::fromStdString(lignes[i]);
    m_pLignes[i]->setText(texte);
    m_pLignes[i]->setAccessibleName(texte);
  }
}

QString CDecorDialog::TexteLigne(Ligne ligne) const { return m_pLignes[ligne]->text(); }

}  // namespace lumaveil
