// New screens through the maker's command line: the whole picture as
// large as fits the resolution, at any resolution, while a template or a
// project that says "no resizing" keeps saying it; pictures of 50 and 100
// megapixels are rendered and generated.
#include <gtest/gtest.h>

#include <fstream>

#include "commande_lumaveil.h"
#include "dialogue_essai.h"
#include "fichier_modele.h"
#include "fichier_projet.h"
#include "lecture_paquet.h"

namespace lumaveil::testing {
namespace {

using talvik::RGB;

class Photos : public CommandeLumaveil {};

TEST_F(Photos, NewScreensShowTheWholePictureCentredAtEveryResolution) {
  struct Image {
    std::string nom;
    int w, h;
  } images[] = {{Png("large.png", 900, 300, RGB(200, 30, 30)), 900, 300},
                {Png("haute.png", 300, 900, RGB(30, 30, 200)), 300, 900},
                {Png("petite.png", 80, 60, RGB(30, 160, 30)), 80, 60}};
  for (const SIZE r : {SIZE{640, 480}, SIZE{1280, 720}}) {
    const std::string resolution = std::to_string(r.cx) + "x" + std::to_string(r.cy);
    const std::string projet = "p" + resolution + ".lmv";
    std::string erreur;
    ASSERT_EQ(Lance("--new " + projet + " --resolution " + resolution +
                        " large.png haute.png petite.png",
                    &erreur),
              0)
        << erreur;
    for (int k = 0; k < 3; ++k) {
      talvik::Bitmap rendu = Rend(projet, k + 1);
      ASSERT_TRUE(rendu);
      ASSERT_EQ(rendu.Width(), r.cx);
      ASSERT_EQ(rendu.Height(), r.cy);
      AttendPlace(PlaceSurFond(rendu, kBlanc),
                  Ajuste(images[k].w, images[k].h, r.cx, r.cy), images[k].nom + " " + resolution);
    }
  }
}

// Saved templates and projects keep their meaning: one that says "no
// resizing" shows the picture at its own size, and saving it again gives
// the same bytes.
TEST_F(Photos, ATemplateOrProjectThatSaysNoResizingStillMeansIt) {
  Png("large.png", 900, 300, RGB(200, 30, 30));
  const CEcran sansRedimension(SIZE{640, 480});  // every field at its designed default
  const std::string modele = EcritModele(sansRedimension);
  std::ofstream(dir_.File("aucun.mod"), std::ios::binary) << modele;
  std::string erreur;
  ASSERT_EQ(Lance("--new p.lmv --resolution 640x480 --template aucun.mod large.png", &erreur), 0)
      << erreur;
  AttendPlace(PlaceSurFond(Rend("p.lmv", 1), kBlanc),
              talvik::RECT{0, 90, 640, 390}, "1:1, cut at the sides");
  ASSERT_EQ(Lance("--save-template p.lmv --output retour.mod"), 0);
  const std::vector<std::uint8_t> retour = Contenu(dir_.File("retour.mod"));
  EXPECT_EQ(std::string(retour.begin(), retour.end()), modele);

  // The project file: its screen says no resizing, and rewriting it
  // changes no byte.
  CProjet projet;
  CDialogueTest d;
  ASSERT_EQ(ChargeProjet(projet, dir_.File("p.lmv"), d), 1);
  EXPECT_EQ(projet.Ecran(0).RedimensionUtilisation, 0);
  ASSERT_EQ(SauveProjet(projet, dir_.File("q.lmv"), d), 1);
  EXPECT_EQ(Contenu(dir_.File("q.lmv")),
            Contenu(dir_.File("p.lmv")));
}

// A 50-megapixel photo and a 100-megapixel panorama are added, rendered
// and generated, each fitted whole to the screen.
TEST_F(Photos, FiftyAndHundredMegapixelPicturesAreRenderedAndGenerated) {
  const talvik::COLORREF couleurs[4] = {RGB(200, 0, 0), RGB(0, 180, 0), RGB(0, 0, 200),
                                        RGB(200, 200, 0)};
  ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(dir_.File("50mp.jpg"),
                                               Quadrants(8660, 5773, couleurs),
                                               85),
            1);
  ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(dir_.File("100mp.jpg"),
                                               Quadrants(20000, 5000, couleurs),
                                               85),
            1);
  std::string erreur;
  ASSERT_EQ(Lance("--new p.lmv --resolution 1920x1080 50mp.jpg 100mp.jpg", &erreur), 0) << erreur;
  const int tailles[2][2] = {{8660, 5773}, {20000, 5000}};
  for (int k = 0; k < 2; ++k) {
    const talvik::Bitmap rendu = Rend("p.lmv", k + 1);
    ASSERT_TRUE(rendu);
    const talvik::RECT place = PlaceSurFond(rendu, kBlanc);
    const talvik::RECT attendue = Ajuste(tailles[k][0], tailles[k][1], 1920, 1080);
    // Within a pixel: the JPEG's edges.
    EXPECT_NEAR(place.left, attendue.left, 1) << k;
    EXPECT_NEAR(place.top, attendue.top, 1) << k;
    EXPECT_NEAR(place.right, attendue.right, 1) << k;
    EXPECT_NEAR(place.bottom, attendue.bottom, 1) << k;
    // The top-left quadrant of the picture is where it belongs.
    const COLORREF p = rendu.GetPixel(place.left + 10, place.top + 10);
    EXPECT_GT(talvik::GetRValue(p), 150) << k;
    EXPECT_LT(talvik::GetGValue(p), 60) << k;
  }
  const talvik::Bitmap image = PremiereImage("p.lmv", "1920x1080");
  ASSERT_TRUE(image);
  EXPECT_EQ(LitPaquet(dir_.File("saver")).nombre, 2);
  EXPECT_LT(EcartMoyen(Rend("p.lmv", 1), image), 4.0);
}

}  // namespace
}  // namespace lumaveil::testing
