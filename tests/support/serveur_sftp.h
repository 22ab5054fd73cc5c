// A real SFTP server on 127.0.0.1 for the distribution tests (paramiko),
// on a free port chosen when it starts, serving a fresh directory with a
// password log-in. It is killed when the object goes away, and it also
// ends by itself when the test program dies.
#pragma once

#include <string>

#include "dossier_temporaire.h"

namespace lumaveil::testing {

class ServeurSftpEssai {
 public:
  struct Options {
    bool renommageAtomique = true;  // offers "posix-rename@openssh.com"
    bool refuseRemplacement = false;  // ... which then refuses to replace a file
    long coupe = -1;  // drops the connection after this many bytes of a file
  };
  static constexpr const char* kUtilisateur = "lumaveil";
  static constexpr const char* kMotDePasse = "s3cret pass";

  explicit ServeurSftpEssai(Options options);
  ServeurSftpEssai() : ServeurSftpEssai(Options{}) {}
  ~ServeurSftpEssai();
  ServeurSftpEssai(const ServeurSftpEssai&) = delete;
  ServeurSftpEssai& operator=(const ServeurSftpEssai&) = delete;

  // 0 when the server could not be started.
  int Port() const { return port_; }
  // The directory the user logs in to.
  std::string Racine() const { return racine_.Path(); }
  // The fingerprint of the server's key as OpenSSH shows it ("SHA256:...").
  const std::string& Empreinte() const { return empreinte_; }

 private:
  TempDir racine_;
  TempDir cles_;
  std::string empreinte_;
  int port_ = 0;
  int pid_ = -1;
  int entree_ = -1;  // the server's standard input: closing it ends the server
};

}  // namespace lumaveil::testing
