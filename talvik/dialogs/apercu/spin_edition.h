// An edit box with its up-down arrows: the arrows step inside their own
// range, while the edit takes any integer of at most four digits typed into
// it (more when the arrows' range needs them: a panorama's side), either
// sign (the dialog checks the values itself). Every change of the text that
// reads as an integer is reported at once through valueChanged.
#pragma once

#include <QSpinBox>

namespace talvik {

class CSpinEdition : public QSpinBox {
  Q_OBJECT

 public:
  explicit CSpinEdition(QWidget* parent = nullptr);

  // Range of the arrows.
  void FixePlage(int nMin, int nMax);
  int PlageMin() const { return m_nMin; }
  int PlageMax() const { return m_nMax; }

  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int m_nMin = 0;
  int m_nMax = 100;
};

}  // namespace talvik
