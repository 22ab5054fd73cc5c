// A real FTP server on 127.0.0.1 for the distribution tests (pyftpdlib),
// on a free port chosen when it starts, serving a fresh directory. It is
// killed when the object goes away, and it also ends by itself when the
// test program dies.
#pragma once

#include <string>

#include "dossier_temporaire.h"

namespace lumaveil::testing {

class ServeurFtpEssai {
 public:
  struct Options {
    bool tls = false;    // TLS offered and required (log-in and data)
    long coupe = -1;     // drop both connections after this many bytes of an upload
    bool plein = false;  // refuse every upload with 552
    bool journal = false;  // keep the name of every command received (Commandes)
  };
  static constexpr const char* kUtilisateur = "lumaveil";
  static constexpr const char* kMotDePasse = "s3cret pass";

  explicit ServeurFtpEssai(Options options);
  ServeurFtpEssai() : ServeurFtpEssai(Options{}) {}
  ~ServeurFtpEssai();
  ServeurFtpEssai(const ServeurFtpEssai&) = delete;
  ServeurFtpEssai& operator=(const ServeurFtpEssai&) = delete;

  // 0 when the server could not be started.
  int Port() const { return port_; }
  // The directory the user logs in to.
  std::string Racine() const { return racine_.Path(); }
  // The server's self-signed certificate (TLS only): the authority to trust.
  const std::string& Certificat() const { return certificat_; }

  // The commands received so far, one name a line ("USER", "PASS"...);
  // "" without Options::journal.
  std::string Commandes() const;

  // A port on 127.0.0.1 where nothing listens (a stopped server).
  static int PortLibre();

 private:
  TempDir racine_;
  TempDir cles_;
  std::string certificat_;
  std::string journal_;
  int port_ = 0;
  int pid_ = -1;
  int entree_ = -1;  // the server's standard input: closing it ends the server
};

// The whole content of a file; "" when it cannot be read.
std::string ContenuFichier(const std::string& chemin);

}  // namespace lumaveil::testing
