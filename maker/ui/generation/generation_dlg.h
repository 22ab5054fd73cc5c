// The generation dialog ("Screen saver Generation"): one picture button per
// thing to do with the project, whose id is the dialog's result, and below
// them how the saver plays: "Shuffle" and the choice between "The same
// screen on every monitor" and "Different screens on each monitor". Closing
// it any other way (Cancel, Escape, the window's close box) gives 0; the
// caller keeps the choices only for another result.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QRadioButton;
class QToolButton;

namespace lumaveil {

class CGenerationDlg : public QDialog {
  Q_OBJECT
 public:
  enum Resultat : int {
    kAucun = 0,
    kAffichage = 1067,      // "Display": the full-screen preview
    kSauveWindows = 1068,   // "Save for Windows": a .scr with the Windows engine
    kEnvoiMail = 1069,      // "Send by email"
    kEnvoiInternet = 1070,  // "Send to Internet"
    kSauveLinux = 1071,     // "Save for Linux": an X11 saver and xscreensaver hack
    kSauvePageWeb = 1072,   // "Save as web page": a folder that plays in a browser
  };

  // `saverLinux` offers "Save for Linux" beside "Save for Windows".
  explicit CGenerationDlg(QWidget* parent = nullptr, bool saverLinux = SaverLinuxPossible());

  // The button whose result is `resultat`, null when the dialog has none.
  QToolButton* Bouton(Resultat resultat) const;

  // The saver-wide choices: shown as given, read back after exec().
  void FixeChoix(bool melange, bool moniteursDifferents);
  bool Melange() const;
  bool MoniteursDifferents() const;
  QCheckBox* CaseMelange() const { return melange_; }
  QRadioButton* MemeEcran() const { return memeEcran_; }
  QRadioButton* EcransDifferents() const { return ecransDifferents_; }

  // True where the maker can make a Linux saver (on Linux).
  static bool SaverLinuxPossible();

 private:
  std::array<QToolButton*, 6> boutons_{};
  QCheckBox* melange_ = nullptr;
  QRadioButton* memeEcran_ = nullptr;
  QRadioButton* ecransDifferents_ = nullptr;
};

}  // namespace lumaveil
