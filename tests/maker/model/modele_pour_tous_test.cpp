// "OK for all": the template applied to every screen of a project.
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphique.h"
#include "modele_pour_tous.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using talvik::RGB;

TEST(ModelePourTous, ScreensTakeTheTemplateButKeepPictureCropRotationAndAdjustment) {
  lumaveil::testing::TempDir dir;
  setenv("LUMAVEIL_REGISTRY", dir.File("registry.reg").c_str(), 1);
  talvik::CGraphique graphique;
  CProjet p;
  p.ResolutionCible = {320, 240};
  const int angles[3] = {180, -180, 360};
  for (int i = 0; i < 4; ++i) {
    auto e = p.NouvelEcranDepuisModele();
    e->CheminImage = dir.File("p" + std::to_string(i) + ".bmp");
    // The last screen's picture has gone missing.
    if (i < 3) {
      ASSERT_EQ(talvik::CGraphique::SauveImage(e->CheminImage,
                                               HBITMAP::Create(60, 40, RGB(200, 0, 0)), 75, 0, 0),
                1);
    }
    e->RotationUtilisation = angles[i % 3];
    e->RotationAngle = angles[i % 3];
    e->RecoupeUtilisation = 1;
    e->RecoupeRectangle = {i, i, 30 + i, 20 + i};
    e->ReglageUtilisation = 1;
    e->ReglageLumiere = 40 + i;
    e->DureeAffichage = 10 + i;
    e->EffetTransition = i;
    p.Ajoute(std::move(e));
  }
  p.Selectionne(1);
  p.CheminEcranDeVeille = dir.File("old.scr");

  CEcran& m = p.ModeleEcran;
  m.DureeAffichage = 7;
  m.EffetTransition = 5;
  m.Textes[1].Utilisation = 1;
  m.Textes[1].Libelle = "Vacances";
  m.CadreUtilisation = 1;
  m.CadreTaille = 9;
  m.FondCouleur = RGB(0, 160, 0);
  // Pictures at their own size, so the background shows around them.
  m.RedimensionUtilisation = 0;
  // The template's own crop, rotation and adjustment never reach a screen.
  m.RotationUtilisation = 360;
  m.RotationAngle = 360;
  m.RecoupeUtilisation = 0;
  m.ReglageLumiere = 90;
  m.CheminImage = dir.File("template.bmp");

  std::vector<int> echecs;
  ASSERT_EQ(AppliqueModeleATous(p, graphique, nullptr, &echecs), 4);
  EXPECT_EQ(echecs, std::vector<int>{3});
  EXPECT_EQ(p.Selection(), 1);
  EXPECT_TRUE(p.CheminEcranDeVeille.empty());
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const CEcran& e = p.Ecran(i);
    EXPECT_EQ(e.CheminImage, dir.File("p" + std::to_string(i) + ".bmp"));
    EXPECT_EQ(e.TailleCible.cx, 320);
    EXPECT_EQ(e.RotationUtilisation, angles[i % 3]);
    EXPECT_EQ(e.RotationAngle, angles[i % 3]);
    EXPECT_EQ(e.RecoupeUtilisation, 1);
    EXPECT_EQ(e.RecoupeRectangle.right, 30 + i);
    EXPECT_EQ(e.ReglageUtilisation, 1);
    EXPECT_EQ(e.ReglageLumiere, 40 + i);
    EXPECT_EQ(e.DureeAffichage, 7);
    EXPECT_EQ(e.EffetTransition, 5);
    EXPECT_EQ(e.Textes[1].Libelle, "Vacances");
    EXPECT_EQ(e.CadreTaille, 9);
    // The list keeps a new thumbnail, drawn on the template's background,
    // and no large picture.
    EXPECT_FALSE(e.ImageSource);
    EXPECT_FALSE(e.ImageFinale);
    ASSERT_TRUE(e.Vignette);
    EXPECT_EQ(e.Vignette.GetPixel(12, 8), RGB(0, 160, 0));
  }
  EXPECT_EQ(p.Ecran(0).TailleImage.cx, 60);
}

}  // namespace
}  // namespace lumaveil
