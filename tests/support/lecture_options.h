// Reads the options block of a generated package back for the tests, with
// the player core's own reader.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "lecture_paquet.h"
#include "options_block.h"

namespace lumaveil::testing {

// True, with the block in `bloc`, when the package `octets` ends in a
// valid options block; false when it has none or a damaged one.
inline bool LitBlocOptions(const std::vector<std::uint8_t>& octets,
                           lmvengine::OptionsBlock& bloc) {
  if (octets.size() < 16 + lmvengine::kOptionsFooterSize) return false;
  lmvengine::PackageTrailer t{};
  std::memcpy(&t, octets.data() + octets.size() - 16, 16);
  std::int32_t longueur = 0;
  if (!lmvengine::HasOptionsFooter(octets.data() + octets.size() - 16 - 8, longueur) ||
      longueur <= 0 || std::size_t(longueur) > octets.size() - 16)
    return false;
  return lmvengine::ParseOptionsBlock(octets.data() + octets.size() - 16 - std::size_t(longueur),
                                      std::size_t(longueur), t,
                                      bloc) == lmvengine::OptionsCheck::kOk;
}

inline bool LitBlocOptions(const std::string& chemin, lmvengine::OptionsBlock& bloc) {
  return LitBlocOptions(Contenu(chemin), bloc);
}

}  // namespace lumaveil::testing
