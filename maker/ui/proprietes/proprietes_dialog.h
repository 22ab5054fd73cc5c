// The display-properties dialog "Displaying properties": the target
// resolution of the screen saver among presets, or "Other" for the
// resolution of this machine. Normal mode shows OK and Cancel, wizard mode
// "Next" and "Finish"; each of these first reads the checked preset. Under
// the sizes, normal mode may show the project's "Pair portrait photos".
#pragma once

#include <QDialog>
#include <vector>

#include "base/wintypes.h"

class QCheckBox;
class QRadioButton;
class QPushButton;

namespace lumaveil {

using talvik::SIZE;

// Results of the wizard-mode buttons, beside QDialog's Accepted/Rejected.
enum ResultatAssistant : int { kSuivant = 10, kTerminer = 11 };

class CProprietesDlg : public QDialog {
  Q_OBJECT
 public:
  CProprietesDlg(SIZE taille, bool assistant, QWidget* parent = nullptr);

  SIZE Taille() const { return taille_; }
  // Normal mode also holds the project's "Pair portrait photos", shown
  // checked as given; what the user left there.
  void MontrePaires(bool paires);
  bool Paires() const;
  QCheckBox* CasePaires() const { return paires_; }
  int NombrePresets() const { return int(boutons_.size()); }
  QRadioButton* Bouton(int index) const { return boutons_[std::size_t(index)]; }
  QRadioButton* BoutonAutre() const { return boutons_.back(); }
  QPushButton* BoutonOk() const { return ok_; }
  QPushButton* BoutonSuivant() const { return suivant_; }
  QPushButton* BoutonTerminer() const { return terminer_; }
  QPushButton* BoutonReset() const { return reset_; }

 protected:
  // Opens with the focus on the checked size: the arrow keys then move the
  // check from there, as in any radio group.
  void showEvent(QShowEvent* evenement) override;

 private:
  void Coche();
  void Lit();
  void Ferme(int resultat);

  SIZE taille_;
  std::vector<QRadioButton*> boutons_;  // the presets, then "Other"
  QPushButton* ok_ = nullptr;
  QPushButton* suivant_ = nullptr;
  QPushButton* terminer_ = nullptr;
  QPushButton* reset_ = nullptr;
  QCheckBox* paires_ = nullptr;  // "Pair portrait photos"
};

// The resolution of the screen the maker runs on.
SIZE ResolutionMachine();

}  // namespace lumaveil
