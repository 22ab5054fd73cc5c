// COutilDialog: the top bar of the main window, eleven picture buttons left
// to right (New, Open, Save, New screen, Delete screen, Previous, Next,
// Generate, Help manual, Undo, Redo). Each button shows its command's action; its
// tooltip and accessible name are the designed tooltip text.
#pragma once

#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

#include "fenetre/commandes.h"

class QAction;

namespace lumaveil {

class COutilDialog : public QWidget {
  Q_OBJECT
 public:
  static constexpr std::size_t kNombreBoutons = 12;
  // The commands of the buttons, left to right.
  static const std::array<Commande, kNombreBoutons>& CommandesBoutons();

  // `action` gives the shared action of a command.
  COutilDialog(const std::function<QAction*(Commande)>& action, QWidget* parent = nullptr);

  QToolButton* Bouton(int i) const { return boutons_.at(std::size_t(i)); }

 private:
  std::array<QToolButton*, kNombreBoutons> boutons_{};
};

}  // namespace lumaveil
