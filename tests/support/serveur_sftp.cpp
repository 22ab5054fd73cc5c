#include "serveur_sftp.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace lumaveil::testing {

ServeurSftpEssai::ServeurSftpEssai(Options options) {
  // Debian's interpreter, where python3-paramiko is installed (a python3
  // earlier on PATH may be another one).
  const std::string interprete =
      access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
  std::vector<std::string> arguments = {interprete, LUMAVEIL_SFTP_SCRIPT, racine_.Path(),
                                        kUtilisateur, kMotDePasse, cles_.File("hote.key")};
  if (!options.renommageAtomique) arguments.push_back("--no-atomic-rename");
  if (options.refuseRemplacement) arguments.push_back("--refuse-replace");
  if (options.coupe >= 0)
    arguments.insert(arguments.end(), {"--cut", std::to_string(options.coupe)});

  int entree[2];
  int sortie[2];
  if (pipe(entree) != 0) return;
  if (pipe(sortie) != 0) {
    close(entree[0]);
    close(entree[1]);
    return;
  }
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
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
  entree_ = entree[1];
  if (pid_ < 0) {
    close(sortie[0]);
    return;
  }
  // "PORT <n> <fingerprint>" once it listens (the key is made first: up to
  // thirty seconds on a busy machine).
  std::string ligne;
  pollfd attente{sortie[0], POLLIN, 0};
  while (ligne.find('\n') == std::string::npos && poll(&attente, 1, 30000) > 0) {
    char tampon[128];
    const ssize_t lu = read(sortie[0], tampon, sizeof tampon);
    if (lu <= 0) break;
    ligne.append(tampon, std::size_t(lu));
  }
  close(sortie[0]);
  std::istringstream flux(ligne);
  std::string mot;
  int port = 0;
  if (flux >> mot >> port >> empreinte_ && mot == "PORT") port_ = port;
}

ServeurSftpEssai::~ServeurSftpEssai() {
  if (entree_ >= 0) close(entree_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

}  // namespace lumaveil::testing
