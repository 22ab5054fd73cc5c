// CDecorDialog: the "Decoration" panel, the buttons Stretching, Text
// definition, Border definition and Background definition, each with its
// status line.
#pragma once

#include <QWidget>

#include "ecran.h"

class QLabel;
class QToolButton;

namespace lumaveil {

class CDecorDialog : public QWidget {
  Q_OBJECT

 public:
  enum Ligne { kRedimension = 0, kTextes = 1, kCadre = 2, kFond = 3 };

  explicit CDecorDialog(QWidget* parent = nullptr);
  ~CDecorDialog() override;

  // Shows the status lines of the screen.
  void Rafraichit(const CEcran& ecran);

  QToolButton* Bouton(Ligne ligne) const { return m_pBoutons[ligne]; }
  QString TexteLigne(Ligne ligne) const;

 signals:
  void redimension();
  void texte();
  void cadre();
  void fond();

 private:
  QToolButton* m_pBoutons[4] = {};
  QLabel* m_pLignes[4] = {};
};

}  // namespace lumaveil
