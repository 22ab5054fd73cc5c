#include "panneaux/panneau_lignes.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "panneaux/bouton_image.h"
#include "lignes_etat.h"
#include "travail/commandes_ecran.h"

namespace lumaveil {

const std::array<EditeurPanneau, 6> kEditeursPanneaux{{
    {"redimension", QT_TRANSLATE_NOOP("lumaveil::CPanneauLignes", "Stretching"), &LigneRedimension,
     &CCommandesEcran::Redimension},
    {"texte", QT_TRANSLATE_NOOP("lumaveil::CPanneauLignes", "Text definition"), &LigneTextes,
     &CCommandesEcran::Texte},
    {"cadre", QT_TRANSLATE_NOOP("lumaveil::CPanneauLignes", "Border definition"), &LigneCadre,
     &CCommandesEcran::Cadre},
    {"fond", QT_TRANSLATE_NOOP("lumaveil::CPanneauLignes", "Background definition"), &LigneFond,
     &CCommandesEcran::Fond},
    {"effet", QT_TRANSLATE_NOOP("lumaveil::CPanneauLignes", "Changing effect"), &LigneEffet,
     &CCommandesEcran::Effet},
    {"duree", QT_TRANSLATE_NOOP("lumaveil::CPanneauLignes", "Displaying duration"), &LigneDuree,
     &CCommandesEcran::Duree},
}};

CPanneauLignes::CPanneauLignes(int premier, int nombre, QWidget* parent)
    : QWidget(parent), editeurs_(&kEditeursPanneaux[std::size_t(premier)]) {
  auto* grille = new QGridLayout(this);
  // The group box around the panel gives its margins.
  grille->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < nombre; ++i) {
    boutons_.push_back(BoutonImage(this, editeurs_[i].icone, tr(editeurs_[i].nom)));
    lignes_.push_back(NouvelleLigneEtat(this));
    grille->addWidget(boutons_.back(), i, 0);
    grille->addWidget(lignes_.back(), i, 1);
  }
  grille->setColumnStretch(1, 1);
  grille->setRowStretch(grille->rowCount(), 1);
}

void CPanneauLignes::Rafraichit(const CEcran& ecran) {
  for (std::size_t i = 0; i < lignes_.size(); ++i)
    AfficheLigneEtat(lignes_[i], editeurs_[i].ligne(ecran));
}

void CPanneauLignes::Relie(CCommandesEcran& commandes) {
  for (std::size_t i = 0; i < boutons_.size(); ++i)
    connect(boutons_[i], &QToolButton::clicked, this,
            [c = &commandes, m = editeurs_[i].commande] { (c->*m)(); });
}

QString CPanneauLignes::TexteLigne(int ligne) const { return lignes_[std::size_t(ligne)]->text(); }

}  // namespace lumaveil
