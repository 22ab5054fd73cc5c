// What a test needs to tell that a program left a file alone: its bytes and
// its modification time. Vieillit first puts the time in the past, so that
// a rewrite within the same clock tick still shows.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <string>

namespace lumaveil::testing {

struct EmpreinteFichier {
  bool existe = false;
  std::string octets;
  long long secondes = 0;
  long long nanosecondes = 0;

  static EmpreinteFichier De(const std::string& chemin) {
    EmpreinteFichier e;
    struct stat st {};
    if (::stat(chemin.c_str(), &st) != 0) return e;
    e.existe = true;
    e.secondes = st.st_mtim.tv_sec;
    e.nanosecondes = st.st_mtim.tv_nsec;
    std::ifstream f(chemin, std::ios::binary);
    e.octets.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return e;
  }

  // Sets the file's access and modification times to 1 January 2001.
  static bool Vieillit(const std::string& chemin) {
    const timespec t[2] = {{978307200, 0}, {978307200, 0}};
    return ::utimensat(AT_FDCWD, chemin.c_str(), t, 0) == 0;
  }

  bool operator==(const EmpreinteFichier&) const = default;
};

}  // namespace lumaveil::testing
