// The player's pseudo-random generator: never seeded, so every run of a
// package makes the same choices.
#pragma once

#include <cstdint>

namespace lmvengine {

struct Random {
  uint32_t state = 1;  // starts at 1

  // state = state * 214013 + 2531011 (mod 2^32); returns (state >> 16) & 0x7FFF,
  // a value in 0..32767.
  int Next();
};

// Resolves effect 7 (Random) to Next() mod 7 and effect 10 (Random among
// all) to {0..6, 8, 9}[Next() mod 9]; other codes are returned as given.
int32_t ResolveRandomEffect(int32_t effect, Random& random);

}  // namespace lmvengine
