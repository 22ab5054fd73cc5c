#include "fichier_atomique.h"

#include "temporaires_abandonnes.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvik {

namespace {

// The extension of the file name at the end of `chemin` (".png"), or "".
std::string Extension(const std::string& chemin) {
  const std::size_t barre = chemin.find_last_of('/');
  const std::size_t point = chemin.find_last_of('.');
  if (point == std::string::npos || (barre != std::string::npos && point < barre)) return {};
  if (point == (barre == std::string::npos ? 0 : barre + 1)) return {};  // ".hidden"
  return chemin.substr(point);
}

mode_t ModeNouveau(mode_t base) {
  mode_t masque = umask(0);
  umask(masque);
  return base & ~masque;
}

}  // namespace

CFichierAtomique::~CFichierAtomique() { Abandonne(); }

int CFichierAtomique::Ouvre(const std::string& cible, Liens liens) {
  Abandonne();
  if (cible.empty()) return 0;
  cible_ = cible;
  if (liens == Liens::Suivis) {
    // A link is written through: the file it names is replaced, the link
    // stays.
    if (char* reel = realpath(cible.c_str(), nullptr)) {
      cible_ = reel;
      std::free(reel);
    }
  }
  // A device or a pipe cannot be replaced: it is written in place. A link
  // that is itself replaced is never opened.
  struct stat st;
  const int etat = liens == Liens::Suivis ? stat(cible_.c_str(), &st) : lstat(cible_.c_str(), &st);
  if (etat == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
    flux_ = std::fopen(cible_.c_str(), "wb");
    if (!flux_) return 0;
    direct_ = true;
    fluxEnErreur_ = false;
    temporaire_ = cible_;
    return 1;
  }
  const std::size_t barre = cible_.find_last_of('/');
  const std::string repertoire = barre == std::string::npos ? std::string() : cible_.substr(0, barre + 1);
  EffaceTemporairesAbandonnes(repertoire.empty() ? "." : repertoire);
  const std::string extension = Extension(cible_);
  std::string modele = repertoire + kPrefixeTemporaire + "XXXXXX" + extension;
  // mkstemps creates the file exclusively: an existing name, a link
  // included, is never opened.
  int fd = mkstemps(modele.data(), int(extension.size()));
  if (fd < 0) return 0;
  // The lock stays with verrou_ until the file is renamed or removed; the
  // stream has its own descriptor of the same open file.
  flock(fd, LOCK_EX);
  const int fdFlux = dup(fd);
  flux_ = fdFlux >= 0 ? fdopen(fdFlux, "wb") : nullptr;
  if (!flux_) {
    if (fdFlux >= 0) close(fdFlux);
    unlink(modele.c_str());
    close(fd);
    return 0;
  }
  verrou_ = fd;
  direct_ = false;
  prepare_ = false;
  fluxEnErreur_ = false;
  temporaire_ = modele;
  return 1;
}

int CFichierAtomique::LibereFlux() {
  if (!flux_) return 0;
  fluxEnErreur_ = std::fclose(flux_) != 0;
  flux_ = nullptr;
  return fluxEnErreur_ ? 0 : 1;
}

int CFichierAtomique::Prepare(int mode_demande) {
  if (temporaire_.empty()) return 0;
  if (prepare_) return 1;
  bool ok = !fluxEnErreur_;
  if (flux_) ok = LibereFlux() && ok;
  if (direct_) {
    if (!ok) temporaire_.clear();
    prepare_ = ok;
    return ok ? 1 : 0;
  }
  if (ok) {
    mode_t mode;
    struct stat ancien;
    if (mode_demande >= 0)
      mode = mode_t(mode_demande) & 07777;
    else if (mode_demande == kModeProgramme)
      mode = ModeNouveau(0777);
    else if (stat(cible_.c_str(), &ancien) == 0)
      mode = ancien.st_mode & 07777;
    else
      mode = ModeNouveau(0666);
    const int fd = open(temporaire_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    ok = fd >= 0 && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    if (fd >= 0) ok = (close(fd) == 0) && ok;
  }
  if (!ok) {
    Abandonne();
    return 0;
  }
  prepare_ = true;
  return 1;
}

int CFichierAtomique::Remplace() {
  if (temporaire_.empty()) return 0;
  if (!prepare_ && !Prepare(kModeAncien)) return 0;
  if (direct_) {
    temporaire_.clear();
    prepare_ = false;
    return 1;
  }
  if (std::rename(temporaire_.c_str(), cible_.c_str()) != 0) {
    Abandonne();
    return 0;
  }
  temporaire_.clear();
  prepare_ = false;
  if (verrou_ >= 0) close(verrou_);
  verrou_ = -1;
  return 1;
}

int CFichierAtomique::Valide(int mode_demande) {
  return Prepare(mode_demande) && Remplace() ? 1 : 0;
}

void CFichierAtomique::Abandonne() {
  if (flux_) {
    std::fclose(flux_);
    flux_ = nullptr;
  }
  if (!temporaire_.empty()) {
    if (!direct_) unlink(temporaire_.c_str());
    temporaire_.clear();
  }
  prepare_ = false;
  if (verrou_ >= 0) close(verrou_);
  verrou_ = -1;
}

int EcritFichierAtomique(const std::string& cible, const std::uint8_t* donnees,
                         std::size_t taille, int mode) {
  CFichierAtomique f;
  if (!f.Ouvre(cible)) return 0;
  if (taille && std::fwrite(donnees, 1, taille, f.Flux()) != taille) return 0;
  return f.Valide(mode);
}

int EcritFichierAtomique(const std::string& cible,
                         const std::function<bool(const std::string& chemin)>& ecrit, int mode) {
  CFichierAtomique f;
  if (!f.Ouvre(cible) || !f.LibereFlux()) return 0;
  if (!ecrit(f.CheminTemporaire())) return 0;
  return f.Valide(mode);
}

}  // namespace talvik
