// Pictures beyond 8-bit RGB load as ImageMagick shows them: 16-bit PNG
// and TIFF, CMYK and YCCK JPEG (inks inverted as Adobe stores them, or
// not), grey with alpha, 10-bit HEIF. Mean difference at most 2 per
// channel.
#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include "fichiers_images_essai.h"
#include "graphique.h"
#include "images_comparees.h"
#include "outils_externes.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using lumaveil::testing::Cite;
using lumaveil::testing::EcartMoyen;
using lumaveil::testing::Lance;
using lumaveil::testing::LuParImageMagick;
using lumaveil::testing::TempDir;

namespace {

// A picture with every hue and brightness: a smooth field of colours.
std::string Champ(const TempDir& d, const std::string& options, const std::string& nom) {
  const std::string chemin = d.File(nom);
  return Lance("convert -size 96x64 gradient:'#1040e0'-'#f0c020' \\( -size 96x64 "
               "gradient:'#ff0000'-'#00ff80' -rotate 90 -resize 96x64! \\) -compose blend "
               "-define compose:args=50 -composite " + options + " " + Cite(chemin))
             ? chemin
             : "";
}

// A four-ink JPEG written with libjpeg: YCCK or CMYK, the samples given as
// the amount of each ink (0-255), stored inverted when `adobe`.
bool EcritCmjn(const std::string& chemin, const Bitmap& rgb, bool ycck, bool adobe) {
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return false;
  jpeg_compress_struct c;
  jpeg_error_mgr erreurs;
  c.err = jpeg_std_error(&erreurs);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = JDIMENSION(rgb.Width());
  c.image_height = JDIMENSION(rgb.Height());
  c.input_components = 4;
  c.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&c);
  jpeg_set_colorspace(&c, ycck ? JCS_YCCK : JCS_CMYK);
  c.write_Adobe_marker = adobe ? TRUE : FALSE;
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> ligne(std::size_t(rgb.Width()) * 4);
  for (int y = 0; y < rgb.Height(); ++y) {
    for (int x = 0; x < rgb.Width(); ++x) {
      const talvik::COLORREF p = rgb.GetPixel(x, y);
      const int r = talvik::GetRValue(p), g = talvik::GetGValue(p), b = talvik::GetBValue(p);
      const int k = 255 - std::max({r, g, b});
      const auto encre = [k](int v) { return k == 255 ? 0 : (255 - v - k) * 255 / (255 - k); };
      const int encres[4] = {encre(r), encre(g), encre(b), k};
      for (int i = 0; i < 4; ++i)
        ligne[std::size_t(x) * 4 + std::size_t(i)] = JSAMPLE(adobe ? 255 - encres[i] : encres[i]);
    }
    JSAMPROW l = ligne.data();
    jpeg_write_scanlines(&c, &l, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return std::fclose(f) == 0;
}

}  // namespace

TEST(Profondeurs, SixteenBitPngAndTiffLoadAsImageMagickShowsThem) {
  TempDir d;
  for (const char* nom : {"c16.png", "c16.tif", "g16.png", "g16.tif"}) {
    SCOPED_TRACE(nom);
    const bool gris = nom[0] == 'g';
    const std::string chemin =
        Champ(d, std::string("-depth 16 ") + (gris ? "-colorspace Gray" : ""), nom);
    ASSERT_FALSE(chemin.empty());
    const Bitmap lu = CGraphique::ChargeImage(chemin, 0);
    const Bitmap reference = LuParImageMagick(chemin);
    ASSERT_TRUE(lu);
    ASSERT_TRUE(reference);
    EXPECT_LE(EcartMoyen(lu, reference), 2.0);
  }
}

TEST(Profondeurs, GreyWithAlphaLoadsAsImageMagickShowsIt) {
  TempDir d;
  // Alpha falling from opaque at the top to clear at the bottom. A PNG
  // without a background colour (bKGD) keeps the grey stored under its
  // alpha; a TIFF, like the colour ones and the new formats, shows it over
  // black.
  for (const char* nom : {"ga8.png", "ga16.png", "ga8.tif"}) {
    SCOPED_TRACE(nom);
    const std::string profondeur = std::string(nom).find("16") != std::string::npos ? "16" : "8";
    const std::string chemin = Champ(
        d, "-colorspace Gray \\( -size 96x64 gradient:white-black \\) -alpha off -compose "
           "copy_opacity -composite -define png:exclude-chunks=bKGD -depth " + profondeur,
        nom);
    ASSERT_FALSE(chemin.empty());
    const Bitmap lu = CGraphique::ChargeImage(chemin, 0);
    const bool tiff = std::string(nom).ends_with(".tif");
    const Bitmap reference =
        LuParImageMagick(chemin, tiff ? "-background black -alpha remove" : "-alpha off");
    ASSERT_TRUE(lu);
    ASSERT_TRUE(reference);
    EXPECT_LE(EcartMoyen(lu, reference), 2.0);
    // Grey stays grey.
    const talvik::COLORREF p = lu.GetPixel(40, 20);
    EXPECT_EQ(talvik::GetRValue(p), talvik::GetGValue(p));
    EXPECT_EQ(talvik::GetGValue(p), talvik::GetBValue(p));
  }
}

TEST(Profondeurs, CmykAndYcckJpegLoadInTheirColours) {
  TempDir d;
  const std::string source = Champ(d, "", "source.png");
  ASSERT_FALSE(source.empty());
  const Bitmap rgb = CGraphique::ChargeImagePNG(source);
  ASSERT_TRUE(rgb);
  // ImageMagick's own CMYK JPEG (Adobe's inverted inks), and YCCK.
  ASSERT_TRUE(Lance("convert " + Cite(source) + " -colorspace CMYK -quality 95 " +
                    Cite(d.File("im.jpg"))));
  ASSERT_TRUE(EcritCmjn(d.File("ycck.jpg"), rgb, true, true));
  for (const char* nom : {"im.jpg", "ycck.jpg"}) {
    SCOPED_TRACE(nom);
    const Bitmap lu = CGraphique::ChargeImage(d.File(nom), 0);
    const Bitmap reference = LuParImageMagick(d.File(nom), "-colorspace sRGB");
    ASSERT_TRUE(lu);
    ASSERT_TRUE(reference);
    EXPECT_LE(EcartMoyen(lu, reference), 2.0);
    EXPECT_LE(EcartMoyen(lu, rgb), 4.0);
  }
  // Inks stored as they are, without Adobe's segment: the colours come back
  // (ImageMagick takes every CMYK JPEG as inverted, so the source is the
  // reference here).
  ASSERT_TRUE(EcritCmjn(d.File("cmjn.jpg"), rgb, false, false));
  const Bitmap lu = CGraphique::ChargeImage(d.File("cmjn.jpg"), 0);
  ASSERT_TRUE(lu);
  EXPECT_LE(EcartMoyen(lu, rgb), 3.0);
}

TEST(Profondeurs, TenBitHeifLoadsAsImageMagickShowsIt) {
  TempDir d;
  const std::string source = Champ(d, "-depth 16", "source16.png");
  ASSERT_FALSE(source.empty());
  ASSERT_TRUE(Lance("heif-enc -b 10 -q 95 -o " + Cite(d.File("dix.heic")) + " " + Cite(source)));
  const Bitmap lu = CGraphique::ChargeImage(d.File("dix.heic"), 0);
  const Bitmap reference = LuParImageMagick(d.File("dix.heic"));
  ASSERT_TRUE(lu);
  ASSERT_TRUE(reference);
  EXPECT_LE(EcartMoyen(lu, reference), 2.0);
}
