#include "picture/fichier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvik::fichier {

int OuvreFichierOrdinaire(const std::string& chemin) {
  // Non-blocking, so that opening a pipe with no writer does not wait.
  const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  const int drapeaux = ::fcntl(fd, F_GETFL);
  if (drapeaux < 0 || ::fcntl(fd, F_SETFL, drapeaux & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::uint64_t Taille(std::FILE* f) {
  struct stat st {};
  if (!f || ::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
    return ~std::uint64_t(0);
  return std::uint64_t(st.st_size);
}

Fichier Ouvre(const std::string& chemin, const char* mode) {
  if (mode[0] != 'r' || std::string(mode).find('+') != std::string::npos)
    return Fichier(std::fopen(chemin.c_str(), mode));
  const int fd = OuvreFichierOrdinaire(chemin);
  if (fd < 0) return nullptr;
  std::FILE* f = ::fdopen(fd, mode);
  if (!f) ::close(fd);
  return Fichier(f);
}

bool LitTout(const std::string& chemin, std::vector<std::uint8_t>& contenu,
             std::uint64_t limite) {
  contenu.clear();
  Fichier f = Ouvre(chemin, "rb");
  if (!f) return false;
  if (std::fseek(f.get(), 0, SEEK_END) != 0) return false;
  const long taille = std::ftell(f.get());
  if (taille < 0 || std::uint64_t(taille) > limite) return false;
  std::rewind(f.get());
  contenu.resize(std::size_t(taille));
  return taille == 0 || std::fread(contenu.data(), 1, contenu.size(), f.get()) == contenu.size();
}

}  // namespace talvik::fichier
