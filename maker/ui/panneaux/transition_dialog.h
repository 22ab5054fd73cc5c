// CTransitionDialog: the "Transition" panel, the buttons Changing effect
// and Displaying duration, each with its status line.
#pragma once

#include <QWidget>

#include "ecran.h"

class QLabel;
class QToolButton;

namespace lumaveil {

class CTransitionDialog : public QWidget {
  Q_OBJECT

 public:
  enum Ligne { kEffet = 0, kDuree = 1 };

  explicit CTransitionDialog(QWidget* parent = nullptr);
  ~CTransitionDialog() override;

  // Shows the status lines of the screen.
  void Rafraichit(const CEcran& ecran);

  QToolButton* Bouton(Ligne ligne) const { return m_pBoutons[ligne]; }
  QString TexteLigne(Ligne ligne) const;

 signals:
  void effet();
  void duree();

 private:
  QToolButton* m_pBoutons[2] = {};
  QLabel* m_pLignes[2] = {};
};

}  // namespace lumaveil
