#include <gtest/gtest.h>

#include <random>

#include "graphique.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::COLORREF;
using talvik::RGB;

namespace {

COLORREF Regle(COLORREF c, int l, int co, int i) {
  Bitmap p = Bitmap::Create(1, 1, c);
  Bitmap r = CGraphique::ReglageImage(p, l, co, i);
  return r ? r.GetPixel(0, 0) : 0xFFFFFFFFu;
}

}  // namespace

TEST(Reglage, LightShiftsEveryChannelByTheTruncatedOffset) {
  const COLORREF p = RGB(100, 150, 200);
  EXPECT_EQ(Regle(p, 60, 50, 50), RGB(125, 175, 225));
  EXPECT_EQ(Regle(p, 40, 50, 50), RGB(75, 125, 175));
  EXPECT_EQ(Regle(p, 51, 50, 50), RGB(102, 152, 202));
  EXPECT_EQ(Regle(p, 0, 50, 50), RGB(0, 23, 73));
  EXPECT_EQ(Regle(p, 100, 50, 50), RGB(227, 255, 255));
}

TEST(Reglage, ContrastScalesAboutZeroAndClamps) {
  const COLORREF p = RGB(100, 150, 200);
  EXPECT_EQ(Regle(p, 50, 100, 50), RGB(200, 255, 255));
  EXPECT_EQ(Regle(p, 50, 25, 50), RGB(50, 75, 100));
  EXPECT_EQ(Regle(p, 50, 0, 50), RGB(0, 0, 0));
}

TEST(Reglage, IntensityScalesBrightPixelsOnly) {
  const COLORREF p = RGB(100, 150, 200);
  EXPECT_EQ(Regle(p, 50, 50, 100), RGB(241, 255, 255));
  EXPECT_EQ(Regle(p, 50, 50, 60), RGB(128, 192, 255));
  EXPECT_EQ(Regle(p, 50, 50, 0), RGB(0, 0, 0));
  EXPECT_EQ(Regle(RGB(60, 80, 100), 50, 50, 100), RGB(60, 80, 100));
}

TEST(Reglage, NearlyUnsaturatedPixelComesBackGrey) {
  // (200, 200, 200) after step 4 has saturation 0: all channels equal the
  // new V = 200.0008 x (1 + 72.0008 x 0.2 / 255) = 211.29.
  EXPECT_EQ(Regle(RGB(200, 200, 200), 50, 50, 52), RGB(211, 211, 211));
}

TEST(Reglage, NeutralSettingGivesAnExactCopyNotTheSameHandle) {
  Bitmap p = Bitmap::Create(64, 32);
  std::mt19937 alea(7);
  for (std::size_t i = 0; i < p.PixelCount(); ++i) p.Pixels()[i] = alea() & 0xFFFFFF;
  Bitmap r = CGraphique::ReglageImage(p, 50, 50, 50);
  ASSERT_TRUE(r);
  EXPECT_FALSE(r.SameAs(p));
  EXPECT_TRUE(std::equal(p.Pixels(), p.Pixels() + p.PixelCount(), r.Pixels()));
}

TEST(Reglage, LargePictureMatchesThePixelByPixelResult) {
  // The split over cores and the tables must give what one pixel at a time gives.
  Bitmap p = Bitmap::Create(700, 500);
  std::mt19937 alea(11);
  for (std::size_t i = 0; i < p.PixelCount(); ++i) p.Pixels()[i] = alea() & 0xFFFFFF;
  for (auto [l, c, in] : {std::tuple{57, 43, 81}, std::tuple{20, 70, 50}}) {
    Bitmap r = CGraphique::ReglageImage(p, l, c, in);
    ASSERT_TRUE(r);
    for (std::size_t i = 0; i < p.PixelCount(); i += 997) {
      const COLORREF attendu = Regle(talvik::ColorFromPixel(p.Pixels()[i]), l, c, in);
      EXPECT_EQ(talvik::ColorFromPixel(r.Pixels()[i]), attendu);
    }
  }
  EXPECT_FALSE(CGraphique::ReglageImage(Bitmap(), 60, 50, 50));
}

TEST(Hsv, RoundTripGivesTheColourBack) {
  std::mt19937 alea(3);
  for (int n = 0; n < 2000; ++n) {
    const double r = alea() % 256, g = alea() % 256, b = alea() % 256;
    double h, s, v, r2, g2, b2;
    CGraphique::fp_rgb_to_hsv(r, g, b, &h, &s, &v);
    EXPECT_GE(h, 0.0);
    EXPECT_LE(h, 255.0);
    CGraphique::fp_hsv_to_rgb(h, s, v, &r2, &g2, &b2);
    EXPECT_NEAR(r2, r, 1e-6);
    EXPECT_NEAR(g2, g, 1e-6);
    EXPECT_NEAR(b2, b, 1e-6);
  }
}

TEST(Hsv, ScaleIsZeroTo255WithASixthAt42AndAHalf) {
  double h, s, v;
  CGraphique::fp_rgb_to_hsv(0, 255, 0, &h, &s, &v);
  EXPECT_DOUBLE_EQ(h, 85.0);
  EXPECT_DOUBLE_EQ(s, 255.0);
  EXPECT_DOUBLE_EQ(v, 255.0);
  CGraphique::fp_rgb_to_hsv(255, 0, 128, &h, &s, &v);
  EXPECT_NEAR(h, 255.0 - 42.5 * 128.0 / 255.0, 1e-9);
  CGraphique::fp_rgb_to_hsv(50, 50, 50, &h, &s, &v);
  EXPECT_EQ(h, 0.0);
  EXPECT_EQ(s, 0.0);
  double r, g, b;
  CGraphique::fp_hsv_to_rgb(255.0, 255.0, 255.0, &r, &g, &b);  // hue at the wrap: red
  EXPECT_DOUBLE_EQ(r, 255.0);
  EXPECT_DOUBLE_EQ(g, 0.0);
  CGraphique::fp_hsv_to_rgb(12.0, 0.5, 99.0, &r, &g, &b);  // |s| < 1: grey
  EXPECT_EQ(r, 99.0);
  EXPECT_EQ(b, 99.0);
}
