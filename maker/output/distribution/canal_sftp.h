// The few requests of SFTP (version 3) an upload needs, over an open SSH
// session's "sftp" subsystem: write a file, rename it, remove it, ask
// whether a name exists. Renaming over an existing file uses the server's
// atomic "posix-rename@openssh.com" when the server offers it; the plain
// rename of version 3 refuses to replace a file on most servers.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace lumaveil {

class CSessionSsh;

class CCanalSftp {
 public:
  explicit CCanalSftp(CSessionSsh& session) : session_(session) {}

  // Says hello and reads what the server offers. False when it does not
  // answer as an SFTP server.
  bool Initialise();
  bool RenommageAtomique() const { return renommageAtomique_; }

  // Writes the local file `source` (already open, read from its start) to
  // `chemin` on the server, created or truncated. `progression` gets the
  // bytes sent and may stop the transfer by returning false (Arrete() is
  // then true). False on failure.
  bool EcritFichier(std::FILE* source, std::int64_t taille, const std::string& chemin,
                    const std::function<bool(std::int64_t)>& progression);
  // `de` takes the name `vers`, replacing a file of that name at once when
  // the server offers the atomic rename; otherwise by the plain rename.
  bool Renomme(const std::string& de, const std::string& vers);
  bool Supprime(const std::string& chemin);
  // True when `chemin` names something on the server.
  bool Existe(const std::string& chemin);

  bool Arrete() const { return arrete_; }
  // The connection broke or the server stopped answering.
  bool Coupe() const { return coupe_; }
  // The server's own words on the last refusal ("" when it gave none).
  const std::string& Message() const { return message_; }

 private:
  struct Reponse {
    std::uint8_t type = 0;
    std::uint32_t id = 0;
    std::vector<std::uint8_t> corps;  // after the id
  };
  bool Envoie(std::uint8_t type, const std::vector<std::uint8_t>& corps);
  bool Recoit(Reponse& reponse);
  // Sends a request and waits for its status; true for "OK".
  bool Statut(std::uint8_t type, std::vector<std::uint8_t> corps);
  bool LitStatut(const Reponse& reponse);
  std::uint32_t NouvelId() { return ++id_; }

  CSessionSsh& session_;
  std::uint32_t id_ = 0;
  bool renommageAtomique_ = false;
  bool arrete_ = false;
  bool coupe_ = false;
  std::string message_;
};

}  // namespace lumaveil
