#include "panneaux/decor_dialog.h"

#include <QLabel>
#include <QToolButton>

#include "panneaux/bouton_image.h"
#include "panneaux/lignes_etat.h"

namespace lumaveil {

CDecorDialog::CDecorDialog(QWidget* parent) : QWidget(parent) {
  const char* const icones[4] = {"redimension", "texte", "cadre", "fond"};
  const char* const noms[4] = {"Stretching", "Text definition", "Border definition",
                               "Background definition"};
  GrilleBoutonsLignes(this, 4, icones, noms, m_pBoutons, m_pLignes);
  connect(m_pBoutons[kRedimension], &QToolButton::clicked, this, &CDecorDialog::redimension);
  connect(m_pBoutons[kTextes], &QToolButton::clicked, this, &CDecorDialog::texte);
  connect(m_pBoutons[kCadre], &QToolButton::clicked, this, &CDecorDialog::cadre);
  connect(m_pBoutons[kFond], &QToolButton::clicked, this, &CDecorDialog::fond);
}

CDecorDialog::~CDecorDialog() = default;

void CDecorDialog::Rafraichit(const CEcran& ecran) {
  const std::string lignes[4] = {LigneRedimension(ecran), LigneTextes(ecran), LigneCadre(ecran),
                                 LigneFond(ecran)};
  for (int i = 0; i < 4; ++i) AfficheLigneEtat(m_pLignes[i], lignes[i]);
}

QString CDecorDialog::TexteLigne(Ligne ligne) const { return m_pLignes[ligne]->text(); }

}  // namespace lumaveil
