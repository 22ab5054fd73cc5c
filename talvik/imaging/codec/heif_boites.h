// The boxes of an ISO media file (HEIF, AVIF) read directly, for what
// libheif does not check itself before it allocates.
#pragma once

#include <cstddef>
#include <cstdint>

namespace talvik::heif {

// One box: its type and its body (after the size and type fields).
struct Boite {
  const std::uint8_t* corps = nullptr;
  std::size_t taille = 0;
  char type[5] = {};
};

// The box starting at `p` when it lies wholly inside [p, fin).
bool LitBoite(const std::uint8_t* p, const std::uint8_t* fin, Boite* b);
// The first box of the given type among those in [p, fin).
bool Cherche(const std::uint8_t* p, const std::uint8_t* fin, const char* type, Boite* b);

// True when every extent of every item that the "iloc" box of the file
// (given whole) locates lies inside the file (or inside its "idat" box):
// libheif sizes its buffers from these declared lengths before it reads,
// so a few bytes could otherwise make it ask for gigabytes. A file
// without an iloc box passes (libheif refuses it itself).
bool EtenduesDansLeFichier(const std::uint8_t* fichier, std::size_t taille);

}  // namespace talvik::heif
