// Small file helpers shared by the codecs: a FILE* that closes itself and
// whole-file reading.
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

inline Fichier Ouvre(const std::string& chemin, const char* mode) {
  return Fichier(std::fopen(chemin.c_str(), mode));
}

// Reads the whole file; false when it cannot be opened or read, or when it
// is larger than limite bytes.
bool LitTout(const std::string& chemin, std::vector<std::uint8_t>& contenu,
             std::uint64_t limite = (std::uint64_t(1) << 31));

}  // namespace talvik::fichier
