// Which screens pair, and how a pair is drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dossier_temporaire.h"
#include "graphique.h"
#include "paires_portraits.h"
#include "redimension.h"
#include "rendu_paire.h"

namespace lumaveil {
namespace {

// A screen in one letter: P a portrait that may pair, L a landscape, C a
// portrait with its own crop, F a portrait filling the screen, U a picture
// of unknown size, N a portrait without background, T a portrait for a
// portrait target, W a portrait for another landscape target.
ApparieEcran Decrit(char c) {
  ApparieEcran e;
  e.cible = c == 'T' ? SIZE{1080, 1920} : c == 'W' ? SIZE{1280, 720} : SIZE{1920, 1080};
  e.image = c == 'L' ? SIZE{4000, 3000} : c == 'U' ? SIZE{} : SIZE{3000, 4000};
  e.recoupe = c == 'C';
  e.ajuste = c != 'F';
  e.fond = c != 'N';
  return e;
}

// The groups in writing: "01 2" is screens 0 and 1 paired, then 2 alone.
std::string Groupes(const std::string& ecrans, bool paire) {
  std::vector<ApparieEcran> d;
  for (char c : ecrans) d.push_back(Decrit(c));
  std::string s;
  for (const GroupeEcrans& g : GroupeEcransEnPaires(d, paire)) {
    if (!s.empty()) s += ' ';
    s += std::to_string(g.premier);
    if (g.Paire()) s += std::to_string(g.second);
  }
  return s;
}

struct CasPaires {
  const char* ecrans;
  bool paire;
  const char* attendu;
};

class PairesPortraits : public ::testing::TestWithParam<CasPaires> {};

TEST_P(PairesPortraits, GroupsConsecutivePortraitsThatMayPair) {
  EXPECT_EQ(Groupes(GetParam().ecrans, GetParam().paire), GetParam().attendu) << GetParam().ecrans;
}

INSTANTIATE_TEST_SUITE_P(
    Regle, PairesPortraits,
    ::testing::Values(CasPaires{"", true, ""}, CasPaires{"PP", false, "0 1"},
                      CasPaires{"PP", true, "01"}, CasPaires{"P", true, "0"},
                      CasPaires{"PPP", true, "01 2"},        // a lone portrait at the end
                      CasPaires{"PPPP", true, "01 23"}, CasPaires{"LPPL", true, "0 12 3"},
                      CasPaires{"PLP", true, "0 1 2"}, CasPaires{"LPLPP", true, "0 1 2 34"},
                      CasPaires{"CP", true, "0 1"},          // its own crop breaks the pair
                      CasPaires{"PCP", true, "0 1 2"}, CasPaires{"FP", true, "0 1"},
                      CasPaires{"UP", true, "0 1"}, CasPaires{"NP", true, "0 1"},
                      CasPaires{"TT", true, "0 1"},          // a portrait screen shows one
                      CasPaires{"PW", true, "0 1"}, CasPaires{"WW", true, "01"},
                      CasPaires{"PPCPP", true, "01 2 34"}));

TEST(PairesPortraits, TurningAPictureOrCroppingItBreaksOrFormsPairs) {
  CEcran a(SIZE{1920, 1080}), b(SIZE{1920, 1080});
  for (CEcran* e : {&a, &b}) {
    e->TailleImage = SIZE{3000, 4000};
    AjusteEcran(*e);
    e->FondUtilisation = 1;
  }
  auto paires = [&] {
    return GroupeEcransEnPaires({DecritPourAppariement(a), DecritPourAppariement(b)}, true).size() == 1;
  };
  EXPECT_TRUE(paires());
  b.RotationUtilisation = 1;
  b.RotationAngle = 180;  // a quarter turn: now a landscape
  EXPECT_FALSE(paires());
  b.TailleImage = SIZE{4000, 3000};  // a landscape photo turned upright
  EXPECT_TRUE(paires());
  a.RecoupeUtilisation = 1;
  a.RecoupeRectangle = RECT{0, 0, 3000, 3000};
  EXPECT_FALSE(paires());
  a.RecoupeUtilisation = 0;
  RemplitEcran(a);
  EXPECT_FALSE(paires());
}

// Two plain portraits of different proportions side by side on white.
TEST(RenduPaire, BothPicturesShareOneHeightAndMeetAtTheMiddleWithASmallGap) {
  testing::TempDir dossier;
  const std::string rouge = dossier.File("rouge.png"), bleu = dossier.File("bleu.png");
  ASSERT_TRUE(talvik::CGraphique::SauveImagePNG(rouge, talvik::Bitmap::Create(300, 400, talvik::RGB(255, 0, 0))));
  ASSERT_TRUE(talvik::CGraphique::SauveImagePNG(bleu, talvik::Bitmap::Create(300, 600, talvik::RGB(0, 0, 255))));
  CEcran g(SIZE{960, 540}), d(SIZE{960, 540});
  talvik::CGraphique graphique;
  for (CEcran* e : {&g, &d}) {
    AjusteEcran(*e);
    e->FondUtilisation = 1;
    e->FondCouleur = talvik::RGB(255, 255, 255);
  }
  ASSERT_TRUE(g.ChargeImage(rouge));
  ASSERT_TRUE(d.ChargeImage(bleu));
  const HBITMAP paire = RendPaire(g, d, graphique, Echantillonnage::Moyenne);
  ASSERT_TRUE(paire);
  ASSERT_EQ(paire.Width(), 960);
  ASSERT_EQ(paire.Height(), 540);
  // Column by column: which colour, from which row to which.
  auto etendue = [&](talvik::COLORREF c, int x) {
    int haut = -1, bas = -1;
    for (int y = 0; y < 540; ++y)
      if (paire.GetPixel(x, y) == c) {
        if (haut < 0) haut = y;
        bas = y;
      }
    return std::pair<int, int>(haut, bas);
  };
  const int ecart = EcartPaire(960);
  const int finRouge = 480 - ecart / 2 - 1, debutBleu = 480 + (ecart - ecart / 2);
  EXPECT_EQ(paire.GetPixel(finRouge, 270), talvik::RGB(255, 0, 0));
  EXPECT_EQ(paire.GetPixel(finRouge + 1, 270), talvik::RGB(255, 255, 255));
  EXPECT_EQ(paire.GetPixel(debutBleu, 270), talvik::RGB(0, 0, 255));
  EXPECT_EQ(paire.GetPixel(debutBleu - 1, 270), talvik::RGB(255, 255, 255));
  // The same height: the taller blue picture comes down to the red one's.
  EXPECT_EQ(etendue(talvik::RGB(255, 0, 0), finRouge), etendue(talvik::RGB(0, 0, 255), debutBleu));
  EXPECT_EQ(etendue(talvik::RGB(255, 0, 0), finRouge), std::make_pair(0, 539));
  // The screens keep their own settings.
  EXPECT_EQ(g.TailleCible.cx, 960);
  EXPECT_EQ(d.CalageImage, 0);
}

}  // namespace
}  // namespace lumaveil
