// bin/lumaveil: with an option (--new, --render, ...) the command line runs
// without a display; otherwise the window starts, opening the project
// named as the first argument if there is one.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/application.h"
#include "commande.h"

namespace {

bool LigneDeCommande(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--", 2) == 0) return true;
  return false;
}

bool AffichageDisponible() {
  for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* valeur = std::getenv(nom);
    if (valeur && *valeur) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (LigneDeCommande(argc, argv)) return lumaveil::ExecuteLigneCommande(argc, argv);
  if (!AffichageDisponible()) {
    std::fprintf(stderr,
                 "lumaveil: no display for the window; the command line works without one:\n");
    return lumaveil::ExecuteLigneCommande(1, argv);
  }
  return lumaveil::LanceApplication(argc, argv);
}
