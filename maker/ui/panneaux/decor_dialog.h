// CDecorDialog: the "Decoration" panel, the buttons Stretching, Text
// definition, Border definition and Background definition, each with its
// status line.
#pragma once

#include "panneaux/panneau_lignes.h"

namespace lumaveil {

class CDecorDialog : public CPanneauLignes {
  Q_OBJECT
 public:
  enum Ligne { kRedimension = 0, kTextes = 1, kCadre = 2, kFond = 3 };

  explicit CDecorDialog(QWidget* parent = nullptr) : CPanneauLignes(0, 4, parent) {}
};

}  // namespace lumaveil
