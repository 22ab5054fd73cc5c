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

namespace {

// The adjustment of one pixel, step by step as designed.
COLORREF Reference(COLORREF c, int l, int co, int in) {
  const int offset = int((l - 50) * 2.55);
  const double gain = co * 0.02;
  const double k = (in * 0.4 - 20) * 0.25 / 255;
  double x[3] = {talvik::GetRValue(c) * gain + k + offset, talvik::GetGValue(c) * gain + k + offset,
                 talvik::GetBValue(c) * gain + k + offset};
  if (in != 50) {
    double h, s, v;
    CGraphique::fp_rgb_to_hsv(x[0], x[1], x[2], &h, &s, &v);
    if (v >= 128) v = v * (1 + (v - 128) * k);
    CGraphique::fp_hsv_to_rgb(h, s, v, &x[0], &x[1], &x[2]);
  }
  talvik::BYTE o[3];
  for (int i = 0; i < 3; ++i) o[i] = x[i] >= 255 ? 255 : x[i] < 0 ? 0 : talvik::BYTE(int(x[i]));
  return RGB(o[0], o[1], o[2]);
}

}  // namespace

TEST(Reglage, EveryPixelMatchesTheStepByStepFormula) {
  // Random colours, near-greys (saturation below 1 after a low contrast)
  // and every grey level, over settings that reach each branch.
  Bitmap p = Bitmap::Create(256, 96);
  std::mt19937 alea(5);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 256; ++x) {
      COLORREF c;
      if (y == 0) c = RGB(talvik::BYTE(x), talvik::BYTE(x), talvik::BYTE(x));
      else if (y < 32) c = RGB(talvik::BYTE(x), talvik::BYTE(x > 0 ? x - 1 : 0), talvik::BYTE(x));
      else c = alea() & 0xFFFFFF;
      p.SetPixel(x, y, c);
    }
  const int reglages[][3] = {{50, 50, 100}, {50, 50, 0},  {90, 10, 60},  {100, 5, 49},
                             {0, 100, 51},  {20, 70, 80}, {65, 35, 30},  {50, 0, 99},
                             {75, 20, 1},   {10, 90, 65}, {50, 50, 120}, {50, 50, -20}};
  for (const auto& r : reglages) {
    Bitmap a = CGraphique::ReglageImage(p, r[0], r[1], r[2]);
    ASSERT_TRUE(a);
    int ecarts = 0;
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 256; ++x)
        ecarts += a.GetPixel(x, y) != Reference(p.GetPixel(x, y), r[0], r[1], r[2]);
    EXPECT_EQ(ecarts, 0) << r[0] << " " << r[1] << " " << r[2];
  }
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
