// CLumaveilApp: the maker's application object. InitInstance starts the
// maker in its designed order (settings, network layer, mail capacity,
// profile, document, command line, main window, start-up picture, then the
// project named on the command line or a new project); ExitInstance writes
// the ten settings back.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "projet/contexte.h"

namespace lumaveil {

class CMainFrame;

// The message shown when the network layer cannot start.
inline constexpr const char* kEchecSockets = "Echec de l'initialisation des sockets Windows.";

// True when a desktop mail client can be opened (xdg-email on PATH).
bool MessagerieDisponible();

class CLumaveilApp {
 public:
  CLumaveilApp();
  ~CLumaveilApp();
  CLumaveilApp(const CLumaveilApp&) = delete;
  CLumaveilApp& operator=(const CLumaveilApp&) = delete;

  // `projet`: the project file named on the command line, or empty.
  // `secondesImage`: how long the start-up picture shows (0: not shown).
  // Returns false when the application must end.
  bool InitInstance(const QString& projet, int secondesImage = 3);
  // Writes the settings; returns `code`.
  int ExitInstance(int code);

  CContexte& Contexte() { return contexte_; }
  // The creation wizard, run by the new-project routine when StartWizard
  // is set; empty until the wizard exists.
  std::function<void()> Assistant;
  CMainFrame* Fenetre() const { return fenetre_.get(); }

 private:
  CContexte contexte_;
  std::unique_ptr<CMainFrame> fenetre_;
  bool reseau_ = false;
};

// The maker with its window: a QApplication, CLumaveilApp, the event loop.
// argv[1], when present, is a project to open.
int LanceApplication(int argc, char** argv);

}  // namespace lumaveil
