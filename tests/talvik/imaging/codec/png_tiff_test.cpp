// PNG and TIFF files.
#include <gtest/gtest.h>

#include <png.h>
#include <tiffio.h>

#include "fichiers_images.h"
#include "graphique.h"
#include "temp_dir.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::RGB;
using lumaveil::testing::TempDir;

TEST(Png, SaveThenLoadGivesTheSamePixels) {
  TempDir d;
  const Bitmap p = essais::Motif(61, 29);
  ASSERT_EQ(CGraphique::SauveImagePNG(d.File("a.png"), p), 1);
  EXPECT_TRUE(essais::MemesPixels(CGraphique::ChargeImagePNG(d.File("a.png")), p));
  EXPECT_EQ(CGraphique::SauveImagePNG(d.File("a.png"), Bitmap()), 0);
  EXPECT_EQ(CGraphique::SauveImagePNG(d.File("no/dir/a.png"), p), 0);
}

TEST(Png, AlphaWithoutBackgroundIsIgnored) {
  TempDir d;
  essais::EcritPng(d.File("a.png"), 8, 2, PNG_COLOR_TYPE_RGBA, 8);
  Bitmap b = CGraphique::ChargeImagePNG(d.File("a.png"));
  ASSERT_TRUE(b);
  // Pixel (1, 0) has alpha 0 and keeps its colour (16, 64, 128).
  EXPECT_EQ(b.GetPixel(1, 0), RGB(16, 80, 144));
  EXPECT_EQ(b.GetPixel(5, 1), RGB(88, 152, 216));
}

TEST(Png, AlphaWithBackgroundIsCompositedAndRemembered) {
  TempDir d;
  essais::EcritPng(d.File("b.png"), 8, 2, PNG_COLOR_TYPE_RGBA, 8, 200);
  Bitmap b = CGraphique::ChargeImagePNG(d.File("b.png"));
  ASSERT_TRUE(b);
  EXPECT_EQ(b.GetPixel(1, 0), RGB(200, 0, 55));       // transparent: the background
  EXPECT_EQ(b.GetPixel(5, 1), RGB(88, 152, 216));     // opaque: the pixel
  EXPECT_EQ(CGraphique::CouleurFondPNG(), RGB(200, 0, 55));
  // A file without bKGD leaves the remembered colour as it was.
  essais::EcritPng(d.File("c.png"), 4, 4, PNG_COLOR_TYPE_RGB, 8);
  ASSERT_TRUE(CGraphique::ChargeImagePNG(d.File("c.png")));
  EXPECT_EQ(CGraphique::CouleurFondPNG(), RGB(200, 0, 55));
}

TEST(Png, SixteenBitGreyAndGreyAlphaLoadAsEightBitRgb) {
  TempDir d;
  essais::EcritPng(d.File("s.png"), 6, 3, PNG_COLOR_TYPE_RGB, 16);
  Bitmap s = CGraphique::ChargeImagePNG(d.File("s.png"));
  ASSERT_TRUE(s);
  EXPECT_EQ(s.GetPixel(2, 1), RGB(40, 104, 168));  // high bytes kept
  essais::EcritPng(d.File("g.png"), 6, 3, PNG_COLOR_TYPE_GRAY, 8);
  Bitmap g = CGraphique::ChargeImagePNG(d.File("g.png"));
  ASSERT_TRUE(g);
  EXPECT_EQ(g.GetPixel(3, 2), RGB(64, 64, 64));
  essais::EcritPng(d.File("ga.png"), 6, 3, PNG_COLOR_TYPE_GRAY_ALPHA, 16);
  Bitmap ga = CGraphique::ChargeImagePNG(d.File("ga.png"));
  ASSERT_TRUE(ga);
  EXPECT_EQ(ga.GetPixel(0, 1), RGB(8, 8, 8));
}

TEST(Png, DamagedFilesGiveNull) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImagePNG(d.File("a.png"), essais::Motif(100, 80)), 1);
  const auto bon = essais::Lit(d.File("a.png"));
  essais::Ecrit(d.File("t.png"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + bon.size() / 2));
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("t.png")));
  essais::Ecrit(d.File("h.png"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + 20));
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("h.png")));
  auto o = bon;
  o[1] = 'X';
  essais::Ecrit(d.File("s.png"), o);
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("s.png")));
  o = bon;
  for (std::size_t i = 60; i < o.size() - 20; i += 7) o[i] ^= 0x55;
  essais::Ecrit(d.File("c.png"), o);
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("c.png")));  // CRC errors are fatal
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("missing.png")));
}

TEST(Png, PictureAboveTheLimitIsRefusedWithAReason) {
  TempDir d;
  essais::EcritEntetePng(d.File("g.png"), 20000, 20000);
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("g.png")));
  EXPECT_NE(std::string(Bitmap::LastCreateError()).find("too large"), std::string::npos);
  essais::EcritEntetePng(d.File("s.png"), 20, 20);  // same file, small: fails for lack of data
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("s.png")));
}

TEST(Tiff, RoundTripIsUncompressedRgbOneRowPerStrip) {
  TempDir d;
  const Bitmap p = essais::Motif(45, 31);
  ASSERT_EQ(CGraphique::SauveImageTIFF(d.File("a.tif"), p), 1);
  EXPECT_TRUE(essais::MemesPixels(CGraphique::ChargeImageTIFF(d.File("a.tif")), p));
  TIFF* t = TIFFOpen(d.File("a.tif").c_str(), "r");
  ASSERT_TRUE(t);
  std::uint16_t compression = 0, spp = 0, bps = 0, photo = 0;
  std::uint32_t rps = 0;
  TIFFGetField(t, TIFFTAG_COMPRESSION, &compression);
  TIFFGetField(t, TIFFTAG_SAMPLESPERPIXEL, &spp);
  TIFFGetField(t, TIFFTAG_BITSPERSAMPLE, &bps);
  TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &photo);
  TIFFGetField(t, TIFFTAG_ROWSPERSTRIP, &rps);
  EXPECT_EQ(compression, COMPRESSION_NONE);
  EXPECT_EQ(spp, 3);
  EXPECT_EQ(bps, 8);
  EXPECT_EQ(photo, PHOTOMETRIC_RGB);
  EXPECT_EQ(rps, 1u);
  // The file's first row is the picture's top row.
  std::vector<std::uint8_t> ligne(45 * 3);
  ASSERT_EQ(TIFFReadScanline(t, ligne.data(), 0, 0), 1);
  EXPECT_EQ(ligne[0], talvik::GetRValue(p.GetPixel(0, 0)));
  EXPECT_EQ(ligne[5], talvik::GetBValue(p.GetPixel(1, 0)));
  TIFFClose(t);
}

TEST(Tiff, PaletteAndCompressedStripsLoad) {
  TempDir d;
  TIFF* t = TIFFOpen(d.File("p.tif").c_str(), "w");
  ASSERT_TRUE(t);
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, 4u);
  TIFFSetField(t, TIFFTAG_IMAGELENGTH, 5u);
  TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
  TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
  TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 2u);
  std::vector<std::uint16_t> r(256, 0), g(256, 0), b(256, 0);
  r[1] = 65535;
  b[2] = 65535;
  g[3] = 32896;  // 128 x 257
  TIFFSetField(t, TIFFTAG_COLORMAP, r.data(), g.data(), b.data());
  for (std::uint32_t y = 0; y < 5; ++y) {
    std::uint8_t ligne[4] = {1, 2, 3, std::uint8_t(y % 4)};
    TIFFWriteScanline(t, ligne, y, 0);
  }
  TIFFClose(t);
  Bitmap p = CGraphique::ChargeImageTIFF(d.File("p.tif"));
  ASSERT_TRUE(p);
  EXPECT_EQ(p.GetPixel(0, 4), RGB(255, 0, 0));
  EXPECT_EQ(p.GetPixel(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(p.GetPixel(2, 3), RGB(0, 128, 0));
  EXPECT_EQ(p.GetPixel(3, 4), RGB(0, 0, 0));
}

TEST(Tiff, DamagedFilesGiveNull) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImageTIFF(d.File("a.tif"), essais::Motif(64, 64)), 1);
  const auto bon = essais::Lit(d.File("a.tif"));
  essais::Ecrit(d.File("t.tif"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + bon.size() / 2));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("t.tif")));
  essais::Ecrit(d.File("h.tif"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + 6));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("h.tif")));
  essais::Ecrit(d.File("z.tif"), std::vector<std::uint8_t>(300, 0x49));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("z.tif")));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("missing.tif")));
  EXPECT_EQ(CGraphique::SauveImageTIFF(d.File("no/dir/a.tif"), essais::Motif(2, 2)), 0);
}
