// Borders and backgrounds: sizes, placement of the picture, outline,
// pattern bands and tiles, key-colour transparency.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "graphique.h"
#include "raster/raster.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

// A picture whose every pixel is different, so that a misplaced copy shows.
HBITMAP Degrade(int w, int h) {
  HBITMAP b = Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(BYTE(x), BYTE(y), BYTE(x * 7 + y * 13)));
  return b;
}

// True when the w x h block of a at (ax, ay) equals the one of b at (bx, by).
bool MemeBloc(const HBITMAP& a, int ax, int ay, const HBITMAP& b, int bx, int by, int w, int h) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (a.GetPixel(ax + x, ay + y) != b.GetPixel(bx + x, by + y)) return false;
  return true;
}

class CadreFond : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new lumaveil::testing::TempDir;
    ::setenv("LUMAVEIL_REGISTRY", dir_->File("registry.reg").c_str(), 1);
    g_ = new CGraphique;
  }
  static void TearDownTestSuite() {
    delete g_;
    delete dir_;
    ::unsetenv("LUMAVEIL_REGISTRY");
  }
  static CGraphique* g_;
  static lumaveil::testing::TempDir* dir_;
};
CGraphique* CadreFond::g_ = nullptr;
lumaveil::testing::TempDir* CadreFond::dir_ = nullptr;

const COLORREF kBord = RGB(200, 10, 10);
const COLORREF kTrait = RGB(10, 10, 200);

TEST_F(CadreFond, ThinOutlineAddsOnePixelToTheBorder) {
  HBITMAP image = Degrade(200, 100);
  HBITMAP r = g_->CadreImage(image, 0, 0, kBord, 10, 1, kTrait, 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 222);
  EXPECT_EQ(r.Height(), 122);
  EXPECT_TRUE(MemeBloc(r, 11, 11, image, 0, 0, 200, 100));
  EXPECT_EQ(r.GetPixel(0, 50), kTrait);   // outline on the outer left edge
  EXPECT_EQ(r.GetPixel(50, 0), kTrait);   // and top edge
  EXPECT_EQ(r.GetPixel(1, 50), kBord);
  EXPECT_EQ(r.GetPixel(10, 50), kBord);
  EXPECT_EQ(r.GetPixel(221, 121), kBord);  // the pen's centre lies past the right edge
  EXPECT_EQ(g_->PlumeCourante().nLargeur, 1);
  EXPECT_EQ(g_->PlumeCourante().crCouleur, kTrait);
  EXPECT_EQ(g_->PinceauCourant().crCouleur, kBord);
  // The input is not changed.
  EXPECT_TRUE(MemeBloc(image, 0, 0, Degrade(200, 100), 0, 0, 200, 100));
}

TEST_F(CadreFond, ThickOutlineIsFivePixelsWideAndHalfShows) {
  HBITMAP image = Degrade(200, 100);
  HBITMAP r = g_->CadreImage(image, 0, 0, kBord, 11, 1, kTrait, 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 232);
  EXPECT_EQ(r.Height(), 132);
  EXPECT_TRUE(MemeBloc(r, 16, 16, image, 0, 0, 200, 100));
  for (int x = 0; x < 3; ++x) EXPECT_EQ(r.GetPixel(x, 60), kTrait) << x;
  EXPECT_EQ(r.GetPixel(3, 60), kBord);
  EXPECT_EQ(r.GetPixel(231, 60), kTrait);
  EXPECT_EQ(r.GetPixel(230, 60), kTrait);
  EXPECT_EQ(r.GetPixel(229, 60), kBord);
  EXPECT_EQ(g_->PlumeCourante().nLargeur, 5);
}

TEST_F(CadreFond, WithoutExtendTheBorderCoversThePicturesEdge) {
  HBITMAP image = Degrade(200, 100);
  HBITMAP r = g_->CadreImage(image, 0, 0, kBord, 10, 1, kTrait, 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 200);
  EXPECT_EQ(r.Height(), 100);
  EXPECT_TRUE(MemeBloc(r, 11, 11, image, 11, 11, 178, 78));
  EXPECT_EQ(r.GetPixel(10, 50), kBord);
  EXPECT_EQ(r.GetPixel(189, 50), kBord);
  EXPECT_EQ(r.GetPixel(100, 89), kBord);
  EXPECT_EQ(r.GetPixel(0, 0), kTrait);
}

TEST_F(CadreFond, WithoutOutlineTheBorderIsPlain) {
  HBITMAP image = Degrade(200, 100);
  HBITMAP r = g_->CadreImage(image, 0, 0, kBord, 10, 0, kTrait, 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 220);
  EXPECT_EQ(r.Height(), 120);
  EXPECT_TRUE(MemeBloc(r, 10, 10, image, 0, 0, 200, 100));
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(r.GetPixel(i, i), kBord);
    EXPECT_EQ(r.GetPixel(219 - i, 119 - i), kBord);
  }
  EXPECT_EQ(g_->PlumeCourante().nStyle, raster::PS_NULL);
}

TEST_F(CadreFond, PatternBorderTilesTheBandsFromTheCorners) {
  HBITMAP image = Degrade(500, 300);
  const int t = 20;
  HBITMAP r = g_->CadreImage(image, 1, 2, kBord, t, 1, kTrait, 1);  // pattern 2 is 50 x 50
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 540);
  EXPECT_EQ(r.Height(), 340);
  const HBITMAP& m = g_->Motif(2);
  EXPECT_TRUE(MemeBloc(r, t, t, image, 0, 0, 500, 300));
  EXPECT_TRUE(MemeBloc(r, 0, 0, m, 0, 0, 50, t));              // top band, first tile
  EXPECT_TRUE(MemeBloc(r, 150, 0, m, 0, 0, 50, t));            // top band, fourth tile
  EXPECT_TRUE(MemeBloc(r, 100, 340 - t, m, 0, 0, 50, t));      // bottom band
  EXPECT_TRUE(MemeBloc(r, 0, 150, m, 0, 0, t, 50));            // left band
  EXPECT_TRUE(MemeBloc(r, 540 - t, 100, m, 0, 0, t, 50));      // right band
  // Without extend: same size, the picture's inner part.
  HBITMAP s = g_->CadreMotifImage(image, 1, 2, 0, t, 0, 0, 0);
  ASSERT_TRUE(s);
  EXPECT_EQ(s.Width(), 500);
  EXPECT_TRUE(MemeBloc(s, t, t, image, t, t, 500 - 2 * t, 300 - 2 * t));
  EXPECT_TRUE(MemeBloc(s, 0, 0, m, 0, 0, 50, t));
}

TEST_F(CadreFond, BadInputsGiveNull) {
  EXPECT_FALSE(g_->CadreImage(HBITMAP(), 0, 0, kBord, 5, 0, 0, 1));
  EXPECT_FALSE(g_->CadreImage(Degrade(10, 10), 0, 0, kBord, -3, 0, 0, 1));
  EXPECT_FALSE(g_->FondImage(CSize(0, 10), 32, HBITMAP(), 0, 0, 0, 0, 0));
  EXPECT_FALSE(g_->FondImage(CSize(10, -1), 32, HBITMAP(), 1, 3, 0, 0, 0));
}

TEST_F(CadreFond, ABorderWhoseSizeWouldOverflowIsRefusedNotWrapped) {
  // 10 + 2 x 2147483647 wraps round to 8 in 32 bits: a smaller picture,
  // not a border.
  const HBITMAP image = Degrade(10, 10);
  for (int trait : {0, 1}) {
    for (int epaisseur : {2147483647, 2147483647 - 3, 1073741824, 20000}) {
      SCOPED_TRACE(epaisseur);
      EXPECT_FALSE(g_->CadreImage(image, 0, 0, kBord, epaisseur, trait, kTrait, 1));
      EXPECT_FALSE(std::string(Bitmap::LastCreateError()).empty());
    }
  }
  for (int epaisseur : {2147483647, 1073741824}) {
    EXPECT_FALSE(g_->CadreImage(image, 1, 3, kBord, epaisseur, 0, 0, 1));
  }
  // Without growing, any thickness keeps the picture's size.
  const HBITMAP dedans = g_->CadreImage(image, 0, 0, kBord, 2147483600, 0, 0, 0);
  ASSERT_TRUE(dedans);
  EXPECT_EQ(dedans.Width(), 10);
  EXPECT_EQ(dedans.GetPixel(5, 5), kBord);
}

TEST_F(CadreFond, BackgroundCentresThePictureAlsoWhenLarger) {
  const COLORREF fond = RGB(1, 200, 3);
  HBITMAP petite = Degrade(300, 200);
  HBITMAP r = g_->FondImage(CSize(640, 480), 32, petite, 0, 0, fond, 0, 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.Width(), 640);
  EXPECT_EQ(r.Height(), 480);
  EXPECT_TRUE(MemeBloc(r, 170, 140, petite, 0, 0, 300, 200));
  EXPECT_EQ(r.GetPixel(169, 140), fond);
  EXPECT_EQ(r.GetPixel(639, 479), fond);
  EXPECT_EQ(g_->PinceauCourant().crCouleur, fond);

  HBITMAP grande = Degrade(700, 500);
  r = g_->FondImage(CSize(640, 480), 32, grande, 0, 0, fond, 0, 0);
  ASSERT_TRUE(r);
  EXPECT_TRUE(MemeBloc(r, 0, 0, grande, 30, 10, 640, 480));
  // Odd differences truncate toward zero on both sides.
  HBITMAP impaire = Degrade(3, 3);
  r = g_->FondImage(CSize(10, 10), 32, impaire, 0, 0, fond, 0, 0);
  EXPECT_TRUE(MemeBloc(r, 3, 3, impaire, 0, 0, 3, 3));
  r = g_->FondImage(CSize(2, 2), 32, Degrade(5, 5), 0, 0, fond, 0, 0);
  EXPECT_EQ(r.GetPixel(0, 0), Degrade(5, 5).GetPixel(1, 1));
}

TEST_F(CadreFond, PatternBackgroundTilesFromTheTopLeft) {
  HBITMAP r = g_->FondImage(CSize(1000, 700), 32, HBITMAP(), 1, 4, 0, 0, 0);  // 424 x 63
  ASSERT_TRUE(r);
  const HBITMAP& m = g_->Motif(4);
  for (int y = 0; y < 700; y += 37)
    for (int x = 0; x < 1000; x += 41)
      ASSERT_EQ(r.GetPixel(x, y), m.GetPixel(x % 424, y % 63)) << x << "," << y;
}

TEST_F(CadreFond, KeyColourLetsTheBackgroundShowThrough) {
  const COLORREF cle = RGB(255, 0, 255);
  HBITMAP image = Degrade(100, 80);
  for (int y = 20; y < 40; ++y)
    for (int x = 30; x < 60; ++x) image.SetPixel(x, y, cle);
  HBITMAP r = g_->FondImage(CSize(300, 200), 32, image, 1, 0, 0, 1, cle);  // pattern 0, 96 x 96
  ASSERT_TRUE(r);
  const HBITMAP& m = g_->Motif(0);
  const int ox = 100, oy = 60;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 100; ++x) {
      bool trou = x >= 30 && x < 60 && y >= 20 && y < 40;
      COLORREF attendu = trou ? m.GetPixel((ox + x) % 96, (oy + y) % 96) : image.GetPixel(x, y);
      ASSERT_EQ(r.GetPixel(ox + x, oy + y), attendu) << x << "," << y;
    }
  }
  // Over a colour too; without the flag the key colour is drawn as it is.
  r = g_->FondImage(CSize(300, 200), 32, image, 0, 0, RGB(9, 9, 9), 1, cle);
  EXPECT_EQ(r.GetPixel(ox + 40, oy + 30), RGB(9, 9, 9));
  r = g_->FondImage(CSize(300, 200), 32, image, 0, 0, RGB(9, 9, 9), 0, cle);
  EXPECT_EQ(r.GetPixel(ox + 40, oy + 30), cle);
}

// Large pictures reuse released memory: a border or a background must
// write every one of its pixels, whatever the memory held before.
TEST_F(CadreFond, BordersAndBackgroundsWriteEveryPixelOverReusedMemory) {
  constexpr std::uint32_t kSale = 0x00FEDCBAu;
  const HBITMAP petite = Bitmap::Create(300, 200, RGB(5, 6, 7));
  const HBITMAP grande = Bitmap::Create(700, 500, RGB(5, 6, 7));
  const HBITMAP cadree = Bitmap::Create(600, 440, RGB(5, 6, 7));
  const HBITMAP ecran = Bitmap::Create(640, 480, RGB(5, 6, 7));
  const COLORREF cle = RGB(5, 6, 7);
  auto propre = [&](const char* cas, auto fabrique) {
    {
      Bitmap sale = Bitmap::CreateUninitialized(640, 480);
      std::fill_n(sale.Pixels(), sale.PixelCount(), kSale);
    }
    const HBITMAP r = fabrique();
    ASSERT_TRUE(r) << cas;
    ASSERT_EQ(r.Width() * r.Height(), 640 * 480) << cas;
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x)
        ASSERT_NE(r.Row(y)[x], kSale) << cas << " at " << x << "," << y;
  };
  const CSize taille(640, 480);
  propre("background, small picture", [&] { return g_->FondImage(taille, 32, petite, 0, 0, kBord, 0, 0); });
  propre("background, large picture", [&] { return g_->FondImage(taille, 32, grande, 0, 0, kBord, 0, 0); });
  propre("background alone", [&] { return g_->FondImage(taille, 32, HBITMAP(), 0, 0, kBord, 0, 0); });
  propre("background, key colour", [&] { return g_->FondImage(taille, 32, petite, 0, 0, kBord, 1, cle); });
  propre("border", [&] { return g_->CadreImage(cadree, 0, 0, kBord, 20, 0, 0, 1); });
  propre("border, outline", [&] { return g_->CadreImage(cadree, 0, 0, kBord, 15, 1, kTrait, 1); });
  propre("border inside", [&] { return g_->CadreImage(ecran, 0, 0, kBord, 20, 1, kTrait, 0); });
  propre("border inside, wider than half", [&] { return g_->CadreImage(ecran, 0, 0, kBord, 400, 0, 0, 0); });
}

}  // namespace
}  // namespace talvik
