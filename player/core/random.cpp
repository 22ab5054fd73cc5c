#include "random.h"

#include "effects.h"

namespace lmvengine {

int Random::Next() {
  state = state * 214013u + 2531011u;  // unsigned arithmetic wraps modulo 2^32
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

int32_t ResolveRandomEffect(int32_t effect, Random& random) {
  if (effect != kEffectRandom) return effect;
  return random.Next() % 7;
}

}  // namespace lmvengine
