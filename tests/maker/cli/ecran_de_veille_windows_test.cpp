// A Windows screen saver made by the maker's command line, played under
// Wine full screen on a private Xvfb: its first screen is the one the maker
// renders, drawn unscaled in the middle of the display, and a key ends it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "graphique.h"
#include "images_comparees.h"
#include "programmes_wine.h"
#include "ecran_x.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;
using talvik::COLORREF;
using talvik::RGB;

const std::string kBin = LUMAVEIL_BIN_DIR;

TEST(SaverUnderWine, FirstScreenIsTheRenderedScreenAndAKeyEndsIt) {
  ASSERT_TRUE(fs::exists(testing::SuitePrefixReadyMarker()))
      << "the suite's Wine prefix is missing (fixture WinePrefix.IsCreatedOnceForTheSuite)";
  ASSERT_TRUE(fs::exists(kBin + "/LmvEngine.exe"));
  testing::TempDir dir;
  setenv("LUMAVEIL_REGISTRY", dir.File("registry.reg").c_str(), 1);
  const COLORREF a[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
  const COLORREF b[4] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 255), RGB(0, 255, 255)};
  ASSERT_EQ(talvik::CGraphique::SauveImage(dir.File("a.png"), testing::Quadrants(500, 300, a), 0,
                                           0, 0),
            1);
  ASSERT_EQ(talvik::CGraphique::SauveImage(dir.File("b.jpg"), testing::Quadrants(300, 500, b), 95,
                                           0, 0),
            1);
  std::ofstream(dir.File("t.mod"), std::ios::binary)
      << "Fichier mod\xE8le de : Lumaveil\r\n\r\n[Duree Affichage] 30\r\n";
  std::string cli = "cd '" + dir.Path() + "' && " + kBin + "/lumaveil ";
  ASSERT_EQ(testing::RunAndCapture(cli + "--new p.lmv --resolution 640x480 --template t.mod "
                                         "a.png b.jpg 2>&1; echo $?"),
            "0\n");
  ASSERT_EQ(testing::RunAndCapture(cli + "--render p.lmv --screen 1 --output r1.bmp 2>&1; echo $?"),
            "0\n");
  ASSERT_EQ(
      testing::RunAndCapture(cli + "--generate p.lmv --output saver.scr 2>/dev/null; echo $?"),
      "0\n");
  talvik::Bitmap rendu = talvik::CGraphique::ChargeImage(dir.File("r1.bmp"), 0);
  ASSERT_TRUE(rendu);
  // The 640x480 screen fills the 1024x768 display, proportions kept.
  rendu = talvik::CGraphique::RedimensionneImage(rendu, talvik::CSize(1024, 768), 0);
  ASSERT_TRUE(rendu);

  testing::Xvfb xvfb(1024, 768);
  ASSERT_TRUE(xvfb.Ok());
  testing::WineProcess saver(dir.File("saver.scr"), {"/s"}, xvfb.Display(), "-all",
                             dir.File("saver.log"));
  ASSERT_TRUE(saver.Started());
  double ecart = -1;
  bool vu = testing::WaitUntil(
      [&] {
        testing::Screenshot s = testing::TakeScreenshot(xvfb.Display(), 1024, 768);
        if (s.pixels.empty()) return false;
        talvik::Bitmap ecran = talvik::Bitmap::Create(1024, 768);
        std::copy(s.pixels.begin(), s.pixels.end(), ecran.Pixels());
        ecart = testing::EcartMoyen(rendu, ecran, 0, 0);
        return ecart >= 0 && ecart < 6.0;
      },
      30000);
  if (!vu) testing::StopWineSession();
  ASSERT_TRUE(vu) << "mean difference " << ecart << "\n" << saver.Log();

  std::string fenetre;
  for (const auto& w : testing::VisibleWindows(xvfb.Display()))
    if (w.className == "saver.scr" && w.width == 1024) fenetre = w.id;
  std::optional<int> code;
  if (!fenetre.empty()) {
    testing::PressKey(xvfb.Display(), fenetre, "space");
    code = saver.WaitExit(3000);
  }
  testing::StopWineSession();
  ASSERT_FALSE(fenetre.empty()) << "no full-screen window";
  ASSERT_TRUE(code.has_value()) << "still running 3 s after the key press\n" << saver.Log();
  EXPECT_EQ(*code, 0);
}

}  // namespace
}  // namespace lumaveil
