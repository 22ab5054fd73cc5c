// The first dialog of the creation wizard, "Screen saver creation wizard":
// what the wizard does, step by step, with "Next" (kSuivant) and "Finish"
// (kTerminer).
#pragma once

#include <QDialog>

class QPushButton;

namespace lumaveil {

class CAssistantDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAssistantDlg(QWidget* parent = nullptr);

  QPushButton* BoutonSuivant() const { return suivant_; }
  QPushButton* BoutonTerminer() const { return terminer_; }

 private:
  QPushButton* suivant_ = nullptr;
  QPushButton* terminer_ = nullptr;
};

}  // namespace lumaveil
