#include <gtest/gtest.h>

#include <cstring>

#include "ecran.h"
#include "projet.h"

namespace lumaveil {
namespace {

TEST(Ecran, DefaultScreenHasTheDesignedSettings) {
  CEcran e;
  EXPECT_EQ(e.FondUtilisation, 1);
  EXPECT_EQ(e.FondCouleur, 0x00FFFFFFu);
  EXPECT_EQ(e.FondMotifUtilisation, 0);
  EXPECT_EQ(e.FondMotif, 25);
  EXPECT_EQ(e.EffetTransition, 0);
  EXPECT_EQ(e.DureeAffichage, 3);
  EXPECT_EQ(e.RedimensionUtilisation, 0);
  EXPECT_EQ(e.RedimensionPourcentageUtilisation, 1);
  EXPECT_EQ(e.RedimensionPourcentageValeur, 100);
  EXPECT_EQ(e.RedimensionConservationProportion, 1);
  EXPECT_EQ(e.CadreTaille, 5);
  EXPECT_EQ(e.CadreMotif, 25);
  EXPECT_EQ(e.ReglageContraste, 50);
  EXPECT_EQ(e.ReglageLumiere, 50);
  EXPECT_EQ(e.ReglageIntensite, 50);
  EXPECT_TRUE(e.CheminImage.empty());
  EXPECT_FALSE(e.ImageSource);
  for (const T_TEXTE& t : e.Textes) {
    EXPECT_EQ(t.Utilisation, 0);
    EXPECT_EQ(t.PositionAutomatique, 1);
    EXPECT_EQ(t.PositionAutomatiqueVerticale, 0);
    EXPECT_EQ(t.PositionAutomatiqueHorizontale, 0);
    EXPECT_EQ(t.DeltaX, 50);
    EXPECT_EQ(t.DeltaY, 50);
    EXPECT_EQ(t.CouleurEncre, 0u);
    EXPECT_EQ(t.FondTransparent, 1);
    EXPECT_STREQ(t.Fonte.lfFaceName, "Comic Sans MS");
    EXPECT_EQ(t.Fonte.lfHeight, -27);  // 20 points at 96 dpi
  }
  // Without a display the screen is 1024 x 768.
  EXPECT_EQ(e.TailleCible.cx, 1024);
  EXPECT_EQ(e.TailleCible.cy, 768);
}

TEST(Ecran, NewTextsTakeTheDefaultFontOfTheApplication) {
  LOGFONT avant = PoliceDefaut();
  LOGFONT f = PoliceComicSans(12, 120);
  std::strcpy(f.lfFaceName, "Arial");
  FixePoliceDefaut(f);
  CEcran e;
  EXPECT_STREQ(e.Textes[4].Fonte.lfFaceName, "Arial");
  EXPECT_EQ(e.Textes[4].Fonte.lfHeight, -20);
  FixePoliceDefaut(avant);
}

TEST(Ecran, CopyTakesEverySettingButNoPicture) {
  CEcran a;
  a.CheminImage = "/photos/été.jpg";
  a.TailleCible = {800, 600};
  a.ImageSource = HBITMAP::Create(4, 4);
  a.ImageFinale = a.ImageSource;
  a.Vignette = HBITMAP::Create(150, 110);
  a.TailleFinale = {4, 4};
  a.RotationUtilisation = 180;
  a.RotationAngle = -180;
  a.RecoupeRectangle = {1, 2, 3, 4};
  a.Textes[2].Libelle = "Bonjour";
  a.Textes[2].Utilisation = 1;
  a.DureeAffichage = 500;
  CEcran b;
  b.CopieParametres(a);
  EXPECT_EQ(b.CheminImage, a.CheminImage);
  EXPECT_EQ(b.TailleCible.cx, 800);
  EXPECT_EQ(b.RotationUtilisation, 180);
  EXPECT_EQ(b.RotationAngle, -180);
  EXPECT_EQ(b.RecoupeRectangle.bottom, 4);
  EXPECT_EQ(b.Textes[2].Libelle, "Bonjour");
  EXPECT_EQ(b.DureeAffichage, 500);  // not clamped
  EXPECT_FALSE(b.ImageSource);
  EXPECT_FALSE(b.ImageFinale);
  EXPECT_FALSE(b.Vignette);
  EXPECT_EQ(b.TailleFinale.cx, 0);
}

TEST(Ecran, NewScreenFromTemplateTakesTheTargetResolution) {
  CProjet p;
  p.ModeleEcran.TailleCible = {320, 240};
  p.ModeleEcran.FondCouleur = 0x00123456;
  p.ResolutionCible = {640, 480};
  auto e = p.NouvelEcranDepuisModele();
  EXPECT_EQ(e->TailleCible.cx, 640);
  EXPECT_EQ(e->TailleCible.cy, 480);
  EXPECT_EQ(e->FondCouleur, 0x00123456u);
}

TEST(Ecran, LoadingAMissingPictureKeepsThePreviousPath) {
  CEcran e;
  e.CheminImage = "/before.jpg";
  EXPECT_EQ(e.ChargeImage("/no/such/picture.jpg"), 0);
  EXPECT_EQ(e.CheminImage, "/before.jpg");
  EXPECT_FALSE(e.ImageSource);
  EXPECT_EQ(e.ChargeImage(""), 0);
}

TEST(Projet, InsertsAfterTheSelectionAndKeepsTheSelectionOnItsScreen) {
  CProjet p;
  auto marque = [&](int n) {
    auto e = p.NouvelEcranDepuisModele();
    e->DureeAffichage = n;
    return e;
  };
  p.InsereApresSelection(marque(1));
  p.InsereApresSelection(marque(2));
  p.Selectionne(0);
  p.InsereApresSelection(marque(3));  // between 1 and 2
  ASSERT_EQ(p.NombreEcrans(), 3);
  EXPECT_EQ(p.Ecran(0).DureeAffichage, 1);
  EXPECT_EQ(p.Ecran(1).DureeAffichage, 3);
  EXPECT_EQ(p.Ecran(2).DureeAffichage, 2);
  EXPECT_EQ(p.Selection(), 1);
  ASSERT_EQ(p.Deplace(2, 0), 1);  // 2 1 3; the selected screen (3) moves to 2
  EXPECT_EQ(p.Ecran(0).DureeAffichage, 2);
  EXPECT_EQ(p.Selection(), 2);
  EXPECT_EQ(p.Ecran(p.Selection()).DureeAffichage, 3);
  ASSERT_EQ(p.Supprime(2), 1);
  EXPECT_EQ(p.Selection(), 1);
  EXPECT_EQ(p.Supprime(7), 0);
  EXPECT_EQ(p.Selectionne(5), 0);
  p.SupprimeTout();
  EXPECT_EQ(p.NombreEcrans(), 0);
  EXPECT_EQ(p.Selection(), -1);
}

TEST(Projet, NewProjectEmptiesTheListAndTheTemplateButKeepsTheChosenResolution) {
  CProjet p;
  p.ResolutionCible = SIZE{640, 480};
  p.ModeleEcran.DureeAffichage = 17;
  p.NomModele = "vacances.mod";
  p.ModeleCharge = 1;
  p.ModeleSauve = 1;
  p.CheminEcranDeVeille = "vacances.scr";
  p.InsereApresSelection(p.NouvelEcranDepuisModele());
  p.InsereApresSelection(p.NouvelEcranDepuisModele());
  p.Nouveau();
  EXPECT_EQ(p.NombreEcrans(), 0);
  EXPECT_EQ(p.Selection(), -1);
  EXPECT_EQ(p.ResolutionCible.cx, 640);
  EXPECT_EQ(p.ResolutionCible.cy, 480);
  EXPECT_EQ(p.ModeleEcran.DureeAffichage, 3);  // the default display time
  EXPECT_TRUE(p.NomModele.empty());
  EXPECT_EQ(p.ModeleCharge, 0);
  EXPECT_EQ(p.ModeleSauve, 0);
  EXPECT_TRUE(p.CheminEcranDeVeille.empty());
  // A new screen takes the kept resolution.
  EXPECT_EQ(p.NouvelEcranDepuisModele()->TailleCible.cx, 640);
}

TEST(Projet, ListLabelsAreThreeDigits) {
  EXPECT_EQ(CProjet::Libelle(0), "001");
  EXPECT_EQ(CProjet::Libelle(41), "042");
  EXPECT_EQ(CProjet::Libelle(998), "999");
  EXPECT_EQ(CProjet::Libelle(999), "1000");
}

}  // namespace
}  // namespace lumaveil
