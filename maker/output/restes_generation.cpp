#include "restes_generation.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace lumaveil {

namespace {

namespace fs = std::filesystem;

// The six characters mkstemp puts in place of XXXXXX.
bool Aleatoire(const std::string& s) {
  if (s.size() != 6) return false;
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

std::vector<char> Debut(const std::string& chemin, std::size_t n) {
  std::vector<char> octets(n);
  std::ifstream f(chemin, std::ios::binary);
  f.read(octets.data(), std::streamsize(n));
  octets.resize(std::size_t(f.gcount()));
  return octets;
}

// Removes `chemin` when it is a leftover: a regular file of ours, 0600,
// whose lock nobody holds and that starts with `debut` (or is empty, when
// `videPermis`: a run killed before it wrote anything).
bool EffaceSiReste(const std::string& chemin, const std::vector<char>& debut, bool videPermis) {
  const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  bool reste = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
               (st.st_mode & 07777) == 0600 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  if (reste && !(videPermis && st.st_size == 0)) {
    std::vector<char> lu(debut.size());
    reste = ::pread(fd, lu.data(), lu.size(), 0) == ssize_t(lu.size()) && lu == debut;
  }
  // Removed while the lock is held, so no run can take the file meanwhile.
  const bool efface = reste && ::unlink(chemin.c_str()) == 0;
  ::close(fd);
  return efface;
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
  int n = 0;
  std::error_code ec;
  // Beside the target: "<stem>.XXXXXX<extension>", starting with the engine.
  const fs::path cible = fs::absolute(sortie, ec);
  const std::string tronc = cible.stem().string() + ".", extension = cible.extension().string();
  const std::vector<char> moteurDebut = Debut(moteur, 64);
  if (!moteurDebut.empty()) {
    for (const auto& e : fs::directory_iterator(cible.parent_path(), ec)) {
      const std::string nom = e.path().filename().string();
      if (nom.size() != tronc.size() + 6 + extension.size() || nom.rfind(tronc, 0) != 0 ||
          nom.compare(nom.size() - extension.size(), extension.size(), extension) != 0 ||
          !Aleatoire(nom.substr(tronc.size(), 6)))
        continue;
      if (EffaceSiReste(e.path().string(), moteurDebut, false)) ++n;
    }
  }
  // In the temporary folder: "LMV-XXXXXX.TMP", a JPEG.
  const std::vector<char> jpeg = {char(0xFF), char(0xD8)};
  for (const auto& e : fs::directory_iterator(repertoireTemporaire, ec)) {
    const std::string nom = e.path().filename().string();
    if (nom.size() != 14 || nom.rfind("LMV-", 0) != 0 || nom.compare(10, 4, ".TMP") != 0 ||
        !Aleatoire(nom.substr(4, 6)))
      continue;
    if (EffaceSiReste(e.path().string(), jpeg, true)) ++n;
  }
  return n;
}

}  // namespace lumaveil
