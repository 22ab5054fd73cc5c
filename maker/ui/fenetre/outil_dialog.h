// COutilDialog: the top bar of the main window, nine picture buttons left
// to right (New, Open, Save, New screen, Delete screen, Previous, Next,
// Generate, Help manual). Each button shows its command's action; its
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
  // The commands of the nine buttons, left to right.
  static const std::array<Commande, 9>& CommandesBoutons();

  // `action` gives the shared action of a command.
  COutilDialog(const std::function<QAction*(Commande)>& action, QWidget* parent = nullptr);

  QToolButton* Bouton(int i) const { return boutons_.at(std::size_t(i)); }

 private:
  std::array<QToolButton*, 9> boutons_{};
};

}  // namespace lumaveil
