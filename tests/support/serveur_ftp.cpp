#include "serveur_ftp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "serveur_enfant.h"

namespace lumaveil::testing {

namespace {

// Debian's interpreter, where python3-pyftpdlib is installed (a python3
// earlier on PATH may be another one).
std::string Interprete() {
  return access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
}

}  // namespace

ServeurFtpEssai::ServeurFtpEssai(Options options) {
  std::vector<std::string> arguments = {Interprete(), LUMAVEIL_FTP_SCRIPT, racine_.Path(),
                                        kUtilisateur, kMotDePasse};
  if (options.tls) {
    certificat_ = cles_.File("cert.pem");
    const std::string cle = cles_.File("key.pem");
    const std::string commande =
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1"
        " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
        cle + "' -out '" + certificat_ + "' >/dev/null 2>&1";
    if (std::system(commande.c_str()) != 0) return;
    arguments.insert(arguments.end(), {"--tls", certificat_, cle});
  }
  if (options.coupe >= 0)
    arguments.insert(arguments.end(), {"--cut", std::to_string(options.coupe)});
  if (options.plein) arguments.push_back("--full");
  if (options.journal) {
    journal_ = cles_.File("commandes.txt");
    arguments.insert(arguments.end(), {"--log", journal_});
  }

  // "PORT <n>" once it listens; ten seconds at most.
  const ServeurEnfant enfant = LanceServeurEnfant(std::move(arguments), 10000);
  pid_ = enfant.pid;
  entree_ = enfant.entree;
  const std::string& ligne = enfant.premiereLigne;
  if (ligne.rfind("PORT ", 0) == 0) port_ = std::atoi(ligne.c_str() + 5);
}

ServeurFtpEssai::~ServeurFtpEssai() {
  if (entree_ >= 0) close(entree_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

std::string ServeurFtpEssai::Commandes() const {
  return journal_.empty() ? std::string() : ContenuFichier(journal_);
}

int ServeurFtpEssai::PortLibre() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) return 0;
  sockaddr_in adresse{};
  adresse.sin_family = AF_INET;
  adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t longueur = sizeof adresse;
  int port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &longueur) == 0)
    port = ntohs(adresse.sin_port);
  close(s);
  return port;
}

std::string ContenuFichier(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream contenu;
  contenu << f.rdbuf();
  return contenu.str();
}

}  // namespace lumaveil::testing
