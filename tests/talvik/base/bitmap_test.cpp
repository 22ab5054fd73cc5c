// The picture handle: large pictures reuse the memory of released ones, and
// a handle written to while shared gets its own copy.
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

namespace talvik {
namespace {

// Copy on write: whoever writes through a handle whose pixels another
// handle also holds gets its own copy first; the other owner's picture
// never changes.
TEST(BitmapCopyOnWrite, WritingThroughASharedHandleLeavesEveryOtherOwnerUntouched) {
  const COLORREF gris = RGB(90, 90, 90), rouge = RGB(255, 0, 0), bleu = RGB(0, 0, 255);
  Bitmap cache = Bitmap::Create(4, 3, gris);
  Bitmap editeur = cache;  // a second owner, as an editor receives a screen's picture
  ASSERT_TRUE(editeur.SameAs(cache));
  EXPECT_EQ(cache.UseCount(), 2);

  // Each writer: SetPixel, Row, Pixels.
  editeur.SetPixel(1, 1, rouge);
  EXPECT_FALSE(editeur.SameAs(cache));
  EXPECT_EQ(editeur.GetPixel(1, 1), rouge);
  EXPECT_EQ(editeur.GetPixel(0, 0), gris);  // the copy holds the rest of the picture
  Bitmap autre = cache;
  autre.Row(2)[3] = PixelFromColor(bleu);
  Bitmap troisieme = cache;
  troisieme.Pixels()[0] = PixelFromColor(bleu);
  EXPECT_EQ(autre.GetPixel(3, 2), bleu);
  EXPECT_EQ(troisieme.GetPixel(0, 0), bleu);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(cache.GetPixel(x, y), gris) << x << "," << y;
  EXPECT_EQ(cache.UseCount(), 1);  // every writer went its own way

  // A handle alone on its pixels writes in place: no copy is made.
  const std::uint32_t* avant = static_cast<const Bitmap&>(editeur).Pixels();
  editeur.SetPixel(2, 2, bleu);
  EXPECT_EQ(static_cast<const Bitmap&>(editeur).Pixels(), avant);

  // Reading a shared handle never separates it.
  Bitmap lecteur = cache;
  const Bitmap& lu = lecteur;
  EXPECT_EQ(lu.GetPixel(3, 2), gris);
  EXPECT_EQ(lu.Row(2)[3], PixelFromColor(gris));
  EXPECT_TRUE(lecteur.SameAs(cache));
}

}  // namespace
}  // namespace talvik
