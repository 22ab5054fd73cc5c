// The GIF entries of CGraphique: save then load, and the transparency
// out-parameters.
#include <gtest/gtest.h>

#include <fstream>

#include "codec/gif_palette.h"
#include "graphique.h"
#include "palette_essai.h"
#include "dossier_temporaire.h"

using talvik::CGraphique;
using talvik::HBITMAP;

TEST(GifFiles, SaveThenLoadGivesTheHalftoneColours) {
  lumaveil::testing::TempDir dir;
  const std::string path = dir.File("p.gif");
  HBITMAP pic = HBITMAP::Create(37, 23);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x)
      pic.SetPixel(x, y, talvik::RGB(std::uint8_t(x * 7), std::uint8_t(y * 11), 200));
  ASSERT_EQ(CGraphique::SauveImageGIF(path, pic, 0, 0), 1);
  int flag = 7;
  talvik::COLORREF colour = 0x123456;
  HBITMAP back = CGraphique::ChargeImageGIF(path, &flag, &colour);
  ASSERT_TRUE(back);
  EXPECT_EQ(flag, 0);
  ASSERT_EQ(back.Width(), 37);
  ASSERT_EQ(back.Height(), 23);
  const auto pal = talvik::GifPalette::Halftone();
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) {
      ASSERT_EQ(back.GetPixel(x, y),
                lumaveil::testing::CouleurLaPlusProche(pal, pic.GetPixel(x, y)));
    }
}

TEST(GifFiles, TransparentColourComesBackAsItsPaletteEntry) {
  lumaveil::testing::TempDir dir;
  const std::string path = dir.File("t.gif");
  HBITMAP pic = HBITMAP::Create(4, 4, talvik::RGB(255, 0, 255));
  ASSERT_EQ(CGraphique::SauveImageGIF(path, pic, 1, talvik::RGB(250, 3, 252)), 1);
  int flag = 0;
  talvik::COLORREF colour = 0;
  ASSERT_TRUE(CGraphique::ChargeImageGIF(path, &flag, &colour));
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(colour, talvik::RGB(255, 0, 255));
}

TEST(GifFiles, FailedLoadLeavesOutParametersAlone) {
  lumaveil::testing::TempDir dir;
  const std::string path = dir.File("bad.gif");
  std::ofstream(path) << "GIF89a but not really";
  int flag = 7;
  talvik::COLORREF colour = 0x123456;
  EXPECT_FALSE(CGraphique::ChargeImageGIF(path, &flag, &colour));
  EXPECT_FALSE(CGraphique::ChargeImageGIF(dir.File("missing.gif"), &flag, &colour));
  EXPECT_EQ(flag, 7);
  EXPECT_EQ(colour, 0x123456u);
}

TEST(GifFiles, NullPictureOrUnwritablePathGivesZero) {
  lumaveil::testing::TempDir dir;
  EXPECT_EQ(CGraphique::SauveImageGIF(dir.File("n.gif"), HBITMAP(), 0, 0), 0);
  EXPECT_EQ(CGraphique::SauveImageGIF(dir.File("no/such/dir.gif"), HBITMAP::Create(2, 2), 0, 0), 0);
}
