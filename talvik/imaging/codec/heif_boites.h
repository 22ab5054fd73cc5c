// The boxes of an ISO media file (HEIF, AVIF) read directly, for what
// libheif does not check itself before it allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

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

// One extent of an item as the "iloc" box locates it.
struct Etendue {
  std::uint64_t item = 0;
  int methode = 0;            // 0: in the file; 1: in the "idat" box
  std::uint64_t debut = 0;    // from the start of the file, or of idat's body
  std::uint64_t longueur = 0;  // 0: to the end of the file (or of idat)
  bool premiere = false;      // the item's first extent
};

// Calls `visite` for every extent of every item of the file (given
// whole) in the order of its "iloc" box, until it returns false. False
// when the iloc box cannot be read; true when there is none.
bool ParcoursIloc(const std::uint8_t* fichier, std::size_t taille,
                  const std::function<bool(const Etendue&)>& visite);

// The IDs of the items of this type (4 characters, "av01") in the file's
// "iinf" box.
std::vector<std::uint64_t> ItemsDeType(const std::uint8_t* fichier, std::size_t taille,
                                       const char* type);

// True when every extent of every item that the "iloc" box of the file
// (given whole) locates lies inside the file (or inside its "idat" box):
// libheif sizes its buffers from these declared lengths before it reads,
// so a few bytes could otherwise make it ask for gigabytes. A file
// without an iloc box passes (libheif refuses it itself).
bool EtenduesDansLeFichier(const std::uint8_t* fichier, std::size_t taille);

}  // namespace talvik::heif
