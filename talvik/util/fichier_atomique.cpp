#include "fichier_atomique.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvik {

CFichierAtomique::~CFichierAtomique() { Abandonne(); }

int CFichierAtomique::Ouvre(const std::string& cible) {
  Abandonne();
  if (cible.empty()) return 0;
  cible_ = cible;
  std::string modele = cible + ".XXXXXX";
  int fd = mkstemp(modele.data());
  if (fd < 0) return 0;
  flux_ = fdopen(fd, "wb");
  if (!flux_) {
    close(fd);
    unlink(modele.c_str());
    return 0;
  }
  temporaire_ = modele;
  return 1;
}

int CFichierAtomique::Valide(int mode_demande) {
  if (!flux_) return 0;
  bool ok = std::fflush(flux_) == 0;
  int fd = fileno(flux_);
  if (ok) {
    mode_t mode;
    struct stat ancien;
    if (mode_demande >= 0) {
      mode = mode_t(mode_demande) & 07777;
    } else if (stat(cible_.c_str(), &ancien) == 0) {
      mode = ancien.st_mode & 07777;
    } else {
      mode_t masque = umask(0);
      umask(masque);
      mode = 0666 & ~masque;
    }
    ok = fchmod(fd, mode) == 0 && fsync(fd) == 0;
  }
  ok = (std::fclose(flux_) == 0) && ok;
  flux_ = nullptr;
  if (ok) ok = std::rename(temporaire_.c_str(), cible_.c_str()) == 0;
  if (!ok) unlink(temporaire_.c_str());
  temporaire_.clear();
  return ok ? 1 : 0;
}

void CFichierAtomique::Abandonne() {
  if (flux_) {
    std::fclose(flux_);
    flux_ = nullptr;
  }
  if (!temporaire_.empty()) {
    unlink(temporaire_.c_str());
    temporaire_.clear();
  }
}

int EcritFichierAtomique(const std::string& cible, const std::uint8_t* donnees,
                         std::size_t taille, int mode) {
  CFichierAtomique f;
  if (!f.Ouvre(cible)) return 0;
  if (taille && std::fwrite(donnees, 1, taille, f.Flux()) != taille) return 0;
  return f.Valide(mode);
}

}  // namespace talvik
