#include "random.h"

#include "effects.h"

namespace lmvengine {

int Random::Next() {
  state = state * 214013u + 2531011u;  // unsigned arithmetic wraps modulo 2^32
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

int32_t ResolveRandomEffect(int32_t effect, Random& random) {
  if (effect == kEffectRandom) return random.Next() % 7;
  if (effect == kEffectRandomAll) {
    static constexpr int32_t kAll[] = {0, 1, 2, 3, 4, 5, 6, kEffectCrossFade, kEffectPanZoom};
    return kAll[random.Next() % 9];
  }
  return effect;
}

}  // namespace lmvengine
