// The Decoration and Transition panels: picture buttons, each beside its
// status line, described once in a table that the template dialog shows
// whole.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "ecran.h"

class QLabel;
class QToolButton;

namespace lumaveil {

class CCommandesEcran;

// One picture button: its icon (":/panneaux/icones/<icone>.svg"), its
// name (tooltip and accessible name), its status line and the per-screen
// command it runs.
struct EditeurPanneau {
  const char* icone;
  const char* nom;
  std::string (*ligne)(const CEcran& ecran);
  void (CCommandesEcran::*commande)();
};

// Stretching, Text definition, Border definition, Background definition
// (the Decoration panel), then Changing effect and Displaying duration
// (the Transition panel).
extern const std::array<EditeurPanneau, 6> kEditeursPanneaux;

class CPanneauLignes : public QWidget {
  Q_OBJECT
 public:
  // A grid of `nombre` rows from kEditeursPanneaux[premier]: button i beside
  // status line i, rows packed at the top.
  CPanneauLignes(int premier, int nombre, QWidget* parent);

  // Shows the status lines of the screen.
  void Rafraichit(const CEcran& ecran);
  // Each button runs its command on `commandes`, which outlives the panel.
  void Relie(CCommandesEcran& commandes);

  QToolButton* Bouton(int ligne) const { return boutons_[std::size_t(ligne)]; }
  QString TexteLigne(int ligne) const;

 private:
  const EditeurPanneau* editeurs_;
  std::vector<QToolButton*> boutons_;
  std::vector<QLabel*> lignes_;
};

}  // namespace lumaveil
