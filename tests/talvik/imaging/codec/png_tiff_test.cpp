// PNG and TIFF files.
#include <gtest/gtest.h>

#include <png.h>
#include <tiffio.h>

#include "fichiers_images_essai.h"
#include "graphique.h"
#include "pic_memoire.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::RGB;
using lumaveil::testing::TempDir;

TEST(Png, SaveThenLoadGivesTheSamePixels) {
  TempDir d;
  const Bitmap p = lumaveil::testing::Motif(61, 29);
  ASSERT_EQ(CGraphique::SauveImagePNG(d.File("a.png"), p), 1);
  EXPECT_TRUE(lumaveil::testing::MemesPixels(CGraphique::ChargeImagePNG(d.File("a.png")), p));
  EXPECT_EQ(CGraphique::SauveImagePNG(d.File("a.png"), Bitmap()), 0);
  EXPECT_EQ(CGraphique::SauveImagePNG(d.File("no/dir/a.png"), p), 0);
}

TEST(Png, AlphaWithoutBackgroundIsIgnored) {
  TempDir d;
  lumaveil::testing::EcritPng(d.File("a.png"), 8, 2, PNG_COLOR_TYPE_RGBA, 8);
  Bitmap b = CGraphique::ChargeImagePNG(d.File("a.png"));
  ASSERT_TRUE(b);
  // Pixel (1, 0) has alpha 0 and keeps its colour (16, 64, 128).
  EXPECT_EQ(b.GetPixel(1, 0), RGB(16, 80, 144));
  EXPECT_EQ(b.GetPixel(5, 1), RGB(88, 152, 216));
}

TEST(Png, AlphaWithBackgroundIsCompositedAndRemembered) {
  TempDir d;
  lumaveil::testing::EcritPng(d.File("b.png"), 8, 2, PNG_COLOR_TYPE_RGBA, 8, 200);
  Bitmap b = CGraphique::ChargeImagePNG(d.File("b.png"));
  ASSERT_TRUE(b);
  EXPECT_EQ(b.GetPixel(1, 0), RGB(200, 0, 55));       // transparent: the background
  EXPECT_EQ(b.GetPixel(5, 1), RGB(88, 152, 216));     // opaque: the pixel
  EXPECT_EQ(CGraphique::CouleurFondPNG(), RGB(200, 0, 55));
  // A file without bKGD leaves the remembered colour as it was.
  lumaveil::testing::EcritPng(d.File("c.png"), 4, 4, PNG_COLOR_TYPE_RGB, 8);
  ASSERT_TRUE(CGraphique::ChargeImagePNG(d.File("c.png")));
  EXPECT_EQ(CGraphique::CouleurFondPNG(), RGB(200, 0, 55));
}

TEST(Png, SixteenBitGreyAndGreyAlphaLoadAsEightBitRgb) {
  TempDir d;
  lumaveil::testing::EcritPng(d.File("s.png"), 6, 3, PNG_COLOR_TYPE_RGB, 16);
  Bitmap s = CGraphique::ChargeImagePNG(d.File("s.png"));
  ASSERT_TRUE(s);
  EXPECT_EQ(s.GetPixel(2, 1), RGB(40, 104, 168));  // high bytes kept
  lumaveil::testing::EcritPng(d.File("g.png"), 6, 3, PNG_COLOR_TYPE_GRAY, 8);
  Bitmap g = CGraphique::ChargeImagePNG(d.File("g.png"));
  ASSERT_TRUE(g);
  EXPECT_EQ(g.GetPixel(3, 2), RGB(64, 64, 64));
  lumaveil::testing::EcritPng(d.File("ga.png"), 6, 3, PNG_COLOR_TYPE_GRAY_ALPHA, 16);
  Bitmap ga = CGraphique::ChargeImagePNG(d.File("ga.png"));
  ASSERT_TRUE(ga);
  EXPECT_EQ(ga.GetPixel(0, 1), RGB(8, 8, 8));
}

TEST(Png, DamagedFilesGiveNull) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImagePNG(d.File("a.png"), lumaveil::testing::Motif(100, 80)), 1);
  const auto bon = lumaveil::testing::Lit(d.File("a.png"));
  lumaveil::testing::Ecrit(d.File("t.png"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + bon.size() / 2));
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("t.png")));
  lumaveil::testing::Ecrit(d.File("h.png"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + 20));
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("h.png")));
  auto o = bon;
  o[1] = 'X';
  lumaveil::testing::Ecrit(d.File("s.png"), o);
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("s.png")));
  o = bon;
  for (std::size_t i = 60; i < o.size() - 20; i += 7) o[i] ^= 0x55;
  lumaveil::testing::Ecrit(d.File("c.png"), o);
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("c.png")));  // CRC errors are fatal
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("missing.png")));
}

TEST(Png, PictureAboveTheLimitIsRefusedWithAReason) {
  TempDir d;
  lumaveil::testing::EcritEntetePng(d.File("g.png"), 20000, 20000);
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("g.png")));
  EXPECT_NE(std::string(Bitmap::LastCreateError()).find("too large"), std::string::npos);
  lumaveil::testing::EcritEntetePng(d.File("s.png"), 20, 20);  // same file, small: fails for lack of data
  EXPECT_FALSE(CGraphique::ChargeImagePNG(d.File("s.png")));
}

TEST(Tiff, RoundTripIsUncompressedRgbOneRowPerStrip) {
  TempDir d;
  const Bitmap p = lumaveil::testing::Motif(45, 31);
  ASSERT_EQ(CGraphique::SauveImageTIFF(d.File("a.tif"), p), 1);
  EXPECT_TRUE(lumaveil::testing::MemesPixels(CGraphique::ChargeImageTIFF(d.File("a.tif")), p));
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

namespace {

// A new 8-bit grey or RGB deflate TIFF of w x h, its fields set; null
// when it cannot be made.
TIFF* OuvreTiff(const std::string& chemin, std::uint32_t w, std::uint32_t h, int canaux) {
  TIFF* t = TIFFOpen(chemin.c_str(), "w");
  if (!t) return nullptr;
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, w);
  TIFFSetField(t, TIFFTAG_IMAGELENGTH, h);
  TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, canaux);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, canaux == 1 ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB);
  TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
  return t;
}

// An 8-bit grey or RGB TIFF of w x h whose sample (x, y, channel) is
// x * 7 + y * 13 + channel * 50, written in strips of `bande` rows or in
// 16 x 16 tiles (bande 0), with the given row orientation.
void EcritTiffGeneral(const std::string& chemin, std::uint32_t w, std::uint32_t h, int canaux,
                      std::uint32_t bande, int orientation) {
  TIFF* t = OuvreTiff(chemin, w, h, canaux);
  ASSERT_TRUE(t);
  TIFFSetField(t, TIFFTAG_ORIENTATION, orientation);
  auto echantillon = [](std::uint32_t x, std::uint32_t y, int c) {
    return std::uint8_t(x * 7 + y * 13 + std::uint32_t(c) * 50);
  };
  if (bande > 0) {
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, bande);
    std::vector<std::uint8_t> ligne(std::size_t(w) * std::size_t(canaux));
    for (std::uint32_t y = 0; y < h; ++y) {
      for (std::uint32_t x = 0; x < w; ++x)
        for (int c = 0; c < canaux; ++c) ligne[x * std::uint32_t(canaux) + std::uint32_t(c)] = echantillon(x, y, c);
      ASSERT_EQ(TIFFWriteScanline(t, ligne.data(), y, 0), 1);
    }
  } else {
    TIFFSetField(t, TIFFTAG_TILEWIDTH, 16u);
    TIFFSetField(t, TIFFTAG_TILELENGTH, 16u);
    std::vector<std::uint8_t> tuile(16 * 16 * std::size_t(canaux));
    for (std::uint32_t ty = 0; ty < h; ty += 16)
      for (std::uint32_t tx = 0; tx < w; tx += 16) {
        for (std::uint32_t y = 0; y < 16; ++y)
          for (std::uint32_t x = 0; x < 16; ++x)
            for (int c = 0; c < canaux; ++c)
              tuile[(y * 16 + x) * std::uint32_t(canaux) + std::uint32_t(c)] = echantillon(tx + x, ty + y, c);
        ASSERT_GE(TIFFWriteTile(t, tuile.data(), tx, ty, 0, 0), 0);
      }
  }
  TIFFClose(t);
}

// The pixel (x, y) of the file row `ligneFichier` written above.
talvik::COLORREF Attendu(std::uint32_t x, std::uint32_t ligneFichier, int canaux) {
  auto e = [&](int c) { return std::uint8_t(x * 7 + ligneFichier * 13 + std::uint32_t(c) * 50); };
  return canaux == 1 ? RGB(e(0), e(0), e(0)) : RGB(e(0), e(1), e(2));
}

// A TIFF declaring w x h 8-bit samples in one deflate strip of a few bytes.
void EcritTiffSansDonnees(const std::string& chemin, std::uint32_t w, std::uint32_t h, int canaux) {
  TIFF* t = OuvreTiff(chemin, w, h, canaux);
  ASSERT_TRUE(t);
  TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, h);
  std::uint8_t octets[8] = {0x78, 0x9C, 0x63, 0x60, 0x00, 0x00, 0x00, 0x00};
  ASSERT_EQ(TIFFWriteRawStrip(t, 0, octets, sizeof octets), tmsize_t(sizeof octets));
  TIFFClose(t);
}

}  // namespace

TEST(Tiff, GreyTiledAndBottomUpFilesLoadBandByBand) {
  TempDir d;
  struct Cas {
    const char* nom;
    std::uint32_t w, h;
    int canaux;
    std::uint32_t bande;
    int orientation;
  };
  // Strips of 3 rows (the last one short), tiles cut at both edges, and
  // bottom-up rows whose bands must land from the bottom.
  const Cas cas[] = {{"grey.tif", 21, 8, 1, 3, ORIENTATION_TOPLEFT},
                     {"tiles.tif", 37, 20, 3, 0, ORIENTATION_TOPLEFT},
                     {"bottomup.tif", 5, 7, 1, 3, ORIENTATION_BOTLEFT}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EcritTiffGeneral(d.File(c.nom), c.w, c.h, c.canaux, c.bande, c.orientation);
    Bitmap p = CGraphique::ChargeImageTIFF(d.File(c.nom));
    ASSERT_TRUE(p);
    ASSERT_EQ(p.Width(), int(c.w));
    ASSERT_EQ(p.Height(), int(c.h));
    const bool retourne = c.orientation == ORIENTATION_BOTLEFT;
    for (std::uint32_t y = 0; y < c.h; ++y)
      for (std::uint32_t x = 0; x < c.w; ++x)
        ASSERT_EQ(p.GetPixel(int(x), int(y)), Attendu(x, retourne ? c.h - 1 - y : y, c.canaux))
            << x << "," << y;
  }
}

TEST(Tiff, ALargeDeclaredPictureWithoutItsDataIsRefusedWithoutBeingFilled) {
  TempDir d;
  // 2^28 pixels declared (a 1 GiB picture) with eight bytes of data, for the
  // strip reader (RGB) and the general one (grey).
  EcritTiffSansDonnees(d.File("rgb.tif"), 16384, 16384, 3);
  EcritTiffSansDonnees(d.File("grey.tif"), 16384, 16384, 1);
  for (const char* nom : {"rgb.tif", "grey.tif"}) {
    SCOPED_TRACE(nom);
    Bitmap p;
    const long croissance = lumaveil::testing::CroissancePicMemoireKo(
        [&] { p = CGraphique::ChargeImageTIFF(d.File(nom)); });
    EXPECT_FALSE(p);
    if (croissance < 0) GTEST_SKIP() << "peak memory not measurable here";
    EXPECT_LT(croissance, 256 * 1024);
  }
  // A blank picture above 2^24 pixels, deflated as far as Deflate goes in
  // one strip, still loads.
  TIFF* t = TIFFOpen(d.File("blank.tif").c_str(), "w");
  ASSERT_TRUE(t);
  const std::uint32_t w = 4200, h = 4100;
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, w);
  TIFFSetField(t, TIFFTAG_IMAGELENGTH, h);
  TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
  TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
  TIFFSetField(t, TIFFTAG_ZIPQUALITY, 9);
  TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, h);
  std::vector<std::uint8_t> ligne(w, 0);
  for (std::uint32_t y = 0; y < h; ++y) ASSERT_EQ(TIFFWriteScanline(t, ligne.data(), y, 0), 1);
  TIFFClose(t);
  Bitmap blanc = CGraphique::ChargeImageTIFF(d.File("blank.tif"));
  ASSERT_TRUE(blanc);
  EXPECT_EQ(blanc.Width(), int(w));
  EXPECT_EQ(blanc.GetPixel(int(w) - 1, int(h) - 1), RGB(0, 0, 0));
}

TEST(Tiff, DamagedFilesGiveNull) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImageTIFF(d.File("a.tif"), lumaveil::testing::Motif(64, 64)), 1);
  const auto bon = lumaveil::testing::Lit(d.File("a.tif"));
  lumaveil::testing::Ecrit(d.File("t.tif"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + bon.size() / 2));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("t.tif")));
  lumaveil::testing::Ecrit(d.File("h.tif"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + 6));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("h.tif")));
  lumaveil::testing::Ecrit(d.File("z.tif"), std::vector<std::uint8_t>(300, 0x49));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("z.tif")));
  EXPECT_FALSE(CGraphique::ChargeImageTIFF(d.File("missing.tif")));
  EXPECT_EQ(CGraphique::SauveImageTIFF(d.File("no/dir/a.tif"), lumaveil::testing::Motif(2, 2)), 0);
}
