// WebP files: still pictures lossy and lossless, alpha, the first frame of
// an animation, and the refusal of a canvas too large to hold.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "fichiers_images_essai.h"
#include "graphique.h"
#include "images_comparees.h"
#include "outils_externes.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::COLORREF;
using talvik::RGB;
using lumaveil::testing::Cite;
using lumaveil::testing::EcartMoyen;
using lumaveil::testing::kCoins;
using lumaveil::testing::Lance;
using lumaveil::testing::TempDir;

namespace {


class WebP : public ::testing::Test {
 protected:
  std::string Png(const std::string& nom, const Bitmap& b) {
    const std::string c = d_.File(nom);
    return CGraphique::SauveImagePNG(c, b) ? c : "";
  }
  TempDir d_;
};

}  // namespace

TEST_F(WebP, LossyAndLosslessDecodeToThePictureCoded) {
  const Bitmap p = lumaveil::testing::Quadrants(90, 60, kCoins);
  const std::string png = Png("q.png", p);
  ASSERT_TRUE(Lance("cwebp -quiet -q 95 " + Cite(png) + " -o " + Cite(d_.File("lossy.webp"))));
  ASSERT_TRUE(Lance("cwebp -quiet -lossless " + Cite(png) + " -o " + Cite(d_.File("exact.webp"))));
  const Bitmap lossy = CGraphique::ChargeImage(d_.File("lossy.webp"), 0);
  const Bitmap exact = CGraphique::ChargeImage(d_.File("exact.webp"), 0);
  ASSERT_TRUE(lossy);
  ASSERT_TRUE(exact);
  EXPECT_LT(EcartMoyen(lossy, p), 5.0);  // colour sampled at half resolution
  EXPECT_TRUE(lumaveil::testing::MemesPixels(exact, p));
}

TEST_F(WebP, AlphaIsDrawnOverBlack) {
  // lumaveil::testing::EcritPng: alpha 0 on the left half, full on the right half.
  lumaveil::testing::EcritPng(d_.File("a.png"), 16, 4, 6 /* RGBA */, 8);
  ASSERT_TRUE(Lance("cwebp -quiet -exact -lossless " + Cite(d_.File("a.png")) + " -o " +
                    Cite(d_.File("a.webp"))));
  const Bitmap lu = CGraphique::ChargeImage(d_.File("a.webp"), 0);
  const Bitmap png = CGraphique::ChargeImagePNG(d_.File("a.png"));  // alpha ignored
  ASSERT_TRUE(lu);
  ASSERT_TRUE(png);
  EXPECT_EQ(lu.GetPixel(2, 1), RGB(0, 0, 0));
  EXPECT_EQ(lu.GetPixel(13, 2), png.GetPixel(13, 2));
  EXPECT_EQ(lu.Row(2)[13] >> 24, 0u);
}

TEST_F(WebP, AnimationGivesItsFirstFrame) {
  const std::string rouge = Png("r.png", Bitmap::Create(40, 30, RGB(220, 20, 20)));
  const std::string bleu = Png("b.png", Bitmap::Create(40, 30, RGB(20, 20, 220)));
  ASSERT_TRUE(Lance("img2webp -lossless " + Cite(rouge) + " -d 100 " + Cite(bleu) + " -o " +
                    Cite(d_.File("anim.webp"))));
  const Bitmap lu = CGraphique::ChargeImage(d_.File("anim.webp"), 0);
  ASSERT_TRUE(lu);
  EXPECT_EQ(lu.Width(), 40);
  EXPECT_EQ(lu.Height(), 30);
  EXPECT_EQ(lu.GetPixel(20, 15), RGB(220, 20, 20));
}

TEST_F(WebP, CanvasBeyondTheLimitIsRefusedAndDamagedFilesGiveNull) {
  const std::string png = Png("q.png", lumaveil::testing::Quadrants(40, 30, kCoins));
  const std::string noir = Png("n.png", Bitmap::Create(40, 30));
  ASSERT_TRUE(Lance("img2webp -lossless " + Cite(png) + " -d 100 " + Cite(noir) + " -o " +
                    Cite(d_.File("anim.webp"))));
  std::vector<std::uint8_t> o = lumaveil::testing::Lit(d_.File("anim.webp"));
  ASSERT_GT(o.size(), 30u);
  ASSERT_EQ(std::string(o.begin() + 12, o.begin() + 16), "VP8X");
  // Canvas 20000 x 20000 (stored minus one, 24 bits little-endian).
  for (std::size_t at : {std::size_t(24), std::size_t(27)}) {
    o[at] = 0x1F;
    o[at + 1] = 0x4E;
    o[at + 2] = 0;
  }
  lumaveil::testing::Ecrit(d_.File("bombe.webp"), o);
  lumaveil::testing::Messages m;
  EXPECT_FALSE(CGraphique::ChargeImage(d_.File("bombe.webp"), 1));
  EXPECT_NE(std::string(Bitmap::LastCreateError()), "");
  ASSERT_EQ(m.recus.size(), 1u);
  EXPECT_EQ(m.recus[0].texte, "Unable to load file");

  ASSERT_TRUE(Lance("cwebp -quiet -q 80 " + Cite(png) + " -o " + Cite(d_.File("bon.webp"))));
  const std::vector<std::uint8_t> bon = lumaveil::testing::Lit(d_.File("bon.webp"));
  for (std::size_t n : {std::size_t(0), std::size_t(12), std::size_t(30), bon.size() / 2}) {
    lumaveil::testing::Ecrit(d_.File("coupe.webp"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + long(n)));
    EXPECT_FALSE(CGraphique::ChargeImage(d_.File("coupe.webp"), 0)) << n;
  }
}

// Loads the 4096 x 4096 canvas below with 160 MiB of address space more
// than the process has: 0 when it loads whole, with its first frame.
static int ChargeSousLimite(const std::string& chemin) {
  std::ifstream etat("/proc/self/statm");
  long pages = 0;
  etat >> pages;
  struct rlimit r {};
  r.rlim_cur = r.rlim_max = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(160) << 20);
  if (setrlimit(RLIMIT_AS, &r) != 0) return 3;
  const Bitmap lu = CGraphique::ChargeImage(chemin, 0);
  return lu && lu.Width() == 4096 && lu.Height() == 4096 && lu.GetPixel(60, 60) == RGB(220, 20, 20) &&
                 lu.GetPixel(2000, 3000) == RGB(0, 0, 0)
             ? 0
             : 1;
}

// A small frame on a large canvas costs one canvas, not three: a 4096 x
// 4096 canvas (64 MiB) loads under an address-space limit of 160 MiB more
// than the process has, which three canvases (192 MiB) would exceed.
TEST_F(WebP, ASmallFrameOnALargeCanvasCostsOneCanvas) {
  const std::string rouge = Png("r.png", Bitmap::Create(128, 128, RGB(220, 20, 20)));
  const std::string bleu = Png("b.png", Bitmap::Create(128, 128, RGB(20, 20, 220)));
  ASSERT_TRUE(Lance("img2webp -lossless " + Cite(rouge) + " -d 100 " + Cite(bleu) + " -o " +
                    Cite(d_.File("anim.webp"))));
  std::vector<std::uint8_t> o = lumaveil::testing::Lit(d_.File("anim.webp"));
  ASSERT_GT(o.size(), 30u);
  ASSERT_EQ(std::string(o.begin() + 12, o.begin() + 16), "VP8X");
  for (std::size_t at : {std::size_t(24), std::size_t(27)}) {  // 4096 - 1, 24 bits
    o[at] = 0xFF;
    o[at + 1] = 0x0F;
    o[at + 2] = 0;
  }
  lumaveil::testing::Ecrit(d_.File("toile.webp"), o);
  const std::string chemin = d_.File("toile.webp");
  EXPECT_EXIT(std::_Exit(ChargeSousLimite(chemin)), ::testing::ExitedWithCode(0), "");
}
