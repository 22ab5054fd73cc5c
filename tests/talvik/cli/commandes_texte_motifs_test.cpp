// The talvik text, border, background and patterns commands, run as a
// script runs them; their files are loaded back with the library.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "empreinte_fichier.h"
#include "graphique.h"
#include "motifs_utilisateur.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

using lumaveil::testing::EmpreinteFichier;
using lumaveil::testing::TempDir;

// Runs talvik with a private settings store; the exit code and standard
// output.
int Talvik(const TempDir& d, const std::string& arguments, std::string* sortie = nullptr) {
  const std::string commande = "LUMAVEIL_REGISTRY=" + d.File("registry.reg") + " " +
                               std::string(LUMAVEIL_BIN_DIR) + "/talvik " + arguments +
                               " 2>" + d.File("stderr.txt");
  std::string tout;
  std::FILE* p = ::popen(commande.c_str(), "r");
  if (!p) return -1;
  char tampon[4096];
  std::size_t n;
  while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0) tout.append(tampon, n);
  int statut = ::pclose(p);
  if (sortie) *sortie = tout;
  return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

TEST(PatternCli, PatternsListsTheBankAndExportsEachOne) {
  TempDir d;
  std::string sortie;
  ASSERT_EQ(Talvik(d, "patterns --export " + d.File("motifs"), &sortie), 0);
  EXPECT_EQ(sortie.rfind("0 96x96\n1 128x128\n2 50x50\n", 0), 0u);
  EXPECT_NE(sortie.find("\n42 200x201\n"), std::string::npos);
  EXPECT_NE(sortie.find("\n49 128x128\n"), std::string::npos);
  HBITMAP m = CGraphique::ChargeImage(d.File("motifs/pattern04.png"), 0);
  ASSERT_TRUE(m);
  EXPECT_EQ(m.Width(), 424);
  EXPECT_EQ(m.Height(), 63);
}

TEST(PatternCli, BackgroundBorderAndTextChain) {
  TempDir d;
  HBITMAP photo = Bitmap::Create(300, 200, RGB(255, 0, 255));
  for (int y = 50; y < 150; ++y)
    for (int x = 50; x < 250; ++x) photo.SetPixel(x, y, RGB(0, 128, 0));
  ASSERT_EQ(CGraphique::SauveImageBMP(d.File("photo.bmp"), photo), 1);

  ASSERT_EQ(Talvik(d, "background " + d.File("fond.bmp") + " 640x480 --picture " +
                          d.File("photo.bmp") + " --pattern 5 --key 0xFF00FF"),
            0);
  HBITMAP fond = CGraphique::ChargeImage(d.File("fond.bmp"), 0);
  ASSERT_TRUE(fond);
  EXPECT_EQ(fond.Width(), 640);
  EXPECT_EQ(fond.GetPixel(170 + 100, 140 + 100), RGB(0, 128, 0));
  EXPECT_NE(fond.GetPixel(170 + 10, 140 + 10), RGB(255, 0, 255));  // the key let the pattern through

  ASSERT_EQ(Talvik(d, "border " + d.File("fond.bmp") + " " + d.File("cadre.bmp") +
                          " --thickness 10 --color 0x0000FF --line 0xFFFFFF"),
            0);
  HBITMAP cadre = CGraphique::ChargeImage(d.File("cadre.bmp"), 0);
  ASSERT_TRUE(cadre);
  EXPECT_EQ(cadre.Width(), 662);
  EXPECT_EQ(cadre.Height(), 502);
  EXPECT_EQ(cadre.GetPixel(0, 100), RGB(255, 255, 255));
  EXPECT_EQ(cadre.GetPixel(5, 100), RGB(255, 0, 0));

  ASSERT_EQ(Talvik(d, "text " + d.File("cadre.bmp") + " " + d.File("texte.bmp") +
                          " --text 'Bonne annee' --font Arial --height -30 --auto 1 1 20 20 "
                          "--ink 0x000000 --back 0x00FFFF --opaque"),
            0);
  HBITMAP texte = CGraphique::ChargeImage(d.File("texte.bmp"), 0);
  ASSERT_TRUE(texte);
  // The opaque cell ends 20 pixels from the right and bottom edges.
  EXPECT_EQ(texte.GetPixel(662 - 21, 502 - 21), RGB(255, 255, 0));
  EXPECT_NE(texte.GetPixel(662 - 20, 502 - 21), RGB(255, 255, 0));
  EXPECT_NE(texte.GetPixel(662 - 21, 502 - 20), RGB(255, 255, 0));
}

// The tool uses the user patterns of the settings store and never writes
// the store: a maker open beside it keeps its own list.
TEST(PatternCli, BorderWithAUserPatternLeavesTheSettingsFileAlone) {
  TempDir d;
  const std::string store = d.File("registry.reg");
  std::vector<std::string> motifs;
  for (int i = 0; i < 6; ++i) {
    motifs.push_back(d.File("motif" + std::to_string(i) + ".bmp"));
    ASSERT_EQ(CGraphique::SauveImageBMP(motifs.back(), Bitmap::Create(8, 8, RGB(0, 0, 40 * i))), 1);
  }
  ::setenv("LUMAVEIL_REGISTRY", store.c_str(), 1);
  ASSERT_EQ(SauveMotifsUtilisateur(motifs), 1);
  ::unsetenv("LUMAVEIL_REGISTRY");
  ASSERT_TRUE(EmpreinteFichier::Vieillit(store));
  const EmpreinteFichier avant = EmpreinteFichier::De(store);
  ASSERT_TRUE(avant.existe);

  ASSERT_EQ(CGraphique::SauveImageBMP(d.File("p.bmp"), Bitmap::Create(20, 20, RGB(9, 9, 9))), 1);
  ASSERT_EQ(Talvik(d, "border " + d.File("p.bmp") + " " + d.File("o.bmp") +
                          " --thickness 4 --pattern 55"),
            0);
  HBITMAP cadre = CGraphique::ChargeImage(d.File("o.bmp"), 0);
  ASSERT_TRUE(cadre);
  EXPECT_EQ(cadre.GetPixel(0, 0), RGB(0, 0, 200));  // user pattern 55 is the sixth file
  EXPECT_TRUE(EmpreinteFichier::De(store) == avant);

  ASSERT_EQ(Talvik(d, "patterns"), 0);
  EXPECT_TRUE(EmpreinteFichier::De(store) == avant);
}

TEST(PatternCli, WrongArgumentsFail) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImageBMP(d.File("p.bmp"), Bitmap::Create(10, 10, 0)), 1);
  EXPECT_EQ(Talvik(d, "border " + d.File("p.bmp") + " " + d.File("o.bmp") + " --thickness 5"), 1);
  EXPECT_EQ(Talvik(d, "border " + d.File("p.bmp") + " " + d.File("o.bmp") +
                          " --thickness 5 --pattern 77"),
            1);
  EXPECT_EQ(Talvik(d, "background " + d.File("o.bmp") + " 0x10 --color 0"), 1);
  EXPECT_EQ(Talvik(d, "text " + d.File("p.bmp") + " " + d.File("o.bmp") + " --text x --ink 0"), 1);
  EXPECT_EQ(Talvik(d, "text " + d.File("p.bmp") + " " + d.File("o.bmp") +
                          " --text x --at 1 2 --auto 0 0 1 1 --ink 0"),
            1);
  EXPECT_EQ(Talvik(d, "text " + d.File("p.bmp") + " " + d.File("o.bmp") + " --text x --at 1 2 --ink 0"),
            0);
}

}  // namespace
}  // namespace talvik
