#include "restes_generation.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "temporaires_abandonnes.h"

namespace lumaveil {

namespace {

namespace fs = std::filesystem;

std::string Debut(const std::string& chemin, std::size_t n) {
  std::string octets(n, '\0');
  std::ifstream f(chemin, std::ios::binary);
  f.read(octets.data(), std::streamsize(n));
  octets.resize(std::size_t(f.gcount()));
  return octets;
}

}  // namespace

CVerrouTemporaire::CVerrouTemporaire(const std::string& chemin) {
  if (chemin.empty()) return;
  fd_ = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

CVerrouTemporaire::~CVerrouTemporaire() {
  if (fd_ >= 0) ::close(fd_);
}

int EffaceRestesGeneration(const std::string& sortie, const std::string& moteur,
                           const std::string& repertoireTemporaire) {
  std::error_code ec;
  const fs::path cible = fs::absolute(sortie, ec);
  int n = talvik::EffaceTemporairesAbandonnes(cible.parent_path().string(), {Debut(moteur, 64)});
  n += talvik::EffaceTemporairesAbandonnes(repertoireTemporaire, {std::string("\xFF\xD8", 2)});
  return n;
}

}  // namespace lumaveil
