// Rendering from a picture decoded reduced in the DCT domain: which
// reductions a screen allows, and that the screen it gives is the one the
// full picture gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "ecran.h"
#include "graphique.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using talvik::RGB;

// A photo-like picture: smooth shading, fine grain, a dark disc and a
// bright rectangle whose edges the lens softens over about two pixels,
// and a band of fine texture (a period of six pixels), as a JPEG of
// quality 90.
std::string Photo(const lumaveil::testing::TempDir& d, const std::string& nom, int w, int h,
                  int graine) {
  talvik::Bitmap b = talvik::Bitmap::Create(w, h);
  std::uint32_t s = 977u * unsigned(graine) + 1u;
  auto rampe = [](double distance) { return std::clamp(0.5 - distance / 2.0, 0.0, 1.0); };
  for (int y = 0; y < h; ++y) {
    std::uint32_t* ligne = b.Row(y);
    for (int x = 0; x < w; ++x) {
      s = s * 1664525u + 1013904223u;
      const int grain = int((s >> 24) % 13) - 6;
      double r = 120 + 90 * std::sin(0.004 * x + graine) + grain;
      double g = 110 + 80 * std::cos(0.005 * y + 2 * graine) + grain;
      double bl = 100 + 70 * std::sin(0.003 * (x - y)) + grain;
      const double cx = x - w / 3.0, cy = y - h / 2.0;
      const double disque = rampe(std::sqrt(cx * cx + cy * cy) - h / 5.0);
      const double rectangle =
          std::min({rampe(w * 0.6 - x), rampe(x - w * 0.8), rampe(h / 6.0 - y), rampe(y - h / 3.0)});
      auto melange = [&](double& v, double vers, double a) { v = v * (1 - a) + vers * a; };
      for (double* v : {&r, &g, &bl}) {
        melange(*v, 20 + grain, disque);
        melange(*v, 235 + grain, rectangle);
        if (y > h * 3 / 4 && y < h * 3 / 4 + 40) *v += 40 * std::sin(x * 2 * 3.14159265 / 6);
      }
      auto c = [](double v) { return std::uint32_t(v < 0 ? 0 : v > 255 ? 255 : int(v)); };
      ligne[x] = (c(r) << 16) | (c(g) << 8) | c(bl);
    }
  }
  const std::string chemin = d.File(nom);
  EXPECT_EQ(talvik::CGraphique::SauveImageJPEG(chemin, b, 90), 1);
  return chemin;
}

struct Ecart {
  double moyen = 0;  // mean absolute difference per channel
  int max = 0;       // largest difference of one channel
  int x = 0, y = 0;
};

Ecart Compare(const HBITMAP& a, const HBITMAP& b) {
  Ecart e;
  std::int64_t somme = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const std::uint32_t p = a.Row(y)[x], q = b.Row(y)[x];
      for (int k = 0; k < 24; k += 8) {
        const int d = std::abs(int((p >> k) & 0xFF) - int((q >> k) & 0xFF));
        somme += d;
        if (d > e.max) { e.max = d; e.x = x; e.y = y; }
      }
    }
  e.moyen = double(somme) / (3.0 * double(a.PixelCount()));
  return e;
}

class RenduReduit : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dossier_ = new lumaveil::testing::TempDir;
    setenv("LUMAVEIL_REGISTRY", (dossier_->Path() + "/registry.reg").c_str(), 1);
    graphique_ = new talvik::CGraphique;
    paysage_ = Photo(*dossier_, "paysage.jpg", 1600, 1200, 1);
    portrait_ = Photo(*dossier_, "portrait.jpg", 1200, 1600, 2);
  }
  static void TearDownTestSuite() {
    delete graphique_;
    delete dossier_;
  }

  // A screen of 640 x 480: the picture fitted into 600 x 440, a border, a
  // background and a caption, as generation renders it.
  static std::unique_ptr<CEcran> Ecran(const std::string& chemin) {
    auto e = std::make_unique<CEcran>(SIZE{640, 480});
    e->CheminImage = chemin;
    e->RedimensionUtilisation = 1;
    e->RedimensionPourcentageUtilisation = 0;
    e->RedimensionTailleX = 600;
    e->RedimensionTailleY = 440;
    e->CadreUtilisation = 1;
    e->CadreTaille = 6;
    e->CadreCouleur = RGB(30, 30, 30);
    e->FondCouleur = RGB(250, 250, 250);
    e->Textes[0].Utilisation = 1;
    e->Textes[0].Libelle = "Lumaveil";
    return e;
  }

  // Renders the screen from the full picture and from the picture reduced
  // as ReductionPossible allows; returns that reduction.
  static int RendLesDeux(const CEcran& reglages, HBITMAP& complet, HBITMAP& reduit) {
    CEcran a(reglages.TailleCible), b(reglages.TailleCible);
    a.CopieParametres(reglages);
    b.CopieParametres(reglages);
    EXPECT_EQ(a.ChargeImage(a.CheminImage), 1);
    complet = a.CalculeImageFinale(*graphique_, 0, Etapes::Toutes(), nullptr, Echantillonnage::Moyenne);
    const int r = ReductionPossible(b, a.TailleImage);
    EXPECT_EQ(b.ChargeImageReduite(b.CheminImage, r), 1);
    EXPECT_EQ(b.ReductionSource, r);
    EXPECT_EQ(b.TailleImage.cx, a.TailleImage.cx);
    reduit = b.CalculeImageFinale(*graphique_, 0, Etapes::Toutes(), nullptr, Echantillonnage::Moyenne);
    return r;
  }

  static void AttendMemeEcran(const CEcran& reglages, int reductionAttendue) {
    HBITMAP complet, reduit;
    EXPECT_EQ(RendLesDeux(reglages, complet, reduit), reductionAttendue);
    ASSERT_TRUE(complet);
    ASSERT_TRUE(reduit);
    ASSERT_EQ(reduit.Width(), complet.Width());
    ASSERT_EQ(reduit.Height(), complet.Height());
    const Ecart e = Compare(complet, reduit);
    EXPECT_LE(e.moyen, 1.0);
    EXPECT_LE(e.max, 16) << e.x << "," << e.y;
  }

  static talvik::CGraphique* graphique_;
  static lumaveil::testing::TempDir* dossier_;
  static std::string paysage_, portrait_;
};
talvik::CGraphique* RenduReduit::graphique_ = nullptr;
lumaveil::testing::TempDir* RenduReduit::dossier_ = nullptr;
std::string RenduReduit::paysage_, RenduReduit::portrait_;

TEST_F(RenduReduit, ScreensFromReducedPicturesMatchTheFullOnes) {
  auto e = Ecran(paysage_);
  AttendMemeEcran(*e, 2);
  // A crop on whole reduced pixels, by percentage: 25 % of the crop.
  e->RecoupeUtilisation = 1;
  e->RecoupeRectangle = {400, 0, 1600, 1000};
  e->RedimensionPourcentageUtilisation = 1;
  e->RedimensionPourcentageValeur = 25;
  AttendMemeEcran(*e, 4);
  // Into a small screen, with a crop reaching out of the picture.
  auto p = Ecran(portrait_);
  p->TailleCible = {320, 240};
  p->RedimensionTailleX = 300;
  p->RedimensionTailleY = 220;
  AttendMemeEcran(*p, 4);
  p->RecoupeUtilisation = 1;
  p->RecoupeRectangle = {-200, 800, 1000, 1800};
  AttendMemeEcran(*p, 4);
  // A turn or a colour adjustment keeps the full picture.
  e->RotationUtilisation = 1;
  e->RotationAngle = 360;
  AttendMemeEcran(*e, 1);
  e->RotationUtilisation = 0;
  e->ReglageUtilisation = 1;
  e->ReglageContraste = 70;
  AttendMemeEcran(*e, 1);
}

TEST_F(RenduReduit, ReductionOnlyWhereTheScreenIsTheSame) {
  const SIZE photo{1600, 1200};
  auto e = Ecran(paysage_);
  EXPECT_EQ(ReductionPossible(*e, photo), 2);          // 800 x 600 still shrinks to 600 x 450
  EXPECT_EQ(ReductionPossible(*e, photo, 0.25), 8);    // a thumbnail needs far less
  e->RedimensionUtilisation = 0;                       // the picture is cut, not shrunk
  EXPECT_EQ(ReductionPossible(*e, photo, 0.25), 1);
  e->RedimensionUtilisation = 1;
  e->RedimensionTailleX = 2001;                        // falls back to the picture's size
  EXPECT_EQ(ReductionPossible(*e, photo), 1);
  e->RedimensionTailleX = 900;                         // 900 x 675 needs more than 800 x 600
  EXPECT_EQ(ReductionPossible(*e, photo), 1);
  e->RedimensionTailleX = 600;
  e->RotationUtilisation = 1;
  e->RotationAngle = 90;                               // not a quarter turn: grows the picture
  EXPECT_EQ(ReductionPossible(*e, photo), 1);
  e->RotationAngle = -180;                             // turns and adjustments: thumbnails only
  EXPECT_EQ(ReductionPossible(*e, photo), 1);
  EXPECT_EQ(ReductionPossible(*e, photo, 0.25), 8);
  e->RotationUtilisation = 0;
  e->ReglageUtilisation = 1;
  e->ReglageIntensite = 60;
  EXPECT_EQ(ReductionPossible(*e, photo), 1);
  EXPECT_EQ(ReductionPossible(*e, photo, 0.25), 8);
  e->ReglageIntensite = 50;                            // neutral: no adjustment
  EXPECT_EQ(ReductionPossible(*e, photo), 2);
  // The screen itself keeps a crop and the picture's size on whole
  // reduced pixels.
  EXPECT_EQ(ReductionPossible(*e, SIZE{1602, 1200}), 2);
  EXPECT_EQ(ReductionPossible(*e, SIZE{1601, 1200}), 1);
  EXPECT_EQ(ReductionPossible(*e, SIZE{1601, 1200}, 0.25), 8);
  e->RecoupeUtilisation = 1;
  e->RecoupeRectangle = {4, 8, 1204, 908};
  EXPECT_EQ(ReductionPossible(*e, photo), 2);
  e->RecoupeRectangle = {4, 8, 2404, 1808};
  EXPECT_EQ(ReductionPossible(*e, SIZE{3200, 2400}), 4);
  e->RecoupeRectangle = {6, 8, 2406, 1808};
  EXPECT_EQ(ReductionPossible(*e, SIZE{3200, 2400}), 2);
  e->RecoupeRectangle = {5, 8, 1205, 908};
  EXPECT_EQ(ReductionPossible(*e, photo), 1);
  EXPECT_EQ(ReductionPossible(*e, photo, 0.25), 4);  // 1200 x 900 of crop: 8 is too much
}

TEST_F(RenduReduit, ReducedPictureWithoutResizeIsBroughtBackToItsSize) {
  auto e = Ecran(paysage_);
  e->RedimensionUtilisation = 0;
  e->FondUtilisation = 0;
  CEcran b(e->TailleCible);
  b.CopieParametres(*e);
  ASSERT_EQ(b.ChargeImageReduite(b.CheminImage, 4), 1);
  EXPECT_EQ(b.ImageSource.Width(), 400);
  SIZE t{};
  HBITMAP rendu = b.CalculeImageFinale(*graphique_, 0, Etapes::Toutes(), &t, Echantillonnage::Moyenne);
  ASSERT_TRUE(rendu);
  EXPECT_EQ(rendu.Width(), 1600 + 12);
  EXPECT_EQ(t.cy, 1200 + 12);
  // Other formats load whole.
  ASSERT_EQ(talvik::CGraphique::SauveImage(dossier_->File("p.bmp"), b.ImageSource, 75, 0, 0), 1);
  ASSERT_EQ(b.ChargeImageReduite(dossier_->File("p.bmp"), 4), 1);
  EXPECT_EQ(b.ReductionSource, 1);
  EXPECT_EQ(b.ImageSource.Width(), 400);
}

}  // namespace
}  // namespace lumaveil
