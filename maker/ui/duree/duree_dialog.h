// The duration dialog "Displaying duration definition": seconds in a
// digits-only field whose arrows keep to 1..180. OK stores the field as
// typed (0 or 500 too); Reset puts 3 back in the field without closing.
#pragma once

#include <QDialog>

class QPushButton;

namespace lumaveil {

class CChampNombre;

inline constexpr int kDureeDefaut = 3;

class CDureeDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CDureeDlg(int duree, QWidget* parent = nullptr);

  int Duree() const { return duree_; }
  CChampNombre* Champ() const { return champ_; }
  QPushButton* BoutonOk() const { return ok_; }
  QPushButton* BoutonReset() const { return reset_; }

  void accept() override;

 private:
  int duree_;
  CChampNombre* champ_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* reset_ = nullptr;
};

// Shows the dialog on `duree`; on OK stores the typed value and returns 1.
int EditeDuree(QWidget* parent, int& duree);

}  // namespace lumaveil
