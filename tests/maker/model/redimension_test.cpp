// The resize stage's size, above all "fitted to the screen", the default
// of new templates: the whole picture, as large as fits the canvas,
// proportions kept, at whatever resolution it is rendered; and templates
// that say otherwise keep their meaning.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "ecran.h"
#include "fichier_modele.h"
#include "graphique.h"
#include "redimension.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using talvik::CSize;
using talvik::RGB;

std::unique_ptr<CEcran> Ajuste(SIZE cible) {
  auto e = std::make_unique<CEcran>(cible);
  ModeleParDefaut(*e, cible);
  return e;
}

TEST(AjustementEcran, WholePictureAsLargeAsFitsWhicheverSideLimits) {
  struct Cas {
    SIZE cible;
    CSize avant, attendu;
  } cas[] = {
      {{1920, 1080}, {4000, 3000}, {1440, 1080}},  // the height limits
      {{1920, 1080}, {20000, 5000}, {1920, 480}},  // a panorama: the width limits
      {{1920, 1080}, {3000, 4000}, {810, 1080}},   // portrait
      {{640, 480}, {100, 75}, {640, 480}},         // the canvas's shape, enlarged
      {{640, 480}, {160, 100}, {640, 400}},        // small and wider, enlarged
      {{1280, 960}, {8660, 5773}, {1280, 853}},    // 853.29 rounds to 853
      {{800, 600}, {3, 1000}, {2, 600}},           // 1.8 rounds to 2
      {{800, 600}, {100000, 1}, {800, 1}},         // never below one pixel
  };
  for (const Cas& c : cas) {
    const CSize t = TailleRedimensionnee(*Ajuste(c.cible), c.avant);
    EXPECT_EQ(t.cx, c.attendu.cx) << c.avant.cx << "x" << c.avant.cy;
    EXPECT_EQ(t.cy, c.attendu.cy) << c.avant.cx << "x" << c.avant.cy;
  }
}

TEST(AjustementEcran, TheBorderAndItsOutlineStayOnTheCanvas) {
  auto e = Ajuste(SIZE{640, 480});
  e->CadreUtilisation = 1;
  e->CadreTaille = 10;
  CSize t = TailleRedimensionnee(*e, CSize(4000, 3000));
  EXPECT_EQ(t.cx, 613);  // inside 620 x 460
  EXPECT_EQ(t.cy, 460);
  e->CadreBordureUtilisation = 1;  // one more pixel each side
  t = TailleRedimensionnee(*e, CSize(4000, 3000));
  EXPECT_EQ(t.cy, 458);
  e->CadreMotifUtilisation = 1;  // a pattern border draws no outline
  t = TailleRedimensionnee(*e, CSize(4000, 3000));
  EXPECT_EQ(t.cy, 460);
}

// The stored settings are the resize step on, by size, 0 x 0: only that
// combination fits; every mode a saved file can hold keeps its meaning.
TEST(AjustementEcran, OnlyTheZeroSizeFitsAndOldModesKeepTheirMeaning) {
  auto e = Ajuste(SIZE{640, 480});
  EXPECT_TRUE(EstAjusteEcran(*e));
  EXPECT_EQ(e->RedimensionUtilisation, 1);
  EXPECT_EQ(e->RedimensionPourcentageUtilisation, 0);
  EXPECT_EQ(e->RedimensionTailleX, 0);
  EXPECT_EQ(e->RedimensionTailleY, 0);
  e->RedimensionTailleX = 320;
  e->RedimensionTailleY = 240;
  EXPECT_FALSE(EstAjusteEcran(*e));
  CSize t = TailleRedimensionnee(*e, CSize(4000, 3000));
  EXPECT_EQ(t.cx, 320);
  e->RedimensionTailleX = e->RedimensionTailleY = 0;
  e->RedimensionPourcentageUtilisation = 1;
  e->RedimensionPourcentageValeur = 50;
  EXPECT_FALSE(EstAjusteEcran(*e));
  t = TailleRedimensionnee(*e, CSize(4000, 3000));
  EXPECT_EQ(t.cx, 2000);
  EXPECT_EQ(t.cy, 1500);

  // A template that says "no resizing" read into a fitting template.
  CEcran designe(SIZE{640, 480});
  const std::string fichier = EcritModele(designe);
  LitModele(fichier, *e);
  EXPECT_EQ(e->RedimensionUtilisation, 0);
  EXPECT_FALSE(EstAjusteEcran(*e));
  EXPECT_EQ(EcritModele(*e), fichier);
}

class RenduAjuste : public ::testing::Test {
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
  // The rows and columns the red picture covers on the white canvas.
  static talvik::RECT Place(const HBITMAP& b) {
    talvik::RECT r{b.Width(), b.Height(), -1, -1};
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.GetPixel(x, y) != RGB(255, 255, 255)) {
          r.left = std::min<talvik::LONG>(r.left, x);
          r.top = std::min<talvik::LONG>(r.top, y);
          r.right = std::max<talvik::LONG>(r.right, x + 1);
          r.bottom = std::max<talvik::LONG>(r.bottom, y + 1);
        }
    return r;
  }
  static talvik::CGraphique* graphique_;
  static lumaveil::testing::TempDir* registre_;
};
talvik::CGraphique* RenduAjuste::graphique_ = nullptr;
lumaveil::testing::TempDir* RenduAjuste::registre_ = nullptr;

TEST_F(RenduAjuste, ScreenIsCentredAndFollowsTheResolution) {
  auto e = Ajuste(SIZE{320, 240});
  e->ImageSource = HBITMAP::Create(64, 16, RGB(200, 0, 0));
  e->TailleImage = {64, 16};
  HBITMAP b = e->CalculeImageFinale(*graphique_, 0, Etapes::Toutes());
  ASSERT_TRUE(b);
  talvik::RECT r = Place(b);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, 320);
  EXPECT_EQ(r.top, 80);  // 320 x 80 centred on 240 rows
  EXPECT_EQ(r.bottom, 160);
  // The resolution changes: the same settings fit the new canvas.
  e->TailleCible = SIZE{240, 320};
  b = e->CalculeImageFinale(*graphique_, 0, Etapes::Toutes());
  r = Place(b);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, 240);
  EXPECT_EQ(r.top, 130);  // 240 x 60
  EXPECT_EQ(r.bottom, 190);
}

}  // namespace
}  // namespace lumaveil
