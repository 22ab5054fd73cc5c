// An SSH connection that ends in the "sftp" subsystem, for uploads to an
// SFTP server: the TCP connection, the check of the server's host key
// against the user's known hosts, the log-in with the password, and the
// raw bytes of the subsystem's channel (CCanalSftp speaks SFTP over them).
//
// The host key: a server listed in the known-hosts file with the key it
// shows is trusted; one listed with another key is refused (someone may
// stand between the user and the server), without a question; an unknown
// one is trusted only when the caller's question says so, and is then
// added to the file, so that the question comes once per server.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct _LIBSSH2_SESSION;
struct _LIBSSH2_CHANNEL;

namespace lumaveil {

struct ParametresSsh {
  std::string hote;
  int port = 22;
  std::string utilisateur;
  std::string motDePasse;
  std::string hotesConnus;  // OpenSSH known-hosts file; "": ~/.ssh/known_hosts
  // Asked for a server the file does not list: the server as the file names
  // it ("host", or "[host]:port" beside 22) and the "SHA256:..." fingerprint
  // of its key. True trusts the key (it is added to the file). Empty: an
  // unknown server is refused.
  std::function<bool(const std::string& serveur, const std::string& empreinte)> confirmeCle;
  long delaiMs = 20000;  // longest wait for the server at any step
};

enum class EchecSsh {
  Aucun,
  Connexion,        // unknown host, nothing listens, the connection broke
  CleRefusee,       // unknown key, not trusted by the user
  CleChangee,       // the key differs from the one in the known-hosts file
  Authentification, // user name or password refused
  Canal,            // logged in, but no SFTP subsystem
};

class CSessionSsh {
 public:
  CSessionSsh();
  ~CSessionSsh();
  CSessionSsh(const CSessionSsh&) = delete;
  CSessionSsh& operator=(const CSessionSsh&) = delete;

  // Connects, checks the host key, logs in and opens the SFTP subsystem.
  // False on failure: Echec and Detail say why.
  bool Ouvre(const ParametresSsh& parametres);
  bool Ouverte() const { return canal_ != nullptr; }
  EchecSsh Echec() const { return echec_; }
  // One sentence for the user; "" after success.
  const std::string& Detail() const { return detail_; }

  // The subsystem's bytes: all of `n` written, exactly `n` read. False when
  // the connection broke or the server stopped answering; the session is
  // then closed.
  bool Ecrit(const void* donnees, std::size_t n);
  bool Lit(void* donnees, std::size_t n);

  void Ferme();

  // "SHA256:" and the unpadded base64 of a 32-byte digest, as OpenSSH
  // shows a key's fingerprint.
  static std::string Empreinte(const unsigned char* sha256);

 private:
  bool Echoue(EchecSsh echec, const std::string& detail);
  bool VerifieCle(const ParametresSsh& parametres);

  int socket_ = -1;
  _LIBSSH2_SESSION* session_ = nullptr;
  _LIBSSH2_CHANNEL* canal_ = nullptr;
  EchecSsh echec_ = EchecSsh::Aucun;
  std::string detail_;
  std::string motDePasse_;  // for keyboard-interactive log-ins
};

}  // namespace lumaveil
