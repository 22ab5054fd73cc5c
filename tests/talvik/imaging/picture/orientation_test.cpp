// Pictures come upright: the eight orientations a JPEG, PNG, TIFF, WebP
// or HEIF file can record, checked against ImageMagick's -auto-orient of
// the same stored picture; the thumbnail paths of a JPEG agree with the
// full one; values out of range and damaged blocks load as stored.
#include <gtest/gtest.h>

#include <tiffio.h>
#include <zlib.h>

#include "codec/exif_vignette.h"
#include "codec/heif_lecture.h"
#include "codec/jpeg_huitieme.h"
#include "codec/jpeg_lecture.h"
#include "exif_essai.h"
#include "fichiers_images_essai.h"
#include "graphique.h"
#include "heif_essai.h"
#include "images_comparees.h"
#include "outils_externes.h"
#include "picture/orientation_fichier.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::COLORREF;
using talvik::RGB;
using lumaveil::testing::Cite;
using lumaveil::testing::EcartMoyen;
using lumaveil::testing::kCoins;
using lumaveil::testing::Lance;
using lumaveil::testing::Quadrants;
using lumaveil::testing::TempDir;

namespace {

// ImageMagick's names of the Exif orientations 1 to 8.
const char* const kNomsImageMagick[9] = {"",         "TopLeft",  "TopRight",    "BottomRight",
                                         "BottomLeft", "LeftTop", "RightTop",    "RightBottom",
                                         "LeftBottom"};

// The same bytes with a PNG chunk inserted after the header chunk.
std::vector<std::uint8_t> AvecMorceauPng(std::vector<std::uint8_t> png, const char* type,
                                         const std::vector<std::uint8_t>& donnees) {
  std::vector<std::uint8_t> m;
  const std::uint32_t n = std::uint32_t(donnees.size());
  m.insert(m.end(), {std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8), std::uint8_t(n)});
  m.insert(m.end(), type, type + 4);
  m.insert(m.end(), donnees.begin(), donnees.end());
  const std::uint32_t crc = std::uint32_t(crc32(0, m.data() + 4, uInt(m.size() - 4)));
  m.insert(m.end(), {std::uint8_t(crc >> 24), std::uint8_t(crc >> 16), std::uint8_t(crc >> 8),
                     std::uint8_t(crc)});
  png.insert(png.begin() + 33, m.begin(), m.end());  // signature and IHDR: 8 + 25 bytes
  return png;
}

bool EcritTiffOriente(const std::string& chemin, const Bitmap& b, int orientation) {
  TIFF* t = TIFFOpen(chemin.c_str(), "w");
  if (!t) return false;
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, std::uint32_t(b.Width()));
  TIFFSetField(t, TIFFTAG_IMAGELENGTH, std::uint32_t(b.Height()));
  TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 8);
  TIFFSetField(t, TIFFTAG_ORIENTATION, std::uint16_t(orientation));
  std::vector<std::uint8_t> ligne(std::size_t(b.Width()) * 3);
  bool ok = true;
  for (int y = 0; y < b.Height() && ok; ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const COLORREF c = b.GetPixel(x, y);
      ligne[3 * std::size_t(x)] = talvik::GetRValue(c);
      ligne[3 * std::size_t(x) + 1] = talvik::GetGValue(c);
      ligne[3 * std::size_t(x) + 2] = talvik::GetBValue(c);
    }
    ok = TIFFWriteScanline(t, ligne.data(), std::uint32_t(y), 0) >= 0;
  }
  TIFFClose(t);
  return ok;
}

class Orientation : public ::testing::Test {
 protected:
  void SetUp() override {
    stockee_ = Quadrants(320, 240, kCoins);
    ASSERT_EQ(CGraphique::SauveImagePNG(d_.File("stockee.png"), stockee_), 1);
  }
  // ImageMagick's upright picture of the stored one with this orientation.
  Bitmap Reference(int o) {
    const std::string ref = d_.File("ref" + std::to_string(o) + ".png");
    if (!Lance("convert " + Cite(d_.File("stockee.png")) + " -orient " + kNomsImageMagick[o] +
               " -auto-orient " + Cite(ref)))
      return {};
    return CGraphique::ChargeImagePNG(ref);
  }
  // The stored picture as a file of the format recording the orientation.
  std::string Fichier(const std::string& format, int o) {
    const std::string base = d_.File(format + std::to_string(o));
    if (format == "jpeg") {
      const std::string c = base + ".jpg";
      const bool ok = CGraphique::SauveImageJPEG(c, stockee_, 92) &&
                      lumaveil::testing::AjouteVignetteExif(
                          c, CGraphique::RedimensionneImage(stockee_, talvik::CSize(160, 120), 0),
                          o % 2 == 0, o);
      return ok ? c : "";
    }
    if (format == "png") {
      const std::string c = base + ".png";
      lumaveil::testing::Ecrit(c, AvecMorceauPng(lumaveil::testing::Lit(d_.File("stockee.png")), "eXIf",
                                      lumaveil::testing::StructureExif({}, o % 2 == 1, o)));
      return c;
    }
    if (format == "tiff") return EcritTiffOriente(base + ".tif", stockee_, o) ? base + ".tif" : "";
    if (format == "webp") {
      const std::string exif = base + ".exif", c = base + ".webp";
      lumaveil::testing::Ecrit(exif, lumaveil::testing::StructureExif({}, true, o));
      const bool ok = Lance("cwebp -quiet -q 95 " + Cite(d_.File("stockee.png")) + " -o " +
                            Cite(base + ".brut.webp")) &&
                      Lance("webpmux -set exif " + Cite(exif) + " " + Cite(base + ".brut.webp") +
                            " -o " + Cite(c));
      return ok ? c : "";
    }
    lumaveil::testing::OptionsHeif options;
    options.orientation = o;
    options.vignette = 80;
    return lumaveil::testing::EcritHeif(base + ".heic", stockee_, options) ? base + ".heic" : "";
  }

  TempDir d_;
  Bitmap stockee_;
};

}  // namespace

TEST_F(Orientation, EveryValueOfEveryFormatLoadsUpright) {
  for (int o = 1; o <= 8; ++o) {
    const Bitmap reference = Reference(o);
    ASSERT_TRUE(reference) << o;
    for (const std::string format : {"jpeg", "png", "tiff", "webp", "heif"}) {
      SCOPED_TRACE(format + " orientation " + std::to_string(o));
      const std::string chemin = Fichier(format, o);
      ASSERT_FALSE(chemin.empty());
      const Bitmap lu = CGraphique::ChargeImage(chemin, 0);
      ASSERT_TRUE(lu);
      ASSERT_EQ(lu.Width(), reference.Width());
      ASSERT_EQ(lu.Height(), reference.Height());
      EXPECT_LT(EcartMoyen(lu, reference), 2.0);
      EXPECT_EQ(talvik::OrientationDuFichier(chemin), o);
    }
  }
}

TEST_F(Orientation, JpegThumbnailPathsGiveTheUprightPictureOfTheFullPath) {
  for (int o = 1; o <= 8; ++o) {
    SCOPED_TRACE(o);
    const std::string chemin = Fichier("jpeg", o);
    ASSERT_FALSE(chemin.empty());
    const talvik::ImageJPEG entier = talvik::DecodeJPEG(chemin);
    ASSERT_TRUE(entier.image);
    const int w = entier.image.Width(), h = entier.image.Height();
    EXPECT_EQ(entier.largeurFichier, w);
    EXPECT_EQ(entier.hauteurFichier, h);
    int lw = 0, lh = 0;
    ASSERT_TRUE(talvik::TailleJPEG(chemin, &lw, &lh));
    EXPECT_EQ(lw, w);
    EXPECT_EQ(lh, h);
    for (const talvik::ImageJPEG& petite :
         {talvik::DecodeVignetteExif(chemin), talvik::DecodeJPEGHuitieme(chemin),
          talvik::DecodeJPEG(chemin, 4)}) {
      ASSERT_TRUE(petite.image);
      EXPECT_EQ(petite.largeurFichier, w);
      EXPECT_EQ(petite.hauteurFichier, h);
      EXPECT_EQ(petite.image.Width(), (w + petite.reduction - 1) / petite.reduction);
      EXPECT_EQ(petite.image.Height(), (h + petite.reduction - 1) / petite.reduction);
      const Bitmap attendue = CGraphique::RedimensionneImage(
          entier.image, talvik::CSize(petite.image.Width(), petite.image.Height()), 0);
      EXPECT_LT(EcartMoyen(petite.image, attendue), 6.0) << petite.reduction;
    }
  }
}

TEST_F(Orientation, HeifThumbnailItemIsUprightLikeThePicture) {
  for (int o = 1; o <= 8; ++o) {
    SCOPED_TRACE(o);
    const std::string chemin = Fichier("heif", o);
    ASSERT_FALSE(chemin.empty());
    const talvik::ImageJPEG entier = talvik::DecodeHEIF(chemin);
    const talvik::ImageJPEG v = talvik::DecodeVignetteHEIF(chemin);
    ASSERT_TRUE(entier.image);
    ASSERT_TRUE(v.image);
    EXPECT_EQ(v.largeurFichier, entier.image.Width());
    EXPECT_EQ(v.hauteurFichier, entier.image.Height());
    const Bitmap attendue = CGraphique::RedimensionneImage(
        entier.image, talvik::CSize(v.image.Width(), v.image.Height()), 0);
    EXPECT_LT(EcartMoyen(v.image, attendue), 8.0);
  }
}

TEST_F(Orientation, ValuesOutOfRangeAndDamagedBlocksLoadAsStored) {
  for (int o : {0, 9, 300}) {
    SCOPED_TRACE(o);
    const std::string jpeg = Fichier("jpeg", o);
    const std::string png = Fichier("png", o);
    for (const std::string& chemin : {jpeg, png}) {
      const Bitmap lu = CGraphique::ChargeImage(chemin, 0);
      ASSERT_TRUE(lu) << chemin;
      EXPECT_LT(EcartMoyen(lu, stockee_), 2.0) << chemin;
      EXPECT_EQ(talvik::OrientationDuFichier(chemin), 0) << chemin;
    }
    EXPECT_EQ(talvik::DecodeVignetteExif(jpeg).largeurFichier, 320);
  }
  // Exif blocks cut anywhere in their directory: as stored, never a failure.
  const std::vector<std::uint8_t> entier = lumaveil::testing::StructureExif({}, true, 6);
  for (std::size_t n = 0; n < entier.size(); ++n) {
    SCOPED_TRACE(n);
    std::vector<std::uint8_t> bloc(entier.begin(), entier.begin() + long(n));
    const std::string png = d_.File("coupe.png");
    lumaveil::testing::Ecrit(png, AvecMorceauPng(lumaveil::testing::Lit(d_.File("stockee.png")), "eXIf", bloc));
    const Bitmap lu = CGraphique::ChargeImage(png, 0);
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu.Width(), 320);
    // In a JPEG: the APP1 segment's own length says where the block ends.
    std::vector<std::uint8_t> segment = {0xFF, 0xE1, 0, std::uint8_t(n + 8), 'E', 'x', 'i', 'f', 0, 0};
    segment.insert(segment.end(), bloc.begin(), bloc.end());
    std::vector<std::uint8_t> jpeg = lumaveil::testing::Lit(Fichier("jpeg", 1));
    jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
    lumaveil::testing::Ecrit(d_.File("coupe.jpg"), jpeg);
    const Bitmap lj = CGraphique::ChargeImage(d_.File("coupe.jpg"), 0);
    ASSERT_TRUE(lj);
    EXPECT_EQ(lj.Width(), 320);
  }
}
