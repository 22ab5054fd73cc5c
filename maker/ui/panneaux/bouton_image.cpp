#include "panneaux/bouton_image.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

static void InitialiseRessourcesPanneaux() { Q_INIT_RESOURCE(panneaux); }

namespace lumaveil {

void InitialiseIconesPanneaux() {
  static const bool fait = (InitialiseRessourcesPanneaux(), true);
  (void)fait;
}

QToolButton* BoutonImage(QWidget* parent, const QString& icone, const QString& texte) {
  InitialiseIconesPanneaux();
  auto* bouton = new QToolButton(parent);
  bouton->setIcon(QIcon(":/panneaux/icones/" + icone + ".svg"));
  bouton->setIconSize(QSize(32, 32));
  bouton->setFixedSize(40, 40);
  bouton->setToolTip(texte);
  bouton->setAccessibleName(texte);
  return bouton;
}

void GrilleBoutonsLignes(QWidget* parent, int n, const char* const icones[],
                         const char* const noms[], QToolButton* boutons[], QLabel* lignes[]) {
  auto* grille = new QGridLayout(parent);
  for (int i = 0; i < n; ++i) {
    boutons[i] = BoutonImage(parent, icones[i], noms[i]);
    lignes[i] = new QLabel(parent);
    grille->addWidget(boutons[i], i, 0);
    grille->addWidget(lignes[i], i, 1);
  }
  grille->setColumnStretch(1, 1);
  grille->setRowStretch(grille->rowCount(), 1);
}

void AfficheLigneEtat(QLabel* ligne, const std::string& texte) {
  const QString q = QString::fromStdString(texte);
  ligne->setText(q);
  ligne->setAccessibleName(q);
}

}  // namespace lumaveil
