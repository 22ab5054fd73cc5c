// Small file helpers shared by the codecs: a FILE* that closes itself,
// opening for reading (regular files only) and whole-file reading.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace talvik::fichier {

struct FermeFichier {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using Fichier = std::unique_ptr<std::FILE, FermeFichier>;

// Opens a file with a mode of fopen. For reading (a mode starting with 'r')
// only a regular file opens: a device such as /dev/zero never ends and a
// pipe may never answer, so a picture path naming one is refused, without
// waiting for a writer.
Fichier Ouvre(const std::string& chemin, const char* mode);

// The descriptor of a regular file opened read-only (close-on-exec), or -1
// when the path names anything else or does not open.
int OuvreFichierOrdinaire(const std::string& chemin);

// Size of an open file in bytes; ~0 when it is not known.
std::uint64_t Taille(std::FILE* f);

// Reads the whole file; false when it cannot be opened or read, or when it
// is larger than limite bytes.
bool LitTout(const std::string& chemin, std::vector<std::uint8_t>& contenu,
             std::uint64_t limite = (std::uint64_t(1) << 31));

}  // namespace talvik::fichier
