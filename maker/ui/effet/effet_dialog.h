// The effect dialog "Changing effect definition": one radio button per
// transition code 0..7 with its description line. OK keeps the checked
// code (the last, "Random : ", when none is checked); Reset goes back to
// "No effect." without closing.
#pragma once

#include <QDialog>
#include <array>

class QRadioButton;
class QPushButton;

namespace lumaveil {

inline constexpr int kNombreEffets = 8;

class CEffetDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CEffetDlg(int effet, QWidget* parent = nullptr);

  int Effet() const { return effet_; }
  QRadioButton* Bouton(int code) const { return boutons_[std::size_t(code)]; }
  QPushButton* BoutonOk() const { return ok_; }
  QPushButton* BoutonReset() const { return reset_; }

  void accept() override;

 private:
  int effet_;
  std::array<QRadioButton*, kNombreEffets> boutons_{};
  QPushButton* ok_ = nullptr;
  QPushButton* reset_ = nullptr;
};

// Shows the dialog on `effet`; on OK stores the chosen code and returns 1.
int EditeEffet(QWidget* parent, int& effet);

}  // namespace lumaveil
