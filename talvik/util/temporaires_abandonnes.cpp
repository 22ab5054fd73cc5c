#include "temporaires_abandonnes.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <ctime>

namespace talvik {

namespace {

// Removes `nom` of the folder open as `dossier` when it is abandoned.
bool EffaceSiAbandonne(int dossier, const char* nom, const std::vector<std::string>& debuts) {
  const int fd = ::openat(dossier, nom, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  bool abandonne = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
                   ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  if (abandonne) {
    bool reconnu = false;
    for (const std::string& debut : debuts) {
      if (debut.empty() || st.st_size < off_t(debut.size())) continue;
      std::string lu(debut.size(), '\0');
      if (::pread(fd, lu.data(), lu.size(), 0) == ssize_t(lu.size()) && lu == debut) {
        reconnu = true;
        break;
      }
    }
    abandonne = reconnu || std::time(nullptr) - st.st_mtime >= kAgeAbandon;
  }
  // Removed while the lock is held, so no writer can take the file
  // meanwhile; the name is checked to be still this file.
  bool efface = false;
  if (abandonne) {
    struct stat encore {};
    efface = ::fstatat(dossier, nom, &encore, AT_SYMLINK_NOFOLLOW) == 0 &&
             encore.st_dev == st.st_dev && encore.st_ino == st.st_ino &&
             ::unlinkat(dossier, nom, 0) == 0;
  }
  ::close(fd);
  return efface;
}

}  // namespace

bool EstNomTemporaire(const std::string& nom) {
  const std::size_t n = std::strlen(kPrefixeTemporaire);
  if (nom.size() < n + 6 || nom.compare(0, n, kPrefixeTemporaire) != 0) return false;
  for (std::size_t i = n; i < n + 6; ++i)
    if (!std::isalnum(static_cast<unsigned char>(nom[i]))) return false;
  return nom.size() == n + 6 || (nom[n + 6] == '.' && nom.size() > n + 7);
}

int EffaceTemporairesAbandonnes(const std::string& repertoire,
                                const std::vector<std::string>& debuts) {
  const int dossier = ::open(repertoire.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dossier < 0) return 0;
  const int copie = ::dup(dossier);
  DIR* d = copie >= 0 ? ::fdopendir(copie) : nullptr;
  if (!d) {
    if (copie >= 0) ::close(copie);
    ::close(dossier);
    return 0;
  }
  int n = 0;
  while (const dirent* e = ::readdir(d))
    if (EstNomTemporaire(e->d_name) && EffaceSiAbandonne(dossier, e->d_name, debuts)) ++n;
  ::closedir(d);
  ::close(dossier);
  return n;
}

}  // namespace talvik
