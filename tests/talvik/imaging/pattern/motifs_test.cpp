// The pattern bank: built-in patterns, user patterns and their persistence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "base/message.h"
#include "graphique.h"
#include "motifs_utilisateur.h"
#include "pattern/motifs_integres.h"
#include "registre.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

// Sizes of the 50 built-in patterns, as designed.
const int kTailles[50][2] = {
    {96, 96},   {128, 128}, {50, 50},   {100, 100}, {424, 63},  {256, 256}, {336, 189},
    {275, 248}, {128, 128}, {100, 100}, {256, 256}, {256, 256}, {100, 100}, {150, 150},
    {240, 240}, {250, 250}, {256, 256}, {96, 96},   {64, 64},   {256, 256}, {180, 133},
    {200, 200}, {300, 300}, {160, 160}, {288, 288}, {256, 256}, {256, 128}, {200, 200},
    {256, 256}, {64, 64},   {288, 288}, {64, 64},   {250, 250}, {255, 255}, {255, 255},
    {288, 288}, {150, 150}, {250, 250}, {100, 100}, {256, 256}, {256, 256}, {200, 200},
    {200, 201}, {135, 135}, {128, 128}, {150, 180}, {150, 91},  {256, 256}, {256, 256},
    {128, 128}};

// A private settings store for the objects made in a test.
class Banque : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("LUMAVEIL_REGISTRY", dir_.File("registry.reg").c_str(), 1);
    ancien_ = InstalleMessageHook([this](const std::string& t, const std::string&, IconeMessage) {
      messages_.push_back(t);
      return 1;
    });
  }
  void TearDown() override {
    InstalleMessageHook(ancien_);
    ::unsetenv("LUMAVEIL_REGISTRY");
  }
  // A w x h BMP file of one colour.
  std::string Image(const std::string& nom, int w, int h, COLORREF c) {
    std::string chemin = dir_.File(nom);
    EXPECT_EQ(CGraphique::SauveImageBMP(chemin, Bitmap::Create(w, h, c)), 1);
    return chemin;
  }
  lumaveil::testing::TempDir dir_;
  MessageHook ancien_;
  std::vector<std::string> messages_;
};

TEST(MotifsIntegres, EveryPatternHasItsDesignedSizeAndIsTheSameOnEveryRun) {
  for (int n = 0; n < kNombreMotifsIntegres; ++n) {
    HBITMAP a = GenereMotifIntegre(n);
    HBITMAP b = GenereMotifIntegre(n);
    ASSERT_TRUE(a) << n;
    EXPECT_EQ(a.Width(), kTailles[n][0]) << n;
    EXPECT_EQ(a.Height(), kTailles[n][1]) << n;
    EXPECT_EQ(TailleMotifIntegre(n), CSize(kTailles[n][0], kTailles[n][1])) << n;
    EXPECT_TRUE(std::equal(a.Pixels(), a.Pixels() + a.PixelCount(), b.Pixels())) << n;
    EXPECT_STRNE(NomMotifIntegre(n), "");
  }
  EXPECT_FALSE(GenereMotifIntegre(-1));
  EXPECT_FALSE(GenereMotifIntegre(50));
}

TEST(MotifsIntegres, PatternsAreNotFlatAndAllDiffer) {
  std::set<std::uint64_t> empreintes;
  for (int n = 0; n < kNombreMotifsIntegres; ++n) {
    HBITMAP m = GenereMotifIntegre(n);
    std::set<std::uint32_t> couleurs(m.Pixels(), m.Pixels() + m.PixelCount());
    EXPECT_GE(couleurs.size(), 2u) << n;
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < m.PixelCount(); ++i) h = (h ^ m.Pixels()[i]) * 1099511628211ull;
    empreintes.insert(h);
  }
  EXPECT_EQ(empreintes.size(), 50u);
}

int Ecart(std::uint32_t a, std::uint32_t b) {
  int s = 0;
  for (int d = 0; d <= 16; d += 8) s += std::abs(int((a >> d) & 255) - int((b >> d) & 255));
  return s;
}

// Tiled, a pattern shows no seam: the step from the last column to the
// first (and from the last row to the first) is no larger than the largest
// step between two neighbouring columns (rows) inside the pattern.
TEST(MotifsIntegres, PatternsTileWithoutASeam) {
  for (int n = 0; n < kNombreMotifsIntegres; ++n) {
    HBITMAP m = GenereMotifIntegre(n);
    const int w = m.Width(), h = m.Height();
    auto colonnes = [&](int a, int b) {
      double s = 0;
      for (int y = 0; y < h; ++y) s += Ecart(m.Row(y)[a], m.Row(y)[b]);
      return s / h;
    };
    auto lignes = [&](int a, int b) {
      double s = 0;
      for (int x = 0; x < w; ++x) s += Ecart(m.Row(a)[x], m.Row(b)[x]);
      return s / w;
    };
    double maxX = 0, maxY = 0;
    for (int x = 0; x + 1 < w; ++x) maxX = std::max(maxX, colonnes(x, x + 1));
    for (int y = 0; y + 1 < h; ++y) maxY = std::max(maxY, lignes(y, y + 1));
    EXPECT_LE(colonnes(w - 1, 0), 1.05 * maxX + 4.0) << "pattern " << n;
    EXPECT_LE(lignes(h - 1, 0), 1.05 * maxY + 4.0) << "pattern " << n;
  }
}

TEST_F(Banque, ConstructorFillsTheBuiltInSlotsWithThumbnails) {
  CGraphique g;
  for (int n = 0; n < 50; ++n) {
    ASSERT_TRUE(g.Motif(n)) << n;
    EXPECT_EQ(g.Motif(n).Width(), kTailles[n][0]);
    EXPECT_EQ(g.Motif(n).Height(), kTailles[n][1]);
    ASSERT_TRUE(g.VignetteMotif(n)) << n;
    EXPECT_EQ(g.VignetteMotif(n).Width(), 40);
    EXPECT_EQ(g.VignetteMotif(n).Height(), 40);
  }
  EXPECT_FALSE(g.Motif(50));
  EXPECT_FALSE(g.Motif(100));
  EXPECT_EQ(g.NombreMotifsUtilisateur(), 0);
  // The thumbnail samples the pattern: its corner is the pattern's corner.
  EXPECT_EQ(g.VignetteMotif(0).GetPixel(0, 0), g.Motif(0).GetPixel(1, 1));
}

TEST_F(Banque, TheFiftyFirstUserPatternIsRefused) {
  CGraphique g;
  std::string chemin = Image("p.bmp", 8, 6, RGB(1, 2, 3));
  for (int i = 0; i < 50; ++i) ASSERT_EQ(g.AjoutImageFondUtilisateur(chemin), 1) << i;
  EXPECT_EQ(g.NombreMotifsUtilisateur(), 50);
  EXPECT_EQ(g.AjoutImageFondUtilisateur(chemin), 0);
  EXPECT_EQ(g.NombreMotifsUtilisateur(), 50);
  EXPECT_TRUE(g.Motif(99));
  EXPECT_EQ(g.Motif(99).Width(), 8);
  EXPECT_EQ(g.VignetteMotif(99).Width(), 40);
}

TEST_F(Banque, AFileThatDoesNotLoadIsNotAdded) {
  CGraphique g;
  EXPECT_EQ(g.AjoutImageFondUtilisateur(dir_.File("absent.bmp")), 0);
  EXPECT_EQ(g.NombreMotifsUtilisateur(), 0);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Unable to load file");
}

TEST_F(Banque, RemovingMovesTheLaterPatternsDown) {
  CGraphique g;
  std::string a = Image("a.bmp", 10, 10, RGB(255, 0, 0));
  std::string b = Image("b.bmp", 11, 11, RGB(0, 255, 0));
  std::string c = Image("c.bmp", 12, 12, RGB(0, 0, 255));
  ASSERT_EQ(g.AjoutImageFondUtilisateur(a), 1);
  ASSERT_EQ(g.AjoutImageFondUtilisateur(b), 1);
  ASSERT_EQ(g.AjoutImageFondUtilisateur(c), 1);
  EXPECT_EQ(g.EffaceImageFondUtilisateur(10), 0);
  EXPECT_EQ(g.EffaceImageFondUtilisateur(53), 0);
  EXPECT_EQ(g.EffaceImageFondUtilisateur(49), 0);
  EXPECT_EQ(g.EffaceImageFondUtilisateur(50), 1);
  EXPECT_EQ(g.NombreMotifsUtilisateur(), 2);
  EXPECT_EQ(g.Motif(50).Width(), 11);
  EXPECT_EQ(g.Motif(51).Width(), 12);
  EXPECT_EQ(g.VignetteMotif(50).GetPixel(0, 0), RGB(0, 255, 0));
  EXPECT_FALSE(g.Motif(52));
  EXPECT_FALSE(g.VignetteMotif(52));
  ASSERT_EQ(g.CheminsMotifsUtilisateur().size(), 2u);
  EXPECT_EQ(g.CheminsMotifsUtilisateur()[0], b);
  EXPECT_EQ(g.CheminsMotifsUtilisateur()[1], c);
  EXPECT_TRUE(g.Motif(0));  // built-in patterns stay
}

// The bank as the maker holds it: the list read at start, each change
// stored at once.
std::unique_ptr<CGraphique> BanqueDuMaker() {
  auto g = std::make_unique<CGraphique>(LitMotifsUtilisateur());
  g->FixeSauvegardeMotifs(&SauveMotifsUtilisateur);
  return g;
}

TEST_F(Banque, UserPatternsPersistAcrossTwoRuns) {
  std::string a = Image("a.bmp", 10, 10, RGB(255, 0, 0));
  std::string b = Image("b b.bmp", 11, 7, RGB(0, 255, 0));
  {
    auto premier = BanqueDuMaker();
    ASSERT_EQ(premier->AjoutImageFondUtilisateur(a), 1);
    ASSERT_EQ(premier->AjoutImageFondUtilisateur(b), 1);
  }
  {
    CBaseRegistre r;
    ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
    int n = 0;
    std::string p1, p2;
    EXPECT_EQ(r.Lecture("UserNumberImage", n), 1);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(r.Lecture("UserImage1", p1), 1);
    EXPECT_EQ(r.Lecture("UserImage2", p2), 1);
    EXPECT_EQ(p1, a);
    EXPECT_EQ(p2, b);
    r.Ferme();
  }
  CGraphique second(LitMotifsUtilisateur());
  EXPECT_EQ(second.NombreMotifsUtilisateur(), 2);
  EXPECT_EQ(second.Motif(51).Width(), 11);
  EXPECT_EQ(second.Motif(51).Height(), 7);
  // Removing a pattern is stored at once too.
  auto troisieme = BanqueDuMaker();
  ASSERT_EQ(troisieme->EffaceImageFondUtilisateur(50), 1);
  EXPECT_EQ(LitMotifsUtilisateur(), std::vector<std::string>{b});
}

// A bank whose owner installs no store (the command-line tools) changes
// nothing on disk, whatever is added or removed, and reading the list
// creates no file.
TEST_F(Banque, ABankWithoutAStoreWritesNothing) {
  std::string a = Image("a.bmp", 10, 10, RGB(255, 0, 0));
  const std::string fichier = dir_.File("registry.reg");
  EXPECT_TRUE(LitMotifsUtilisateur().empty());
  {
    CGraphique g(LitMotifsUtilisateur());
    ASSERT_EQ(g.AjoutImageFondUtilisateur(a), 1);
    ASSERT_EQ(g.EffaceImageFondUtilisateur(50), 1);
    ASSERT_EQ(g.AjoutImageFondUtilisateur(a), 1);
  }
  EXPECT_FALSE(std::ifstream(fichier).good());
}

TEST_F(Banque, AListedFileThatIsGoneIsSkippedAndTheNumberingClosesUp) {
  std::string a = Image("a.bmp", 10, 10, RGB(255, 0, 0));
  std::string b = Image("b.bmp", 11, 11, RGB(0, 255, 0));
  std::string c = Image("c.bmp", 12, 12, RGB(0, 0, 255));
  {
    auto premier = BanqueDuMaker();
    premier->AjoutImageFondUtilisateur(a);
    premier->AjoutImageFondUtilisateur(b);
    premier->AjoutImageFondUtilisateur(c);
  }
  std::remove(b.c_str());
  {
    CGraphique second(LitMotifsUtilisateur());
    EXPECT_EQ(second.NombreMotifsUtilisateur(), 2);
    EXPECT_EQ(second.Motif(50).Width(), 10);
    EXPECT_EQ(second.Motif(51).Width(), 12);
    EXPECT_EQ(messages_.size(), 1u);
    // The maker writes the list back at exit.
    ASSERT_EQ(SauveMotifsUtilisateur(second.CheminsMotifsUtilisateur()), 1);
  }
  // The store now lists two, and the third entry of the earlier run stays.
  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
  int n = 0;
  std::string p2, p3;
  r.Lecture("UserNumberImage", n);
  r.Lecture("UserImage2", p2);
  EXPECT_EQ(r.Lecture("UserImage3", p3), 1);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(p2, c);
  r.Ferme();
}

TEST_F(Banque, AUserPatternIsReadFromItsFileWhenFirstUsed) {
  // Three listed patterns; after the bank is made the first file changes
  // and the second is damaged. The bank shows what the files hold when a
  // pattern is first asked for, and says nothing about a pattern nobody
  // uses.
  std::string a = Image("a.bmp", 10, 10, RGB(255, 0, 0));
  std::string b = Image("b.bmp", 11, 11, RGB(0, 255, 0));
  std::string c = Image("c.bmp", 12, 12, RGB(0, 0, 255));
  CGraphique g({a, b, c});
  EXPECT_EQ(g.NombreMotifsUtilisateur(), 3);
  Image("a.bmp", 30, 20, RGB(1, 2, 3));
  std::ofstream(b, std::ios::binary | std::ios::trunc) << "BM damaged";
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(g.Motif(50).Width(), 30);
  EXPECT_EQ(g.Motif(50).GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(g.VignetteMotif(50).Width(), 40);
  EXPECT_EQ(g.VignetteMotif(52).GetPixel(20, 20), RGB(0, 0, 255));
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(g.Motif(51));
  EXPECT_FALSE(g.VignetteMotif(51));
  EXPECT_EQ(messages_.size(), 1u);  // said once, not at every use
  // Removing a pattern not yet read moves the later ones down unread.
  CGraphique h({a, b, c});
  ASSERT_EQ(h.EffaceImageFondUtilisateur(50), 1);
  EXPECT_EQ(h.Motif(51).Width(), 12);
  EXPECT_EQ(h.NombreMotifsUtilisateur(), 2);
}

TEST_F(Banque, ADamagedCountDoesNotHangTheStart) {
  {
    CBaseRegistre w;
    ASSERT_EQ(w.OuvreEcriture("Lumaveil", ""), 1);
    w.Ecriture("UserNumberImage", 2147483647);
    w.Ecriture("UserImage1", Image("a.bmp", 5, 5, 0));
    w.Ferme();
  }
  CGraphique g(LitMotifsUtilisateur());
  EXPECT_EQ(g.NombreMotifsUtilisateur(), 1);
}

}  // namespace
}  // namespace talvik
