// Uploads to an FTP server with libcurl, one connection for several files.
//
// A file is written under a temporary name beside its final name and
// renamed once it is whole, so a transfer cut short never leaves a partial
// file under the final name (a previous file of that name stays as it was
// until the rename).
//
// Security: on an ftp:// server (or a bare host name) the connection asks
// for TLS (explicit FTPS, "AUTH TLS"); when the server accepts, the log-in
// and every transfer are encrypted and a failure of TLS is a failure, never
// a retry in clear text. A server that refuses TLS gets neither the user
// name nor the password, unless the user allowed unencrypted FTP
// (ServeurFtp::enClairPermis): only then is it spoken to in clear text, as
// plain FTP is. "ftps://" is implicit FTPS; "sftp://" is SFTP (the port 21
// of plain FTP then means SFTP's 22), whose server must show the key the
// user's known-hosts file lists for it, or be trusted once by the user.
//
// On SFTP the whole file replaces the earlier one in one step (the server's
// atomic rename); a server that cannot replace a file keeps the earlier
// one, and the new file stays beside it under the temporary name.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace lumaveil {

struct ServeurFtp {
  std::string nom;  // host name, optionally with "ftp://", "ftps://" or "sftp://"
  int port = 21;
  bool passif = false;  // passive mode; active otherwise
  std::string utilisateur;
  std::string motDePasse;
  std::string repertoire;  // "" (the log-in directory) or ending with "/"
  std::string autorites;   // certificate authorities for TLS; "": the system's
  bool enClairPermis = false;  // a server without TLS may get the password in clear
  // SFTP: the OpenSSH known-hosts file ("": ~/.ssh/known_hosts), and the
  // question for a server it does not list (see ParametresSsh).
  std::string hotesConnus;
  std::function<bool(const std::string& serveur, const std::string& empreinte)> confirmeCle;
};

// What went wrong with one upload.
enum class EchecFtp {
  Aucun,      // the file is on the server under its final name
  Connexion,  // no connection: unknown or stopped server, refused log-in, TLS failure
              // or no TLS offered (unencrypted FTP not allowed)
  Envoi,      // connected, but the file could not be written or renamed
  Arret,      // stopped by the caller
};

struct ResultatFtp {
  EchecFtp echec = EchecFtp::Aucun;
  std::string detail;  // what happened, in a line the user can read; "" on success
};

// Progress of the current file: bytes sent and total; returning false stops.
using ProgressionFtp = std::function<bool(std::int64_t envoye, std::int64_t total)>;

// "directory/" appended with "/" when it is not empty and does not end
// with one already.
std::string RepertoireServeur(const std::string& repertoire);

struct EtatTransfertFtp;  // the connection and what it has seen

class CTransfertFtp {
 public:
  explicit CTransfertFtp(ServeurFtp serveur);
  ~CTransfertFtp();
  CTransfertFtp(const CTransfertFtp&) = delete;
  CTransfertFtp& operator=(const CTransfertFtp&) = delete;

  // The address of `nomDistant` in the server's directory (every piece
  // escaped; a directory starting with "/" is taken from the root).
  std::string Url(const std::string& nomDistant) const;
  // The temporary name `nomDistant` is written under before its rename.
  static std::string NomTemporaire(const std::string& nomDistant);

  // Uploads the local file to the server's directory as `nomDistant`
  // (binary). On failure after the connection, the temporary file is
  // removed when the server still answers (except the one an SFTP server
  // could not rename over the earlier file: it stays, and the detail says
  // so). One connection serves every file; an SFTP server's key is asked
  // about once.
  ResultatFtp Envoie(const std::string& cheminLocal, const std::string& nomDistant,
                     const ProgressionFtp& progression = {});

 private:
  ResultatFtp EnvoieSftp(std::FILE* fichier, std::int64_t taille, const std::string& nomDistant,
                         const ProgressionFtp& progression);

  ServeurFtp serveur_;
  std::unique_ptr<EtatTransfertFtp> etat_;
};

}  // namespace lumaveil
