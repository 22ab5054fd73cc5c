// The moving effects' settings: how the command line names them, the
// transition length saved with projects and templates only when it is not
// the default, and a screen made larger as a whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "agrandissement.h"
#include "effets_transition.h"
#include "fichier_modele.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "images_comparees.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

TEST(EffetsTransition, CommandLineNamesAndLengthsAreReadOrRefused) {
  const std::pair<const char*, std::optional<int>> effets[] = {
      {"cross-fade", 8}, {"pan-zoom", 9}, {"0", 0},       {"7", 7},        {"10", 10},
      {"11", {}},        {"-1", {}},      {"", {}},       {"Cross-fade", {}}, {"8x", {}}};
  for (const auto& [texte, attendu] : effets) EXPECT_EQ(LitEffet(texte), attendu) << texte;
  const std::pair<const char*, std::optional<int>> durees[] = {
      {"1.5", 1500}, {"0.5", 500}, {"5", 5000},  {"2.", 2000},  {".75", 750},
      {"1.2345", 1234}, {"0.4", {}}, {"5.001", {}}, {"", {}},    {".", {}},
      {"1,5", {}},   {"-1", {}},   {"1e0", {}},   {"nan", {}},  {"1.5.0", {}}};
  for (const auto& [texte, attendu] : durees)
    EXPECT_EQ(LitDureeTransition(texte), attendu) << texte;
}

TEST(EffetsTransition, TheLengthIsSavedWithProjectAndTemplateOnlyWhenNotTheDefault) {
  CProjet p;
  p.ResolutionCible = {800, 600};
  p.Ajoute(p.NouvelEcranDepuisModele());
  p.Ajoute(p.NouvelEcranDepuisModele());
  EXPECT_EQ(p.Ecran(0).DureeTransition, kDureeTransitionDefautMs);
  p.Ecran(1).EffetTransition = kEffetFondu;
  const std::vector<std::uint8_t> concu = EcritProjet(p);
  const std::string modeleConcu = EcritModele(p.ModeleEcran);
  EXPECT_EQ(modeleConcu.find("Duree Transition"), std::string::npos);

  p.Ecran(1).DureeTransition = 3200;
  p.ModeleEcran.DureeTransition = 700;
  const std::vector<std::uint8_t> o = EcritProjet(p);
  ASSERT_GT(o.size(), concu.size());
  EXPECT_TRUE(std::equal(concu.begin(), concu.end(), o.begin()));
  CProjet lu;
  ASSERT_EQ(LitProjet(o.data(), o.size(), lu, nullptr), 1);
  EXPECT_EQ(lu.Ecran(0).DureeTransition, kDureeTransitionDefautMs);
  EXPECT_EQ(lu.Ecran(1).DureeTransition, 3200);
  EXPECT_EQ(lu.Ecran(1).EffetTransition, kEffetFondu);
  EXPECT_EQ(lu.ModeleEcran.DureeTransition, 700);

  const std::string modele = EcritModele(p.ModeleEcran);
  EXPECT_EQ(modele.compare(0, modeleConcu.size(), modeleConcu), 0);
  EXPECT_NE(modele.find("[Duree Transition] 700"), std::string::npos) << modele;
  CEcran relu;
  LitModele(modele, relu);
  EXPECT_EQ(relu.DureeTransition, 700);
  // A screen made from it, and "OK for all", take the template's length.
  EXPECT_EQ(lu.NouvelEcranDepuisModele()->DureeTransition, 700);
}

class Agrandissement : public ::testing::Test {
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
  static talvik::CGraphique* graphique_;
  static lumaveil::testing::TempDir* registre_;
};
talvik::CGraphique* Agrandissement::graphique_ = nullptr;
lumaveil::testing::TempDir* Agrandissement::registre_ = nullptr;

// Rendered 1.25 times larger and brought back to the normal size, every
// kind of screen shows what its normal rendering shows: the canvas, the
// picture where it was and as large, the border, and the caption in its
// place at its size.
TEST_F(Agrandissement, TheLargerRenderingShowsTheSameScreen) {
  enum Redim { Aucune, Pourcentage, Taille, Ajuste };
  for (Redim redim : {Aucune, Pourcentage, Taille, Ajuste}) {
    CEcran e(SIZE{320, 240});
    e.ImageSource = lumaveil::testing::Quadrants(160, 120, lumaveil::testing::kCoins);
    e.TailleImage = {160, 120};
    e.RedimensionUtilisation = redim != Aucune;
    e.RedimensionPourcentageUtilisation = redim == Pourcentage;
    e.RedimensionPourcentageValeur = 150;
    e.RedimensionTailleX = redim == Taille ? 200 : 0;
    e.RedimensionTailleY = redim == Taille ? 100 : 0;
    e.RedimensionConservationProportion = redim != Taille;
    e.CadreUtilisation = 1;
    e.CadreTaille = 8;
    e.FondCouleur = talvik::RGB(90, 90, 90);
    e.Textes[0].Utilisation = 1;
    e.Textes[0].Libelle = "LUMAVEIL 2026";
    e.Textes[0].CouleurEncre = talvik::RGB(255, 255, 255);
    e.Textes[0].PositionAutomatiqueVerticale = 1;
    e.Textes[0].Fonte.lfHeight = -56;
    const HBITMAP normal = e.CalculeImageFinale(*graphique_, 0, Etapes::Toutes());
    AgranditEcran(e, SIZE{400, 300});
    EXPECT_EQ(e.TailleCible.cx, 400);
    const HBITMAP grand = e.CalculeImageFinale(*graphique_, 0, Etapes::Toutes());
    ASSERT_TRUE(normal && grand);
    ASSERT_EQ(grand.Width(), 400);
    ASSERT_EQ(grand.Height(), 300);
    const HBITMAP ramene =
        talvik::CGraphique::RedimensionneImage(grand, talvik::CSize(320, 240), 0);
    EXPECT_LT(lumaveil::testing::EcartMoyen(normal, ramene), 3.0) << int(redim);
  }
}

}  // namespace
}  // namespace lumaveil
