// The effect dialog "Changing effect definition": one radio button per
// transition code with its description line, the seven designed effects
// and "Random : " first (codes 0..7), then "Cross-fade", "Pan and zoom"
// and "Random (all effects)" (codes 8..10), and the transition length of
// the cross-fading effects (0.5 to 5 s, enabled when one of them is
// checked). OK keeps the checked code (the designed "Random : " when none
// is checked) and the length; Reset goes back to "No effect." and the
// default length without closing.
#pragma once

#include <QDialog>
#include <array>

#include "effets_transition.h"

class QDoubleSpinBox;
class QRadioButton;
class QPushButton;

namespace lumaveil {

inline constexpr int kNombreEffets = kNombreCodesEffet;

class CEffetDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CEffetDlg(int effet, QWidget* parent = nullptr);
  CEffetDlg(const ValeursEffet& valeurs, QWidget* parent = nullptr);

  int Effet() const { return valeurs_.effet; }
  const ValeursEffet& Valeurs() const { return valeurs_; }
  QRadioButton* Bouton(int code) const { return boutons_[std::size_t(code)]; }
  QDoubleSpinBox* DureeTransition() const { return duree_; }
  QPushButton* BoutonOk() const { return ok_; }
  QPushButton* BoutonReset() const { return reset_; }

  void accept() override;

 private:
  void ActiveDuree();

  ValeursEffet valeurs_;
  std::array<QRadioButton*, kNombreEffets> boutons_{};
  QDoubleSpinBox* duree_ = nullptr;
  double dureeAffichee_ = 0;  // what the length field showed on opening (or Reset)
  QPushButton* ok_ = nullptr;
  QPushButton* reset_ = nullptr;
};

// Shows the dialog on `valeurs`; on OK stores the chosen code and length
// and returns 1.
int EditeEffet(QWidget* parent, ValeursEffet& valeurs);
// The same for the code alone.
int EditeEffet(QWidget* parent, int& effet);

}  // namespace lumaveil
