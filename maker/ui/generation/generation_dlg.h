// The generation dialog ("Screen saver Generation"): one picture button per
// thing to do with the project, whose id is the dialog's result. Closing it
// any other way (Cancel, Escape, the window's close box) gives 0.
#pragma once

#include <QDialog>
#include <array>

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

  // True where the maker can make a Linux saver (on Linux).
  static bool SaverLinuxPossible();

 private:
  std::array<QToolButton*, 6> boutons_{};
};

}  // namespace lumaveil
