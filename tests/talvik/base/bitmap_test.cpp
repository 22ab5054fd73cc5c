// The picture handle: large pictures reuse the memory of released ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "base/bitmap.h"

namespace talvik {
namespace {

// A released large picture's memory goes to the next pictures of about
// its size: whatever it held must not show through a picture that
// promises its pixels.
TEST(Bitmap, LargePicturesMadeAfterOthersAreReleasedShowOnlyTheirOwnPixels) {
  for (int tour = 0; tour < 3; ++tour) {
    {
      Bitmap sale = Bitmap::CreateUninitialized(1024, 768);
      ASSERT_TRUE(sale);
      std::fill_n(sale.Pixels(), sale.PixelCount(), 0x00ABCDEFu);
      Bitmap autre = Bitmap::CreateUninitialized(1000, 760);  // a little smaller
      ASSERT_TRUE(autre);
      std::fill_n(autre.Pixels(), autre.PixelCount(), 0x00123456u);
    }
    Bitmap noire = Bitmap::Create(1000, 768);
    Bitmap pleine = Bitmap::Create(1024, 760, RGB(1, 2, 3));
    ASSERT_TRUE(noire && pleine);
    const std::uint32_t* p = noire.Pixels();
    EXPECT_TRUE(std::all_of(p, p + noire.PixelCount(), [](std::uint32_t v) { return v == 0; }));
    const std::uint32_t* q = pleine.Pixels();
    EXPECT_TRUE(std::all_of(q, q + pleine.PixelCount(),
                            [](std::uint32_t v) { return v == 0x00010203u; }));
    // Two live pictures never share memory.
    EXPECT_TRUE(q + pleine.PixelCount() <= p || p + noire.PixelCount() <= q);
  }
}

}  // namespace
}  // namespace talvik
