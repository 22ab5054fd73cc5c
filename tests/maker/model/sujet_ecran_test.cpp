// "Fill the screen" on a screen, and the subject the saver pans to.
#include <gtest/gtest.h>

#include <vector>

#include "dossier_temporaire.h"
#include "graphique.h"
#include "redimension.h"
#include "sujet_ecran.h"
#include "visage_essai.h"
#include "visages/detection_visages.h"

namespace lumaveil {
namespace {

bool Contient(const RECT& grand, const RECT& petit) {
  return grand.left <= petit.left && grand.top <= petit.top && grand.right >= petit.right &&
         grand.bottom >= petit.bottom;
}

TEST(RemplissageEcran, APortraitScreenFilledFromALandscapeShowsTheWholeFaceWhereItsSubjectSays) {
  testing::TempDir dossier;
  const HBITMAP paysage = testing::PaysageVisageADroite(1800, 700);
  ASSERT_TRUE(paysage) << testing::kPhotoVisage << " is missing";
  const std::string chemin = dossier.File("paysage.png");
  ASSERT_TRUE(talvik::CGraphique::SauveImagePNG(chemin, paysage));
  talvik::CGraphique graphique;
  CEcran e(SIZE{600, 800});
  RemplitEcran(e);
  e.FondUtilisation = 1;
  ASSERT_TRUE(e.ChargeImage(chemin));
  e.CalculeImageFinale(graphique, 0, Etapes::Toutes(), nullptr, Echantillonnage::Moyenne);
  ASSERT_EQ(e.TailleFinale.cx, 600);
  ASSERT_EQ(e.TailleFinale.cy, 800);
  // The face is still a face on the screen, and it is where the screen's
  // subject is.
  const std::vector<RECT> visages = talvik::DetecteVisages(
      talvik::CGraphique::RedimensionneImage(e.ImageFinale, talvik::CSize(300, 400), 0));
  ASSERT_EQ(visages.size(), 1u);
  RECT sujet{};
  ASSERT_TRUE(RectangleSujetEcran(e, &sujet));
  const RECT v{visages[0].left * 2, visages[0].top * 2, visages[0].right * 2, visages[0].bottom * 2};
  EXPECT_TRUE(Contient(sujet, v)) << sujet.left << "," << sujet.top << ".." << sujet.right << "," << sujet.bottom;

  // The user moves the crop to the left end: the screen shows the left.
  e.RemplissageRectangle = RECT{0, 0, 10, 700};
  e.CalculeImageFinale(graphique, 0, Etapes::Toutes(), nullptr, Echantillonnage::Moyenne);
  EXPECT_TRUE(talvik::DetecteVisages(talvik::CGraphique::RedimensionneImage(
                                         e.ImageFinale, talvik::CSize(300, 400), 0))
                  .empty());
  EXPECT_EQ(e.ImageFinale.GetPixel(0, 0), talvik::RGB(128, 128, 128));
}

TEST(RemplissageEcran, SubjectOfAFittedScreenFollowsThePictureOnItsBackground) {
  CEcran e(SIZE{400, 400});
  AjusteEcran(e);
  e.FondUtilisation = 1;
  e.ImageSource = talvik::Bitmap::Create(200, 100, talvik::RGB(0, 0, 0));
  testing::PeintDamier(e.ImageSource, 150, 0, 50, 100, 4);
  e.TailleImage = SIZE{200, 100};
  talvik::CGraphique graphique;
  e.CalculeImageFinale(graphique, 0, Etapes::Toutes());
  RECT s{};
  ASSERT_TRUE(RectangleSujetEcran(e, &s));
  // The picture is 400 x 200 at (0, 100); the patch is its right quarter.
  EXPECT_GE(s.left, 250);
  EXPECT_LE(s.right, 400);
  EXPECT_GE(s.top, 100);
  EXPECT_LE(s.bottom, 300);
  CEcran vide(SIZE{400, 400});
  EXPECT_FALSE(RectangleSujetEcran(vide, &s));
}

}  // namespace
}  // namespace lumaveil
