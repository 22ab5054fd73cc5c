// A digits-only edit field with up and down arrows beside it. The arrows
// keep the value inside their range; the field itself takes any number
// typed, which Valeur() reads as a signed integer (0 for an empty field).
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lumaveil {

class CChampNombre : public QWidget {
  Q_OBJECT
 public:
  CChampNombre(int minimum, int maximum, const QString& nomAccessible, QWidget* parent = nullptr);

  int Valeur() const;
  void SetValeur(int valeur);

  QLineEdit* Edit() const { return edit_; }
  QToolButton* Haut() const { return haut_; }
  QToolButton* Bas() const { return bas_; }

 private:
  void Pas(int pas);

  int minimum_;
  int maximum_;
  QLineEdit* edit_;
  QToolButton* haut_;
  QToolButton* bas_;
};

}  // namespace lumaveil
