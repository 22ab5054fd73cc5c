#include "serveur_sftp.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

#include "serveur_enfant.h"

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

  // "PORT <n> <fingerprint>" once it listens (the key is made first: up to
  // thirty seconds on a busy machine).
  const ServeurEnfant enfant = LanceServeurEnfant(std::move(arguments), 30000);
  pid_ = enfant.pid;
  entree_ = enfant.entree;
  const std::string& ligne = enfant.premiereLigne;
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
