#include <gtest/gtest.h>

#include "graphique.h"
#include "raster/raster.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::COLORREF;
using talvik::CPoint;
using talvik::CRect;
using talvik::CSize;
using talvik::RGB;

namespace {

// Every pixel different: the colour encodes its position.
Bitmap Numerotee(int w, int h) {
  Bitmap b = Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.Row(y)[x] = std::uint32_t(y * w + x + 1);
  return b;
}

bool Identiques(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  return std::equal(a.Pixels(), a.Pixels() + a.PixelCount(), b.Pixels());
}

// The picture is h1 x w1 and holds inside it at (x, y) a w x h block of colour c.
bool BlocA(const Bitmap& b, int x, int y, int w, int h, COLORREF c) {
  for (int j = 0; j < b.Height(); ++j)
    for (int i = 0; i < b.Width(); ++i) {
      const bool dedans = i >= x && i < x + w && j >= y && j < y + h;
      if ((b.GetPixel(i, j) == c) != dedans) return false;
    }
  return true;
}

}  // namespace

TEST(Proportionnee, SmallPictureIsCentredUnscaledOnTheFill) {
  Bitmap p = Bitmap::Create(300, 200, RGB(200, 10, 10));
  Bitmap r = CGraphique::RedimensionneImageProportionnee(p, CSize(640, 480), RGB(0, 0, 0), 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 640);
  EXPECT_EQ(r.Height(), 480);
  EXPECT_TRUE(BlocA(r, 170, 140, 300, 200, RGB(200, 10, 10)));
}

TEST(Proportionnee, ExactFitAfterResizeHasNoFrameAndExactInputIsReturnedItself) {
  Bitmap grande = Bitmap::Create(1600, 1200, RGB(1, 2, 3));
  Bitmap r = CGraphique::RedimensionneImageProportionnee(grande, CSize(800, 600), RGB(9, 9, 9), 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 800);
  EXPECT_EQ(r.Height(), 600);
  EXPECT_EQ(r.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(r.GetPixel(799, 599), RGB(1, 2, 3));

  Bitmap juste = Bitmap::Create(640, 480);
  Bitmap meme = CGraphique::RedimensionneImageProportionnee(juste, CSize(640, 480), 0, 0);
  EXPECT_TRUE(meme.SameAs(juste));
}

TEST(Proportionnee, SquarePictureFitsTheHeightAndIsCentred) {
  Bitmap p = Bitmap::Create(1000, 1000, RGB(10, 200, 10));
  Bitmap r = CGraphique::RedimensionneImageProportionnee(p, CSize(800, 600), RGB(0, 0, 0), 0);
  ASSERT_TRUE(r);
  EXPECT_TRUE(BlocA(r, 100, 0, 600, 600, RGB(10, 200, 10)));
}

TEST(Proportionnee, FillAllOnesTakesTheTopLeftPixel) {
  Bitmap p = Bitmap::Create(30, 20, RGB(40, 50, 60));
  p.SetPixel(0, 0, RGB(7, 8, 9));
  Bitmap r = CGraphique::RedimensionneImageProportionnee(p, CSize(64, 48), 0xFFFFFFFF, 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.GetPixel(0, 0), RGB(7, 8, 9));
  EXPECT_EQ(r.GetPixel(63, 47), RGB(7, 8, 9));
  EXPECT_EQ(r.GetPixel(17 + 1, 14 + 1), RGB(40, 50, 60));
}

TEST(Proportionnee, OverflowingSideIsCutEvenlyAndThinPicturesKeepAPixel) {
  // 300 x 100 into 100 x 20 (landscape, W > cx): 100 x 33, then cut to 20 rows.
  Bitmap p = Bitmap::Create(300, 100, RGB(5, 5, 5));
  Bitmap r = CGraphique::RedimensionneImageProportionnee(p, CSize(100, 20), 0, 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 100);
  EXPECT_EQ(r.Height(), 20);
  Bitmap fil = Bitmap::Create(5000, 1, RGB(5, 5, 5));
  Bitmap f = CGraphique::RedimensionneImageProportionnee(fil, CSize(100, 100), 0, 1);
  ASSERT_TRUE(f);
  EXPECT_EQ(f.GetPixel(50, 49), RGB(5, 5, 5));  // one row, at (100 - 1) / 2
}

TEST(Tailles, ConservationProportionSetsTheLongSideAgainstTheFrame) {
  EXPECT_EQ(CGraphique::ConservationProportion(CSize(400, 300), CSize(200, 200)), CSize(200, 150));
  EXPECT_EQ(CGraphique::ConservationProportion(CSize(300, 400), CSize(200, 200)), CSize(150, 200));
  EXPECT_EQ(CGraphique::ConservationProportion(CSize(300, 300), CSize(90, 60)), CSize(90, 90));
}

TEST(Tailles, PercentTruncatesAndSizeModeReportsThePercent) {
  Bitmap p = Bitmap::Create(100, 50);
  EXPECT_EQ(CGraphique::CalculTailleRedimensionne(p, 1, 33, 0, 0), CSize(33, 16));
  int pct = -1;
  EXPECT_EQ(CGraphique::CalculTailleRedimensionne(p, 1, 33, 0, 0, &pct), CSize(33, 16));
  EXPECT_EQ(pct, -1);
  Bitmap q = Bitmap::Create(300, 10);
  EXPECT_EQ(CGraphique::CalculTailleRedimensionne(q, 0, 0, 150, 77, &pct), CSize(150, 77));
  EXPECT_EQ(pct, 50);
}

TEST(Tailles, OptimalSizeByPictureSize) {
  EXPECT_EQ(CGraphique::CalculTailleOptimale(Bitmap::Create(1024, 768)), CSize(307, 230));
  EXPECT_EQ(CGraphique::CalculTailleOptimale(Bitmap::Create(960, 1280)), CSize(144, 192));
  EXPECT_EQ(CGraphique::CalculTailleOptimale(Bitmap::Create(319, 200)), CSize(319, 200));
  EXPECT_EQ(CGraphique::CalculTailleOptimale(Bitmap::Create(200, 320)), CSize(100, 160));
}

TEST(Tailles, RotationSizeSwapsOnlyForQuarterTurns) {
  EXPECT_EQ(CGraphique::CalculTailleRotation(CSize(640, 480), 180), CSize(480, 640));
  EXPECT_EQ(CGraphique::CalculTailleRotation(CSize(640, 480), -180), CSize(480, 640));
  EXPECT_EQ(CGraphique::CalculTailleRotation(CSize(640, 480), 360), CSize(640, 480));
  EXPECT_EQ(CGraphique::CalculTailleRotation(CSize(640, 480), 90), CSize(640, 480));
}

TEST(Rotation, QuarterTurnsAreExactPermutationsAgreeingWithTheSizeRule) {
  const Bitmap p = Numerotee(64, 48);
  for (int angle : {180, -180, 360}) {
    Bitmap r = CGraphique::RotationImage(p, angle);
    ASSERT_TRUE(r);
    const CSize attendu = CGraphique::CalculTailleRotation(CSize(64, 48), angle);
    EXPECT_EQ(CSize(r.Width(), r.Height()), attendu) << angle;
    std::vector<std::uint32_t> a(p.Pixels(), p.Pixels() + p.PixelCount());
    std::vector<std::uint32_t> b(r.Pixels(), r.Pixels() + r.PixelCount());
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b) << "every source pixel exactly once, angle " << angle;
  }
}

TEST(Rotation, PositiveQuarterTurnIsClockwise) {
  const Bitmap p = Numerotee(5, 3);
  Bitmap r = CGraphique::RotationImage(p, 180);
  ASSERT_EQ(r.Width(), 3);
  // The top edge becomes the right edge: source (x, 0) lands at (2, x).
  for (int x = 0; x < 5; ++x) EXPECT_EQ(r.Row(x)[2], p.Row(0)[x]);
  // The left edge becomes the top edge, read bottom to top.
  for (int y = 0; y < 3; ++y) EXPECT_EQ(r.Row(0)[2 - y], p.Row(y)[0]);
}

TEST(Rotation, FourQuarterTurnsAndOppositeTurnsGiveThePictureBack) {
  const Bitmap p = Numerotee(37, 23);
  Bitmap r = p;
  for (int i = 0; i < 4; ++i) r = CGraphique::RotationImage(r, 180);
  EXPECT_TRUE(Identiques(r, p));
  EXPECT_TRUE(Identiques(CGraphique::RotationImage(CGraphique::RotationImage(p, 180), -180), p));
  Bitmap deux = CGraphique::RotationImage(CGraphique::RotationImage(p, -180), -180);
  EXPECT_TRUE(Identiques(deux, CGraphique::RotationImage(p, 360)));
}

TEST(Rotation, HalfTurnTurnsUpsideDown) {
  const Bitmap p = Numerotee(640, 480);
  Bitmap r = CGraphique::RotationImage(p, 360);
  ASSERT_EQ(r.Width(), 640);
  ASSERT_EQ(r.Height(), 480);
  EXPECT_EQ(r.Row(0)[0], p.Row(479)[639]);
  EXPECT_EQ(r.Row(479)[0], p.Row(0)[639]);
  EXPECT_EQ(r.Row(100)[200], p.Row(379)[439]);
}

TEST(Rotation, OtherAnglesPaintWhiteOutsideTheSource) {
  Bitmap p = Bitmap::Create(100, 60, RGB(0, 0, 0));
  Bitmap r = CGraphique::RotationImage(p, 90);  // 45 degrees
  ASSERT_TRUE(r);
  // Corners of the result lie outside the turned picture.
  EXPECT_EQ(r.GetPixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(r.GetPixel(r.Width() - 1, r.Height() - 1), RGB(255, 255, 255));
  EXPECT_EQ(r.GetPixel(r.Width() / 2, r.Height() / 2), RGB(0, 0, 0));
  // Bounding box of a 100 x 60 picture at 45 degrees: about 113 x 113.
  EXPECT_NEAR(r.Width(), 113, 1);
  EXPECT_NEAR(r.Height(), 113, 1);
}

TEST(Recoupe, OutsideTheSourceKeepsTheFill) {
  Bitmap p = Bitmap::Create(10, 10, RGB(1, 1, 1));
  Bitmap r = CGraphique::RecoupeImage(p, CPoint(-2, 5), CSize(6, 8), RGB(9, 0, 9));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 6);
  EXPECT_EQ(r.Height(), 8);
  EXPECT_TRUE(BlocA(r, 2, 0, 4, 5, RGB(1, 1, 1)));
}

TEST(Fusionne, SecondFormDrawsAtPositionMinusOrigin) {
  Bitmap fond = Bitmap::Create(100, 80, RGB(0, 0, 0));
  Bitmap devant = Bitmap::Create(20, 10, RGB(255, 0, 0));
  Bitmap r = CGraphique::FusionneImage(fond, devant, CPoint(10, 10), CPoint(60, 40), 0, 0);
  ASSERT_TRUE(r);
  EXPECT_TRUE(BlocA(r, 50, 30, 20, 10, RGB(255, 0, 0)));
  EXPECT_EQ(fond.GetPixel(55, 35), RGB(0, 0, 0)) << "the back picture is not changed";
}

TEST(Fusionne, TransparentKeyShowsTheBackAndEdgesAreCut) {
  Bitmap fond = Bitmap::Create(10, 10, RGB(0, 0, 255));
  Bitmap devant = Bitmap::Create(4, 4, RGB(255, 0, 255));
  devant.SetPixel(1, 1, RGB(0, 255, 0));
  Bitmap r = CGraphique::FusionneImage(fond, devant, CPoint(8, 8), 1, RGB(255, 0, 255));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.GetPixel(9, 9), RGB(0, 255, 0));
  EXPECT_EQ(r.GetPixel(8, 8), RGB(0, 0, 255));
}

TEST(Remplissage, CreationTakesTopLeftForAllOnesAndRemplieFillsOnlyTheGivenHandle) {
  Bitmap m = Bitmap::Create(3, 3, RGB(1, 1, 1));
  m.SetPixel(0, 0, RGB(4, 5, 6));
  Bitmap c = CGraphique::CreationImageRemplie(m, CSize(7, 2), 0xFFFFFFFF);
  ASSERT_TRUE(c);
  EXPECT_TRUE(BlocA(c, 0, 0, 7, 2, RGB(4, 5, 6)));
  // The handle given is filled; a picture held elsewhere is not.
  Bitmap partage = m;
  CGraphique::RemplieImage(m, RGB(8, 8, 8));
  EXPECT_EQ(m.GetPixel(2, 2), RGB(8, 8, 8));
  EXPECT_EQ(m.GetPixel(0, 0), RGB(8, 8, 8));
  EXPECT_EQ(partage.GetPixel(2, 2), RGB(1, 1, 1));
  EXPECT_EQ(partage.GetPixel(0, 0), RGB(4, 5, 6));
}

TEST(RectangleImage, WidthZeroGivesNullAndOnlyTheOutlineIsDrawn) {
  Bitmap p = Bitmap::Create(30, 30, RGB(0, 0, 0));
  EXPECT_FALSE(CGraphique::RectangleImage(p, CRect(2, 2, 20, 20), 0, 0, RGB(255, 0, 0)));
  Bitmap r = CGraphique::RectangleImage(p, CRect(2, 2, 20, 20), 0, 1, RGB(255, 0, 0));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.GetPixel(2, 10), RGB(255, 0, 0));
  EXPECT_EQ(r.GetPixel(19, 10), RGB(255, 0, 0));
  EXPECT_EQ(r.GetPixel(10, 10), RGB(0, 0, 0));
  EXPECT_EQ(p.GetPixel(2, 10), RGB(0, 0, 0));
}

TEST(Geometrie, NullPicturesAndBadSizesGiveNull) {
  Bitmap vide;
  Bitmap p = Bitmap::Create(4, 4);
  EXPECT_FALSE(CGraphique::RedimensionneImage(vide, CSize(2, 2), 0));
  EXPECT_FALSE(CGraphique::RedimensionneImage(p, CSize(0, 2), 0));
  EXPECT_FALSE(CGraphique::RedimensionneImage(p, CSize(2, -1), 1));
  EXPECT_FALSE(CGraphique::RedimensionneImageProportionnee(p, CSize(0, 0), 0, 0));
  EXPECT_FALSE(CGraphique::RecoupeImage(p, CPoint(0, 0), CSize(-3, 3), 0));
  EXPECT_FALSE(CGraphique::RotationImage(vide, 180));
  EXPECT_FALSE(CGraphique::FusionneImage(vide, p, CPoint(0, 0), 0, 0));
  EXPECT_FALSE(CGraphique::CreationImageRemplie(p, CSize(0, 5), 0));
  EXPECT_FALSE(CGraphique::DedoubleImage(vide));
}

TEST(Geometrie, PicturesAboveTheLimitAreRefusedWithAReason) {
  Bitmap p = Bitmap::Create(4, 4);
  EXPECT_FALSE(CGraphique::RedimensionneImage(p, CSize(20000, 20000), 1));
  EXPECT_NE(std::string(Bitmap::LastCreateError()).find("too large"), std::string::npos);
}

TEST(Redimensionne, SecondFormReplacesTheTargetWithNearestSampling) {
  Bitmap p = Bitmap::Create(80, 80, RGB(3, 3, 3));
  Bitmap cible;
  CGraphique::RedimensionneImage(&cible, p, CSize(40, 40));
  ASSERT_TRUE(cible);
  EXPECT_EQ(cible.Width(), 40);
  EXPECT_EQ(cible.GetPixel(39, 39), RGB(3, 3, 3));
}
