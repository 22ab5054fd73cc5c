#include "serveur_enfant.h"

#include <poll.h>
#include <unistd.h>

namespace lumaveil::testing {

ServeurEnfant LanceServeurEnfant(std::vector<std::string> arguments, int delaiMs) {
  ServeurEnfant s;
  int entree[2];
  int sortie[2];
  if (pipe(entree) != 0) return s;
  if (pipe(sortie) != 0) {
    close(entree[0]);
    close(entree[1]);
    return s;
  }
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  s.pid = fork();
  if (s.pid == 0) {
    dup2(entree[0], 0);
    dup2(sortie[1], 1);
    close(entree[0]);
    close(entree[1]);
    close(sortie[0]);
    close(sortie[1]);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(entree[0]);
  close(sortie[1]);
  s.entree = entree[1];
  if (s.pid < 0) {
    close(sortie[0]);
    return s;
  }
  pollfd attente{sortie[0], POLLIN, 0};
  while (s.premiereLigne.find('\n') == std::string::npos && poll(&attente, 1, delaiMs) > 0) {
    char tampon[128];
    const ssize_t lu = read(sortie[0], tampon, sizeof tampon);
    if (lu <= 0) break;
    s.premiereLigne.append(tampon, std::size_t(lu));
  }
  close(sortie[0]);
  return s;
}

}  // namespace lumaveil::testing
