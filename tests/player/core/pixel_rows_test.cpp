// The row loops of the smooth frames: every fast set this processor runs
// (SSE2, AVX2) draws the portable set's pixels, and both follow the per-channel arithmetic they promise.
#include <gtest/gtest.h>

#include <vector>

#include "pixel_rows.h"
#include "motion.h"

namespace {

using lmvengine::AcrossTaps;
using lmvengine::RowKernels;
using lmvengine::WidePixel;

uint32_t Channel(uint64_t p, int lane, int bits) { return (p >> (lane * bits)) & 255u; }

// Rows of every length around the vector width, every weight class (0,
// 1, 128, 255, 256 and random), pixels with any top byte.
class RowKernelsAgree : public ::testing::TestWithParam<int> {};

TEST_P(RowKernelsAgree, FastKernelsDrawThePortablePixels) {
  const int count = GetParam();
  uint32_t seed = 0x5EEDu + static_cast<uint32_t>(count);
  auto next = [&] { return seed = lmvengine::Mix32(seed); };
  std::vector<uint32_t> a(count), b(count);
  for (int i = 0; i < count; ++i) {
    a[i] = next();
    b[i] = next();
  }
  // Two wide rows and the taps that sample them, the last column on the
  // row's last pixel (weight 0, its right neighbour the padding).
  const int wideCount = count + 3;
  std::vector<WidePixel> under(wideCount + 1), over(wideCount + 1);
  std::vector<int32_t> left(count);
  std::vector<uint16_t> weights(8 * static_cast<size_t>(count));
  for (int x = 0; x < count; ++x) {
    left[x] = x == count - 1 ? wideCount - 1 : static_cast<int32_t>(next() % (wideCount - 1));
    const uint16_t f = x == count - 1 ? 0 : static_cast<uint16_t>(next() % 256);
    for (int k = 0; k < 4; ++k) {
      weights[8 * x + k] = static_cast<uint16_t>(256 - f);
      weights[8 * x + 4 + k] = f;
    }
  }
  const AcrossTaps taps{left.data(), weights.data()};
  const RowKernels& portable = lmvengine::PortableRowKernels();
  std::vector<const RowKernels*> sets{&lmvengine::FastRowKernels()};
  for (const RowKernels* set : {lmvengine::Sse2RowKernels(), lmvengine::Avx2RowKernels()}) {
    if (set) sets.push_back(set);
  }
  for (const RowKernels* set : sets) {
    SCOPED_TRACE(set == lmvengine::Avx2RowKernels() ? "AVX2" : "SSE2 or the fastest");
    const RowKernels& fast = *set;
    for (uint32_t f : {0u, 1u, 128u, 255u, 256u, next() % 257}) {
      std::vector<WidePixel> wideFast(count), widePortable(count);
      fast.down(a.data(), b.data(), f, count, wideFast.data());
      portable.down(a.data(), b.data(), f, count, widePortable.data());
      ASSERT_EQ(wideFast, widePortable) << "down, weight " << f;
      for (int i = 0; i < count; ++i) {
        for (int lane = 0; lane < 4; ++lane) {
          ASSERT_EQ(Channel(widePortable[i], lane, 16),
                    (Channel(a[i], lane, 8) * (256 - f) + Channel(b[i], lane, 8) * f) >> 8);
        }
      }
      for (int i = 0; i <= wideCount; ++i) {
        under[i] = widePortable[i % count];
        over[i] = wideFast[(i * 7) % count];
      }
      std::vector<uint32_t> outFast(count), outPortable(count);
      fast.across(under.data(), taps, count, outFast.data());
      portable.across(under.data(), taps, count, outPortable.data());
      ASSERT_EQ(outFast, outPortable) << "across";
      fast.acrossBlend(under.data(), taps, over.data(), taps, f, count, outFast.data());
      portable.acrossBlend(under.data(), taps, over.data(), taps, f, count, outPortable.data());
      ASSERT_EQ(outFast, outPortable) << "across and blend, weight " << f;
      fast.blend(a.data(), b.data(), f, count, outFast.data());
      portable.blend(a.data(), b.data(), f, count, outPortable.data());
      ASSERT_EQ(outFast, outPortable) << "blend, weight " << f;
      for (int i = 0; i < count; ++i) {
        ASSERT_EQ(outPortable[i] >> 24, 0u);
        for (int lane = 0; lane < 3; ++lane) {
          ASSERT_EQ(Channel(outPortable[i], lane, 8),
                    (Channel(a[i], lane, 8) * (256 - f) + Channel(b[i], lane, 8) * f + 128) >> 8);
        }
      }
    }
  }
}
INSTANTIATE_TEST_SUITE_P(Lengths, RowKernelsAgree,
                         ::testing::Values(1, 2, 3, 4, 5, 7, 8, 9, 16, 17, 67));

}  // namespace
