// The inner loops of the smooth frames: mixing two picture rows down,
// sampling a row across, blending two rows. Every channel is computed on
// its own as
//   down or across:  (a x (256 - f) + b x f) >> 8        (f in 0..256)
//   blend:           (a x (256 - t) + b x t + 128) >> 8  (t in 0..256)
// so weight 0 gives `a` exactly. Two sets compute these same pixels: the
// portable one (four channels as 16-bit lanes of a 64-bit word, or two
// pixels per word), where the compiler targets SSE2 (every x86-64, the
// Windows build included) one that runs four pixels at a time, and on
// processors with AVX2 one that runs eight (pixel_rows_avx2.cpp).
// Output pixels keep their top byte 0.
#pragma once

#include <cstdint>

namespace lmvengine {

// One pixel with its four bytes widened to 16-bit lanes (blue lowest):
// the rows mixed down, waiting to be sampled across.
using WidePixel = uint64_t;

// Where each output column samples a wide row: left[x] is the first of
// the two neighbouring pixels wide[left[x]], wide[left[x] + 1] (the second
// is read even when its weight is 0, so a wide row has one pixel more than
// it needs), and weights[8x .. 8x + 7] hold 256 - f four times, then f
// four times, f being the weight of the second.
struct AcrossTaps {
  const int32_t* left = nullptr;
  const uint16_t* weights = nullptr;
};

struct RowKernels {
  // wide[i] = down(top[i], bottom[i], f) for i < count.
  void (*down)(const uint32_t* top, const uint32_t* bottom, uint32_t f, int count,
               WidePixel* wide);
  // out[x] = across(wide, taps at x) for x < count.
  void (*across)(const WidePixel* wide, AcrossTaps taps, int count, uint32_t* out);
  // out[x] = blend(across(under ...), across(over ...), t) for x < count.
  void (*acrossBlend)(const WidePixel* under, AcrossTaps underTaps, const WidePixel* over,
                      AcrossTaps overTaps, uint32_t t, int count, uint32_t* out);
  // out[x] = blend(under[x], over[x], t) for x < count; out may be
  // either input.
  void (*blend)(const uint32_t* under, const uint32_t* over, uint32_t t, int count,
                uint32_t* out);
};

// The portable kernels.
const RowKernels& PortableRowKernels();
// The SSE2 kernels (null where the build targets no SSE2), and the AVX2
// ones (null unless the build is for x86 and the processor has AVX2):
// the portable pixels, four and eight at a time.
const RowKernels* Sse2RowKernels();
const RowKernels* Avx2RowKernels();
// The fastest of these on this processor, chosen once.
const RowKernels& FastRowKernels();

}  // namespace lmvengine
