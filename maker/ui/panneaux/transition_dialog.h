// CTransitionDialog: the "Transition" panel, the buttons Changing effect
// and Displaying duration, each with its status line.
#pragma once

#include "panneaux/panneau_lignes.h"

namespace lumaveil {

class CTransitionDialog : public CPanneauLignes {
  Q_OBJECT
 public:
  enum Ligne { kEffet = 0, kDuree = 1 };

  explicit CTransitionDialog(QWidget* parent = nullptr) : CPanneauLignes(4, 2, parent) {}
};

}  // namespace lumaveil
