// The software blits used by the X11 player and the virtual display.
#include <gtest/gtest.h>

#include <fstream>

#include "soft_raster.h"
#include "dossier_temporaire.h"

namespace {

using lmvengine::BlitStep;
using lmvengine::Raster;
using lmvengine::Rect;

// Each pixel holds its own coordinates: 0x00XXYY (x, y < 256).
Raster Numbered(int w, int h) {
  Raster r = lmvengine::MakeRaster(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) r.pixels[static_cast<size_t>(y) * w + x] = uint32_t(x) << 8 | uint32_t(y);
  return r;
}

TEST(SoftRaster, CopyPlacesTheSourceRectangleAtTheDestination) {
  Raster picture = Numbered(40, 30);
  Raster screen = lmvengine::MakeRaster(100, 80, lmvengine::kClassBackground);
  lmvengine::BlitRaster(picture, BlitStep{Rect{10, 20, 5, 4}, Rect{3, 7, 5, 4}, false}, screen);
  EXPECT_EQ(screen.At(10, 20), (3u << 8) | 7u);
  EXPECT_EQ(screen.At(14, 23), (7u << 8) | 10u);
  EXPECT_EQ(screen.At(15, 20), lmvengine::kClassBackground);
  EXPECT_EQ(screen.At(9, 20), lmvengine::kClassBackground);
}

TEST(SoftRaster, BlitsAreClippedToTheTargetAndToThePicture) {
  Raster picture = Numbered(40, 30);
  Raster screen = lmvengine::MakeRaster(50, 50, lmvengine::kClassBackground);
  // Half off the top-left corner.
  lmvengine::BlitRaster(picture, BlitStep{Rect{-10, -5, 40, 30}, Rect{0, 0, 40, 30}, false}, screen);
  EXPECT_EQ(screen.At(0, 0), (10u << 8) | 5u);
  // Source beyond the picture leaves the destination as it was.
  Raster other = lmvengine::MakeRaster(50, 50, lmvengine::kClassBackground);
  lmvengine::BlitRaster(picture, BlitStep{Rect{0, 0, 50, 50}, Rect{0, 0, 50, 50}, false}, other);
  EXPECT_EQ(other.At(39, 29), (39u << 8) | 29u);
  EXPECT_EQ(other.At(40, 0), lmvengine::kClassBackground);
  EXPECT_EQ(other.At(0, 30), lmvengine::kClassBackground);
}

TEST(SoftRaster, StretchCoversTheDestinationAndKeepsCornersInPlace) {
  Raster picture = Numbered(200, 100);
  Raster screen = lmvengine::MakeRaster(64, 48, lmvengine::kClassBackground);
  lmvengine::BlitRaster(picture, BlitStep{Rect{0, 0, 64, 48}, Rect{0, 0, 200, 100}, true}, screen);
  for (uint32_t p : screen.pixels) ASSERT_NE(p, lmvengine::kClassBackground);
  EXPECT_LE(screen.At(0, 0) >> 8, 3u);
  EXPECT_GE(screen.At(63, 47) >> 8, 196u);
  EXPECT_GE(screen.At(63, 47) & 0xFF, 97u);
  // Columns never go backwards.
  for (int x = 1; x < 64; ++x) EXPECT_GE(screen.At(x, 10) >> 8, screen.At(x - 1, 10) >> 8);
}

TEST(SoftRaster, StretchEnlargesBySamplingNearestPixels) {
  Raster picture = Numbered(4, 2);
  Raster screen = lmvengine::MakeRaster(8, 4, 0);
  lmvengine::BlitRaster(picture, BlitStep{Rect{0, 0, 8, 4}, Rect{0, 0, 4, 2}, true}, screen);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(screen.At(x, y), uint32_t(x / 2) << 8 | uint32_t(y / 2));
}

// A picture smaller than the source rectangle (its decoded size differs
// from the trailer's): doubled rows and columns are drawn where the picture
// has pixels, and the rest of the destination keeps its colour.
TEST(SoftRaster, EnlargedStretchBeyondThePictureDrawsOnlyItsPixels) {
  Raster picture = Numbered(40, 30);
  Raster screen = lmvengine::MakeRaster(130, 90, lmvengine::kClassBackground);
  lmvengine::BlitRaster(picture, BlitStep{Rect{5, 3, 120, 80}, Rect{0, 0, 60, 40}, true}, screen);
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 130; ++x) {
      const bool drawn = x >= 5 && x < 5 + 80 && y >= 3 && y < 3 + 60;
      const uint32_t expected = drawn ? uint32_t((x - 5) / 2) << 8 | uint32_t((y - 3) / 2)
                                      : lmvengine::kClassBackground;
      ASSERT_EQ(screen.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(SoftRaster, ZeroSizedStepsDrawNothing) {
  Raster picture = Numbered(10, 10);
  Raster screen = lmvengine::MakeRaster(10, 10, 7);
  lmvengine::BlitRaster(picture, BlitStep{Rect{0, 0, 0, 10}, Rect{0, 0, 10, 10}, true}, screen);
  lmvengine::BlitRaster(picture, BlitStep{Rect{0, 0, 10, 10}, Rect{0, 0, 0, 0}, true}, screen);
  for (uint32_t p : screen.pixels) EXPECT_EQ(p, 7u);
}

TEST(SoftRaster, PpmHoldsTheWholeRasterInRedGreenBlue) {
  lumaveil::testing::TempDir dir;
  Raster r = lmvengine::MakeRaster(3, 2, 0x00102030);
  r.pixels[5] = 0x00FF0080;
  ASSERT_TRUE(lmvengine::WritePpm(r, dir.File("a.ppm")));
  std::ifstream in(dir.File("a.ppm"), std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(all.substr(0, 11), "P6\n3 2\n255\n");
  ASSERT_EQ(all.size(), 11u + 18u);
  EXPECT_EQ(static_cast<unsigned char>(all[11]), 0x10);
  EXPECT_EQ(static_cast<unsigned char>(all[12]), 0x20);
  EXPECT_EQ(static_cast<unsigned char>(all[13]), 0x30);
  EXPECT_EQ(static_cast<unsigned char>(all[11 + 15]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(all[11 + 17]), 0x80);
  EXPECT_FALSE(lmvengine::WritePpm(r, dir.File("no/such/dir/a.ppm")));
}

}  // namespace
