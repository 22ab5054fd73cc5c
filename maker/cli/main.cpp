// bin/lumaveil: with an option (--new, --render, ...) the command line runs
// without a display and without loading Qt, so that a short command costs
// only its own work; otherwise the window starts (bin/lumaveil-window,
// beside this program), opening the project named as the first argument
// if there is one.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

// The window program, in this program's own directory.
std::string CheminFenetre() {
  char chemin[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
  if (n <= 0) return "lumaveil-window";
  std::string s(chemin, std::size_t(n));
  const std::size_t barre = s.rfind('/');
  return (barre == std::string::npos ? std::string(".") : s.substr(0, barre)) +
         "/lumaveil-window";
}

}  // namespace

int main(int argc, char** argv) {
  if (LigneDeCommande(argc, argv)) return lumaveil::ExecuteLigneCommande(argc, argv);
  if (!AffichageDisponible()) {
    std::fprintf(stderr,
                 "lumaveil: no display for the window; the command line works without one:\n");
    return lumaveil::ExecuteLigneCommande(1, argv);
  }
  const std::string fenetre = CheminFenetre();
  execv(fenetre.c_str(), argv);
  std::fprintf(stderr, "lumaveil: cannot start the window (%s): %s\n", fenetre.c_str(),
               std::strerror(errno));
  return 1;
}
