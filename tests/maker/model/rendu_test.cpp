#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "ecran.h"
#include "graphique.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using talvik::RGB;

class Rendu : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    registre_ = new lumaveil::testing::TempDir;
    setenv("LUMAVEIL_REGISTRY", (registre_->Path() + "/registry.reg").c_str(), 1);
    graphique_ = new talvik::CGraphique;
  }
  static void TearDownTestSuite() {
    delete graphique_;
    delete registre_;
  }
  // A screen of 320 x 240 holding a w x h picture of one colour.
  void Image(int w, int h, COLORREF c = RGB(200, 0, 0)) {
    e_.ImageSource = HBITMAP::Create(w, h, c);
    e_.TailleImage = {w, h};
  }
  HBITMAP Tout(SIZE* t = nullptr, int niveau = 3) {
    return e_.CalculeImageFinale(*graphique_, niveau, Etapes::Toutes(), t);
  }

  static talvik::CGraphique* graphique_;
  static lumaveil::testing::TempDir* registre_;
  CEcran e_;
};
talvik::CGraphique* Rendu::graphique_ = nullptr;
lumaveil::testing::TempDir* Rendu::registre_ = nullptr;

TEST_F(Rendu, ScreenWithoutPictureIsTheBackgroundWithItsTexts) {
  e_.TailleCible = {320, 240};
  e_.FondCouleur = RGB(0, 128, 0);
  SIZE t{};
  HBITMAP sans = Tout(&t);
  ASSERT_TRUE(sans);
  EXPECT_EQ(sans.Width(), 320);
  EXPECT_EQ(sans.Height(), 240);
  EXPECT_EQ(t.cx, 320);
  EXPECT_EQ(sans.GetPixel(15, 15), RGB(0, 128, 0));
  e_.Textes[1].Utilisation = 1;
  e_.Textes[1].Libelle = "WWW";
  e_.Textes[1].DeltaX = 10;
  e_.Textes[1].DeltaY = 10;
  HBITMAP avec = Tout();
  int changes = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x)
      if (avec.GetPixel(x, y) != sans.GetPixel(x, y)) {
        ++changes;
        EXPECT_GE(x, 10);
        EXPECT_GE(y, 10);
      }
  EXPECT_GT(changes, 20);
  EXPECT_TRUE(e_.ImageFinale.SameAs(avec));
  EXPECT_EQ(e_.TailleFinale.cx, 320);
}

TEST_F(Rendu, BackgroundOffGivesNothingWithoutPictureAndNoTexts) {
  e_.FondUtilisation = 0;
  e_.Textes[0].Utilisation = 1;
  e_.Textes[0].Libelle = "Hidden";
  EXPECT_FALSE(Tout());
  Image(40, 30);
  SIZE t{};
  HBITMAP b = Tout(&t);
  ASSERT_TRUE(b);
  EXPECT_EQ(t.cx, 40);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(b.GetPixel(x, y), RGB(200, 0, 0));
  // With the background stage not requested, texts are not drawn either.
  e_.FondUtilisation = 1;
  HBITMAP partiel = e_.CalculeImageFinale(*graphique_, 3, Etapes::Toutes().Sans(Etape::Fond));
  EXPECT_TRUE(partiel.SameAs(e_.ImageSource));
}

TEST_F(Rendu, WantedSizeAbove2000KeepsTheCurrentSize) {
  Image(100, 50);
  e_.FondUtilisation = 0;
  e_.RedimensionUtilisation = 1;
  e_.RedimensionPourcentageUtilisation = 0;
  e_.RedimensionConservationProportion = 0;
  e_.RedimensionTailleX = 2001;
  e_.RedimensionTailleY = 10;
  SIZE t{};
  HBITMAP b = Tout(&t);
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 50);
  e_.RedimensionTailleX = 2000;
  b = Tout(&t);
  EXPECT_EQ(b.Width(), 2000);
  EXPECT_EQ(b.Height(), 10);
  EXPECT_EQ(t.cx, 2000);
  e_.RedimensionTailleX = 30;
  e_.RedimensionTailleY = 2001;
  EXPECT_EQ(Tout().Width(), 100);
}

TEST_F(Rendu, QuarterTurnSwapsTheSizeAndOtherAnglesDoNot) {
  Image(40, 30);
  e_.FondUtilisation = 0;
  e_.RotationUtilisation = 1;
  e_.RotationAngle = 180;
  SIZE t{};
  HBITMAP b = Tout(&t);
  EXPECT_EQ(t.cx, 30);
  EXPECT_EQ(t.cy, 40);
  EXPECT_EQ(b.Width(), 30);
  e_.RotationAngle = 90;
  Tout(&t, 1);
  EXPECT_EQ(t.cx, 40);
  EXPECT_EQ(t.cy, 30);
}

TEST_F(Rendu, RotationAndAdjustmentAreCachedUntilTheirLevel) {
  Image(40, 30);
  e_.RotationUtilisation = 1;
  e_.RotationAngle = -180;
  e_.ReglageUtilisation = 1;
  e_.ReglageLumiere = 70;
  e_.TailleCible = {320, 240};
  Tout(nullptr, 0);
  HBITMAP tournee = e_.ImageTournee;
  HBITMAP reglee = e_.ImageReglee;
  ASSERT_TRUE(tournee);
  ASSERT_TRUE(reglee);
  Tout(nullptr, 3);
  EXPECT_TRUE(e_.ImageTournee.SameAs(tournee));  // not rotated again
  EXPECT_TRUE(e_.ImageReglee.SameAs(reglee));
  Tout(nullptr, 2);
  EXPECT_TRUE(e_.ImageTournee.SameAs(tournee));
  EXPECT_FALSE(e_.ImageReglee.SameAs(reglee));
  reglee = e_.ImageReglee;
  Tout(nullptr, 1);
  EXPECT_FALSE(e_.ImageTournee.SameAs(tournee));
  EXPECT_FALSE(e_.ImageReglee.SameAs(reglee));
  // A rendering that ends with rotation returns the cache itself.
  HBITMAP r = e_.CalculeImageFinale(*graphique_, 3, Etape::Rotation);
  EXPECT_TRUE(r.SameAs(e_.ImageTournee));
  // Dropping the pictures empties every cache.
  e_.SupprimeImages();
  EXPECT_FALSE(e_.ImageSource || e_.ImageTournee || e_.ImageReglee || e_.ImageFinale);
}

TEST_F(Rendu, PartialRenderingDoesNotReplaceTheFinalImage) {
  Image(40, 30);
  e_.TailleCible = {320, 240};
  HBITMAP complet = Tout();
  e_.CadreUtilisation = 1;
  HBITMAP partiel = e_.CalculeImageFinale(*graphique_, 3, Etapes::Avant(Etape::Textes));
  EXPECT_FALSE(partiel.SameAs(complet));
  EXPECT_TRUE(e_.ImageFinale.SameAs(complet));
}

// An editor paints on the picture it was given: the screen's caches and
// its next renderings keep their pixels.
TEST_F(Rendu, PaintingOnARenderedPictureLeavesTheScreenAlone) {
  Image(40, 30, RGB(0, 0, 200));
  e_.RotationUtilisation = 1;
  e_.RotationAngle = 180;
  e_.TailleCible = {320, 240};
  e_.FondCouleur = RGB(0, 128, 0);
  HBITMAP complet = Tout(nullptr, 0);
  const HBITMAP copieComplet = complet.Clone();
  HBITMAP tournee = e_.CalculeImageFinale(*graphique_, 3, Etape::Rotation);
  ASSERT_TRUE(tournee.SameAs(e_.ImageTournee));  // the cache handed out, as designed
  talvik::CGraphique::RemplieImage(complet, RGB(255, 0, 255));
  talvik::CGraphique::RemplieImage(tournee, RGB(255, 0, 255));
  tournee.SetPixel(0, 0, RGB(1, 1, 1));
  EXPECT_EQ(complet.GetPixel(0, 0), RGB(255, 0, 255));
  EXPECT_EQ(tournee.GetPixel(1, 1), RGB(255, 0, 255));

  auto identiques = [](const HBITMAP& a, const HBITMAP& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Pixels(), a.Pixels() + a.PixelCount(), b.Pixels());
  };
  EXPECT_TRUE(identiques(e_.ImageFinale, copieComplet));
  EXPECT_EQ(e_.ImageTournee.GetPixel(0, 0), RGB(0, 0, 200));
  EXPECT_EQ(e_.ImageTournee.GetPixel(29, 39), RGB(0, 0, 200));
  // The next rendering reuses the rotation cache and gives the same picture.
  EXPECT_TRUE(identiques(Tout(nullptr, 3), copieComplet));
}

TEST_F(Rendu, CropAndBorderCarryTheirSizeToTheBackground) {
  Image(100, 80, RGB(0, 0, 200));
  e_.TailleCible = {320, 240};
  e_.FondCouleur = RGB(255, 255, 255);
  e_.RecoupeUtilisation = 1;
  e_.RecoupeRectangle = {10, 10, 50, 30};  // 40 x 20
  e_.CadreUtilisation = 1;
  e_.CadreTaille = 5;
  e_.CadreCouleur = RGB(0, 0, 0);
  HBITMAP b = Tout();
  // 50 x 30 with the border, centred on 320 x 240.
  int x0 = (320 - 50) / 2, y0 = (240 - 30) / 2;
  EXPECT_EQ(b.GetPixel(x0 - 1, y0 + 10), RGB(255, 255, 255));
  EXPECT_EQ(b.GetPixel(x0 + 1, y0 + 10), RGB(0, 0, 0));
  EXPECT_EQ(b.GetPixel(x0 + 25, y0 + 15), RGB(0, 0, 200));
  EXPECT_EQ(b.GetPixel(x0 + 50, y0 + 10), RGB(255, 255, 255));
}

TEST_F(Rendu, SmallFinalImageIsCentredInTheThumbnailWithoutResize) {
  HBITMAP rendu = HBITMAP::Create(100, 50, RGB(10, 20, 30));
  HBITMAP fond = HBITMAP::Create(140, 100, RGB(250, 250, 250));
  e_.CreeVignette(*graphique_, &rendu, &fond);
  ASSERT_TRUE(e_.Vignette);
  EXPECT_EQ(e_.Vignette.Width(), 150);
  EXPECT_EQ(e_.Vignette.Height(), 110);
  EXPECT_EQ(e_.Vignette.GetPixel(2, 2), RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(e_.Vignette.GetPixel(5 + 20, 5 + 25), RGB(10, 20, 30));
  EXPECT_EQ(e_.Vignette.GetPixel(5 + 119, 5 + 74), RGB(10, 20, 30));
  EXPECT_EQ(e_.Vignette.GetPixel(5 + 19, 5 + 25), RGB(250, 250, 250));
  EXPECT_EQ(e_.Vignette.GetPixel(5 + 120, 5 + 74), RGB(250, 250, 250));
}

TEST_F(Rendu, LargeImageIsFittedIntoTheThumbnail) {
  HBITMAP rendu = HBITMAP::Create(640, 480, RGB(10, 20, 30));
  HBITMAP fond = HBITMAP::Create(140, 100, RGB(250, 250, 250));
  e_.CreeVignette(*graphique_, &rendu, &fond);
  ASSERT_TRUE(e_.Vignette);
  EXPECT_EQ(e_.Vignette.Width(), 150);
  // 640 x 480 fitted by the proportion rule: 140 x 105, cut at the edges.
  EXPECT_EQ(e_.Vignette.GetPixel(5, 55), RGB(10, 20, 30));
  EXPECT_EQ(e_.Vignette.GetPixel(144, 6), RGB(10, 20, 30));
}

TEST_F(Rendu, ThumbnailFromTheFileLeavesNoPictureBehind) {
  lumaveil::testing::TempDir dir;
  std::string chemin = dir.File("p.bmp");
  ASSERT_EQ(talvik::CGraphique::SauveImage(chemin, HBITMAP::Create(300, 200, RGB(0, 90, 0)), 75,
                                           0, 0),
            1);
  e_.CheminImage = chemin;
  e_.TailleCible = {280, 210};
  e_.CreeVignette(*graphique_);
  ASSERT_TRUE(e_.Vignette);
  EXPECT_EQ(e_.Vignette.GetPixel(75, 55), RGB(0, 90, 0));
  EXPECT_FALSE(e_.ImageSource);
  EXPECT_FALSE(e_.ImageFinale);
  EXPECT_FALSE(e_.ImageTournee);
}

}  // namespace
}  // namespace lumaveil
