// The talvik tool's colors and depth commands, and what info and convert
// say and do with GIF files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "graphique.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"

using lumaveil::testing::RunAndCapture;
using talvik::CGraphique;
using talvik::HBITMAP;

namespace {

std::string Talvik(const std::string& arguments) {
  return RunAndCapture(std::string(LUMAVEIL_BIN_DIR) + "/talvik " + arguments +
                       " 2>/dev/null; echo rc=$?");
}

// 6 x 4: white with one red and one blue pixel.
HBITMAP ThreeColours() {
  HBITMAP b = HBITMAP::Create(6, 4, talvik::RGB(255, 255, 255));
  b.SetPixel(1, 1, talvik::RGB(255, 0, 0));
  b.SetPixel(4, 2, talvik::RGB(0, 0, 255));
  return b;
}

}  // namespace

TEST(DepthCommands, ColorsPrintsTheCountOrTheErrorCode) {
  lumaveil::testing::TempDir dir;
  const std::string bmp = dir.File("three.bmp");
  ASSERT_EQ(CGraphique::SauveImageBMP(bmp, ThreeColours()), 1);
  EXPECT_EQ(Talvik("colors " + bmp), "3\nrc=0\n");
  // The same file marked RLE-compressed.
  std::vector<char> b;
  {
    std::ifstream in(bmp, std::ios::binary);
    b.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  b[30] = 1;
  std::ofstream(dir.File("rle.bmp"), std::ios::binary).write(b.data(), std::streamsize(b.size()));
  EXPECT_EQ(Talvik("colors " + dir.File("rle.bmp")), "-1\nrc=1\n");
  EXPECT_EQ(Talvik("colors " + dir.File("missing.bmp")), "0\nrc=1\n");
}

TEST(DepthCommands, DepthRewritesOrRefuses) {
  lumaveil::testing::TempDir dir;
  const std::string bmp = dir.File("three.bmp");
  ASSERT_EQ(CGraphique::SauveImageBMP(bmp, ThreeColours()), 1);
  for (int bits : {4, 8, 16, 32}) {
    const std::string out = dir.File("o" + std::to_string(bits) + ".bmp");
    EXPECT_EQ(Talvik("depth " + bmp + " " + out + " " + std::to_string(bits)), "rc=0\n");
    HBITMAP back = CGraphique::ChargeImageBMP(out);
    ASSERT_TRUE(back) << bits;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x) EXPECT_EQ(back.GetPixel(x, y), ThreeColours().GetPixel(x, y));
  }
  EXPECT_EQ(Talvik("depth " + bmp + " " + dir.File("o1.bmp") + " 1"), "rc=1\n");
  EXPECT_EQ(Talvik("depth " + bmp + " " + dir.File("o3.bmp") + " 3"), "rc=1\n");
}

TEST(DepthCommands, DepthOntoItsOwnInputOrAFailedRunLeavesTheFilesWhole) {
  lumaveil::testing::TempDir dir;
  const std::string bmp = dir.File("three.bmp");
  ASSERT_EQ(CGraphique::SauveImageBMP(bmp, ThreeColours()), 1);
  // Rewritten in place: the photo is converted, not destroyed.
  EXPECT_EQ(Talvik("depth " + bmp + " " + bmp + " 8"), "rc=0\n");
  HBITMAP same = CGraphique::ChargeImageBMP(bmp);
  ASSERT_TRUE(same);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(same.GetPixel(x, y), ThreeColours().GetPixel(x, y));
  // A run that fails (1 bit cannot hold three colours; an input that is not
  // there) leaves an existing output as it was, and no file beside it.
  const std::string out = dir.File("out.bmp");
  std::ofstream(out, std::ios::binary) << "precious";
  EXPECT_EQ(Talvik("depth " + bmp + " " + out + " 1"), "rc=1\n");
  EXPECT_EQ(Talvik("depth " + dir.File("missing.bmp") + " " + out + " 8"), "rc=1\n");
  std::ifstream in(out, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
            "precious");
  int fichiers = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
    (void)e;
    ++fichiers;
  }
  EXPECT_EQ(fichiers, 2);
}

TEST(GifCommands, InfoNamesTheTransparentColour) {
  lumaveil::testing::TempDir dir;
  const std::string gif = dir.File("t.gif");
  ASSERT_EQ(CGraphique::SauveImageGIF(gif, HBITMAP::Create(5, 3, talvik::RGB(255, 0, 255)), 1,
                                      talvik::RGB(255, 0, 255)),
            1);
  EXPECT_EQ(Talvik("info " + gif), "5x3 32 transparent 0x00FF00FF\nrc=0\n");
  ASSERT_EQ(CGraphique::SauveImageGIF(dir.File("o.gif"), HBITMAP::Create(2, 2), 0, 0), 1);
  EXPECT_EQ(Talvik("info " + dir.File("o.gif")), "2x2 32\nrc=0\n");
}

TEST(GifCommands, ConvertWritesAndReadsGif) {
  lumaveil::testing::TempDir dir;
  const std::string bmp = dir.File("in.bmp");
  ASSERT_EQ(CGraphique::SauveImageBMP(bmp, ThreeColours()), 1);
  EXPECT_EQ(Talvik("convert " + bmp + " " + dir.File("a.gif")), "rc=0\n");
  EXPECT_EQ(Talvik("convert " + dir.File("a.gif") + " " + dir.File("b.bmp")), "rc=0\n");
  HBITMAP back = CGraphique::ChargeImageBMP(dir.File("b.bmp"));
  ASSERT_TRUE(back);
  // White, pure red and pure blue are all halftone entries.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(back.GetPixel(x, y), ThreeColours().GetPixel(x, y));
}
