#include <gtest/gtest.h>

#include "raster/raster.h"

using talvik::Bitmap;
using talvik::COLORREF;
using talvik::RGB;
namespace raster = talvik::raster;

namespace {

Bitmap Damier(int w, int h, COLORREF a, COLORREF b) {
  Bitmap bmp = Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.SetPixel(x, y, ((x + y) & 1) ? b : a);
  return bmp;
}

int Compte(const Bitmap& b, COLORREF c) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.GetPixel(x, y) == c;
  return n;
}

}  // namespace

TEST(BitBlt, ClipsAgainstBothBitmapsWhateverTheOrigins) {
  Bitmap src = Bitmap::Create(4, 4, RGB(255, 0, 0));
  Bitmap dst = Bitmap::Create(6, 6, RGB(0, 0, 0));
  raster::BitBlt(dst, -2, 4, 10, 10, src, 0, 0);  // only 2 x 2 fit
  EXPECT_EQ(Compte(dst, RGB(255, 0, 0)), 4);
  EXPECT_EQ(dst.GetPixel(0, 4), RGB(255, 0, 0));
  EXPECT_EQ(dst.GetPixel(1, 5), RGB(255, 0, 0));
  raster::BitBlt(dst, 0, 0, 3, 3, src, 3, 3);  // one source pixel inside
  EXPECT_EQ(dst.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(dst.GetPixel(1, 1), RGB(0, 0, 0));
  raster::BitBlt(dst, 100, 100, 5, 5, src, 0, 0);
  raster::BitBlt(dst, 0, 0, 5, 5, src, -100, 0);
  EXPECT_EQ(Compte(dst, RGB(255, 0, 0)), 5);
}

TEST(StretchHalftone, ShrinkingAveragesEveryCoveredPixel) {
  // A fine checker of black and white shrunk by 4 turns mid grey; nearest
  // sampling would give pure black or white.
  Bitmap src = Damier(400, 300, RGB(0, 0, 0), RGB(255, 255, 255));
  Bitmap dst = Bitmap::Create(100, 75);
  raster::StretchBlt(dst, 0, 0, 100, 75, src, 0, 0, 400, 300, raster::HALFTONE);
  for (int y = 0; y < 75; y += 7)
    for (int x = 0; x < 100; x += 9) {
      const COLORREF c = dst.GetPixel(x, y);
      EXPECT_NEAR(talvik::GetRValue(c), 128, 1);
      EXPECT_EQ(talvik::GetRValue(c), talvik::GetBValue(c));
    }
  raster::StretchBlt(dst, 0, 0, 100, 75, src, 0, 0, 400, 300, raster::COLORONCOLOR);
  const COLORREF c = dst.GetPixel(10, 10);
  EXPECT_TRUE(c == RGB(0, 0, 0) || c == RGB(255, 255, 255));
}

TEST(StretchHalftone, FractionalShrinkKeepsTheMeanAndFlatAreas) {
  // 3 -> 2 columns: the middle source column is split between both.
  Bitmap src = Bitmap::Create(3, 1);
  src.SetPixel(0, 0, RGB(0, 0, 0));
  src.SetPixel(1, 0, RGB(90, 90, 90));
  src.SetPixel(2, 0, RGB(180, 180, 180));
  Bitmap dst = Bitmap::Create(2, 1);
  raster::StretchBlt(dst, 0, 0, 2, 1, src, 0, 0, 3, 1, raster::HALFTONE);
  EXPECT_EQ(talvik::GetRValue(dst.GetPixel(0, 0)), 30);   // (0 + 90 / 2) / 1.5
  EXPECT_EQ(talvik::GetRValue(dst.GetPixel(1, 0)), 150);  // (45 + 180) / 1.5
  Bitmap plat = Bitmap::Create(997, 613, RGB(17, 200, 93));
  Bitmap petit = Bitmap::Create(311, 207);
  raster::StretchBlt(petit, 0, 0, 311, 207, plat, 0, 0, 997, 613, raster::HALFTONE);
  EXPECT_EQ(Compte(petit, RGB(17, 200, 93)), 311 * 207);
}

TEST(StretchHalftone, EnlargingInterpolatesBetweenNeighbours) {
  Bitmap src = Bitmap::Create(2, 1);
  src.SetPixel(0, 0, RGB(0, 0, 0));
  src.SetPixel(1, 0, RGB(200, 200, 200));
  Bitmap dst = Bitmap::Create(8, 1);
  raster::StretchBlt(dst, 0, 0, 8, 1, src, 0, 0, 2, 1, raster::HALFTONE);
  EXPECT_EQ(dst.GetPixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(dst.GetPixel(7, 0), RGB(200, 200, 200));
  for (int x = 1; x < 8; ++x)
    EXPECT_GE(talvik::GetRValue(dst.GetPixel(x, 0)), talvik::GetRValue(dst.GetPixel(x - 1, 0)));
}

TEST(StretchNearest, DoublingRepeatsEachPixelAndClipsTheDestination) {
  Bitmap src = Damier(3, 3, RGB(1, 2, 3), RGB(4, 5, 6));
  Bitmap dst = Bitmap::Create(5, 5, RGB(9, 9, 9));
  raster::StretchBlt(dst, -1, -1, 6, 6, src, 0, 0, 3, 3, raster::COLORONCOLOR);
  // Destination pixel (x, y) shows source ((x + 1) / 2, (y + 1) / 2).
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(dst.GetPixel(x, y), src.GetPixel((x + 1) / 2, (y + 1) / 2));
}

TEST(TransparentBlt, KeyColourLeavesTheDestination) {
  Bitmap src = Damier(4, 4, RGB(255, 0, 255), RGB(0, 255, 0));
  Bitmap dst = Bitmap::Create(4, 4, RGB(0, 0, 255));
  raster::TransparentBlt(dst, 0, 0, 4, 4, src, 0, 0, 4, 4, RGB(255, 0, 255));
  EXPECT_EQ(Compte(dst, RGB(0, 0, 255)), 8);
  EXPECT_EQ(Compte(dst, RGB(0, 255, 0)), 8);
}

TEST(Rectangle, PenIsCentredOnTheEdgeAndBrushFillsInside) {
  Bitmap b = Bitmap::Create(20, 20, RGB(0, 0, 0));
  raster::Rectangle(b, 5, 5, 15, 15, raster::Pen{raster::PS_SOLID, 1, RGB(255, 0, 0)},
                    raster::Brush{true, 0});
  // Width 1: the outline of [5, 14] x [5, 14], 36 pixels, inside untouched.
  EXPECT_EQ(Compte(b, RGB(255, 0, 0)), 36);
  EXPECT_EQ(b.GetPixel(14, 14), RGB(255, 0, 0));
  EXPECT_EQ(b.GetPixel(15, 15), RGB(0, 0, 0));
  EXPECT_EQ(b.GetPixel(10, 10), RGB(0, 0, 0));

  Bitmap c = Bitmap::Create(20, 20, RGB(0, 0, 0));
  raster::Rectangle(c, 5, 5, 15, 15, raster::Pen{raster::PS_SOLID, 3, RGB(255, 0, 0)},
                    raster::Brush{false, RGB(0, 255, 0)});
  // Width 3: one pixel outside, the edge, one inside.
  EXPECT_EQ(c.GetPixel(4, 10), RGB(255, 0, 0));
  EXPECT_EQ(c.GetPixel(6, 10), RGB(255, 0, 0));
  EXPECT_EQ(c.GetPixel(7, 10), RGB(0, 255, 0));
  EXPECT_EQ(c.GetPixel(3, 10), RGB(0, 0, 0));
  EXPECT_EQ(c.GetPixel(15, 15), RGB(255, 0, 0));
  EXPECT_EQ(c.GetPixel(16, 16), RGB(0, 0, 0));
}

TEST(Rectangle, NullPenFillsOnePixelShortOfRightAndBottom) {
  Bitmap b = Bitmap::Create(10, 10, RGB(0, 0, 0));
  raster::Rectangle(b, 0, 0, 10, 10, raster::Pen{raster::PS_NULL, 1, 0},
                    raster::Brush{false, RGB(1, 1, 1)});
  EXPECT_EQ(Compte(b, RGB(1, 1, 1)), 81);
  raster::Rectangle(b, 0, 0, 11, 11, raster::Pen{raster::PS_NULL, 1, 0},
                    raster::Brush{false, RGB(1, 1, 1)});
  EXPECT_EQ(Compte(b, RGB(1, 1, 1)), 100);
}

TEST(Rectangle, DottedPenLeavesGaps) {
  Bitmap b = Bitmap::Create(40, 40, RGB(0, 0, 0));
  raster::Rectangle(b, 0, 0, 40, 40, raster::Pen{raster::PS_DOT, 1, RGB(9, 9, 9)},
                    raster::Brush{true, 0});
  const int n = Compte(b, RGB(9, 9, 9));
  EXPECT_GT(n, 60);
  EXPECT_LT(n, 100);  // about half of the 156 outline pixels
}

TEST(Raster, NullBitmapsAndBadSizesDoNothing) {
  Bitmap vide;
  Bitmap b = Bitmap::Create(3, 3, RGB(5, 5, 5));
  raster::BitBlt(vide, 0, 0, 3, 3, b, 0, 0);
  raster::StretchBlt(b, 0, 0, 3, 3, vide, 0, 0, 3, 3, raster::HALFTONE);
  raster::StretchBlt(b, 0, 0, -3, 3, b, 0, 0, 3, 3, raster::HALFTONE);
  raster::FillRect(vide, talvik::RECT{0, 0, 3, 3}, 0);
  EXPECT_EQ(Compte(b, RGB(5, 5, 5)), 9);
  EXPECT_EQ(raster::GetPixel(b, 3, 0), 0xFFFFFFFFu);
}

TEST(StretchHalftone, ExtremeShrinkAveragesThousandsOfRows) {
  // 1024 rows holding 0..255 four times each shrink to one row: their mean.
  Bitmap src = Bitmap::Create(7, 1024);
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 7; ++x) src.SetPixel(x, y, RGB(talvik::BYTE(y / 4), 0, 255));
  Bitmap dst = Bitmap::Create(3, 1);
  raster::StretchBlt(dst, 0, 0, 3, 1, src, 0, 0, 7, 1024, raster::HALFTONE);
  for (int x = 0; x < 3; ++x) {
    EXPECT_NEAR(talvik::GetRValue(dst.GetPixel(x, 0)), 127.5, 0.6);
    EXPECT_EQ(talvik::GetBValue(dst.GetPixel(x, 0)), 255);
  }
}
