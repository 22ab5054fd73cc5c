// The blurred background and the subject search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "composition/flou_fond.h"
#include "composition/sujet.h"
#include "graphique.h"
#include "visage_essai.h"
#include "visages/detection_visages.h"

namespace {

using talvik::CSize;
using talvik::HBITMAP;
using talvik::RECT;

// An independent blur: the picture scaled to cover `taille` by area
// averaging, centred and cut, a true Gaussian of EcartTypeFlou's deviation
// (to three of them, edges extended), darkened by the same factor.
std::vector<double> FlouDeReference(const HBITMAP& image, CSize taille) {
  const double echelle = std::max(double(taille.cx) / image.Width(), double(taille.cy) / image.Height());
  const CSize couvre(int(std::ceil(image.Width() * echelle)), int(std::ceil(image.Height() * echelle)));
  const HBITMAP grande = talvik::CGraphique::RedimensionneImage(image, couvre, 0);
  const int ox = (couvre.cx - taille.cx) / 2, oy = (couvre.cy - taille.cy) / 2;
  const int w = taille.cx, h = taille.cy;
  const double sigma = talvik::EcartTypeFlou(taille);
  const int rayon = int(3 * sigma);
  std::vector<double> noyau(std::size_t(2 * rayon + 1));
  double somme = 0;
  for (int i = -rayon; i <= rayon; ++i) somme += noyau[std::size_t(i + rayon)] = std::exp(-i * i / (2 * sigma * sigma));
  for (double& k : noyau) k /= somme;
  std::vector<double> plan(std::size_t(w) * h * 3), tmp(plan.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = grande.Row(y + oy)[x + ox];
      for (int c = 0; c < 3; ++c) plan[(std::size_t(y) * w + x) * 3 + c] = (p >> (16 - 8 * c)) & 0xFF;
    }
  for (int passe = 0; passe < 2; ++passe) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c) {
          double v = 0;
          for (int i = -rayon; i <= rayon; ++i) {
            const int xx = passe == 0 ? std::clamp(x + i, 0, w - 1) : x;
            const int yy = passe == 1 ? std::clamp(y + i, 0, h - 1) : y;
            v += noyau[std::size_t(i + rayon)] * plan[(std::size_t(yy) * w + xx) * 3 + c];
          }
          tmp[(std::size_t(y) * w + x) * 3 + c] = v;
        }
    plan.swap(tmp);
  }
  for (double& v : plan) v *= talvik::kLumiereFlou / 256.0;
  return plan;
}

struct CasFlou {
  int largeur, hauteur;
};

class FlouFond : public ::testing::TestWithParam<CasFlou> {};

TEST_P(FlouFond, MatchesAnIndependentGaussianBlurOfThePictureScaledToFill) {
  const HBITMAP photo = lumaveil::testing::PaysageVisageADroite(900, 600);
  ASSERT_TRUE(photo) << lumaveil::testing::kPhotoVisage << " is missing";
  const CSize taille(GetParam().largeur, GetParam().hauteur);
  const HBITMAP flou = talvik::FlouRemplissage(photo, taille);
  ASSERT_TRUE(flou);
  ASSERT_EQ(flou.Width(), taille.cx);
  ASSERT_EQ(flou.Height(), taille.cy);
  const std::vector<double> reference = FlouDeReference(photo, taille);
  double ecart = 0;
  for (int y = 0; y < taille.cy; ++y)
    for (int x = 0; x < taille.cx; ++x)
      for (int c = 0; c < 3; ++c)
        ecart += std::abs(double((flou.Row(y)[x] >> (16 - 8 * c)) & 0xFF) -
                          reference[(std::size_t(y) * taille.cx + x) * 3 + c]);
  EXPECT_LE(ecart / (double(taille.cx) * taille.cy * 3), 3.0);
}

// Wider than the picture, narrower (the picture cut on its sides), a thumbnail.
INSTANTIATE_TEST_SUITE_P(Tailles, FlouFond,
                         ::testing::Values(CasFlou{480, 270}, CasFlou{270, 480}, CasFlou{140, 100}));

TEST(FlouFond, BlurredPhotoBackgroundCentresThePictureAndRefusesNothingToBlur) {
  const HBITMAP photo = talvik::Bitmap::Create(40, 20, talvik::RGB(250, 10, 10));
  const HBITMAP fond = talvik::FondFlouImage(CSize(101, 50), photo, 0, 0);
  ASSERT_TRUE(fond);
  EXPECT_EQ(fond.GetPixel(30, 15), talvik::RGB(250, 10, 10));  // the picture, at (30, 15)
  EXPECT_EQ(fond.GetPixel(69, 34), talvik::RGB(250, 10, 10));
  // Around it, the same red darkened.
  EXPECT_EQ(fond.GetPixel(0, 0), talvik::RGB(250 * talvik::kLumiereFlou / 256, 10 * talvik::kLumiereFlou / 256,
                                             10 * talvik::kLumiereFlou / 256));
  EXPECT_FALSE(talvik::FondFlouImage(CSize(10, 10), HBITMAP(), 0, 0));
  EXPECT_FALSE(talvik::FlouRemplissage(photo, CSize(0, 10)));
}

bool Contient(const RECT& grand, const RECT& petit) {
  return grand.left <= petit.left && grand.top <= petit.top && grand.right >= petit.right &&
         grand.bottom >= petit.bottom;
}

TEST(Sujet, FaceNearTheRightEdgeStaysWholeWhenALandscapeFillsAPortraitScreen) {
  const HBITMAP paysage = lumaveil::testing::PaysageVisageADroite(1800, 700);
  ASSERT_TRUE(paysage);
  ASSERT_TRUE(talvik::DetecteurVisagesDisponible());
  // Where the face is: found on the photo alone, moved to its place.
  const std::vector<RECT> seul = talvik::DetecteVisages(lumaveil::testing::PhotoVisage());
  ASSERT_FALSE(seul.empty());
  const int dx = 1800 - 512, dy = (700 - 600) / 2;
  const RECT visage{seul[0].left + dx, seul[0].top + dy, seul[0].right + dx, seul[0].bottom + dy};

  const talvik::Sujet sujet = talvik::ChercheSujet(paysage);
  EXPECT_TRUE(sujet.visages);
  for (const CSize ecran : {CSize(1080, 1920), CSize(768, 1024), CSize(700, 700)}) {
    const RECT c = talvik::RectangleRemplissage(CSize(1800, 700), ecran, sujet.rectangle);
    EXPECT_TRUE(Contient(c, visage)) << ecran.cx << "x" << ecran.cy << ": crop " << c.left << ".." << c.right
                                     << ", face " << visage.left << ".." << visage.right;
    EXPECT_NEAR(double(c.right - c.left) / (c.bottom - c.top), double(ecran.cx) / ecran.cy, 0.01);
  }
}

TEST(Sujet, WithoutFacesTheCropGoesAroundTheMostDetailedPart) {
  // A grey wall with a busy patch: near the left, then near the bottom.
  struct Cas {
    CSize image, ecran;
    RECT patch;
  };
  for (const Cas& cas : {Cas{CSize(1600, 600), CSize(600, 800), RECT{100, 200, 300, 400}},
                         Cas{CSize(1600, 600), CSize(600, 800), RECT{1350, 50, 1550, 250}},
                         Cas{CSize(600, 1600), CSize(1920, 1080), RECT{150, 1300, 450, 1500}}}) {
    HBITMAP image = talvik::Bitmap::Create(cas.image.cx, cas.image.cy, talvik::RGB(120, 120, 120));
    lumaveil::testing::PeintDamier(image, cas.patch.left, cas.patch.top, cas.patch.right - cas.patch.left,
                                   cas.patch.bottom - cas.patch.top, 8);
    const talvik::Sujet sujet = talvik::ChercheSujet(image);
    EXPECT_FALSE(sujet.visages);
    const RECT c = talvik::RectangleRemplissage(cas.image, cas.ecran, sujet.rectangle);
    EXPECT_TRUE(Contient(c, cas.patch)) << "crop " << c.left << "," << c.top << ".." << c.right << "," << c.bottom;
  }
  // Nothing stands out: the centred crop.
  const HBITMAP uni = talvik::Bitmap::Create(1000, 500, talvik::RGB(10, 200, 30));
  const RECT c = talvik::RectangleRemplissage(CSize(1000, 500), CSize(500, 500), talvik::ChercheSujet(uni).rectangle);
  EXPECT_NEAR(c.left, 250, 10);
}

}  // namespace
