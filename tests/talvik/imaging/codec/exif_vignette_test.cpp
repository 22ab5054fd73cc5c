// The thumbnail embedded in a camera's JPEG file: found in either byte
// order, refused when it cannot stand for the picture, and never read
// outside the bytes whatever the block says.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "codec/exif_vignette.h"
#include "exif_essai.h"
#include "graphique.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

class VignetteExif : public ::testing::Test {
 protected:
  // A red picture of `largeur` x `hauteur` whose Exif thumbnail is blue:
  // which one a reader returns shows in its pixels.
  std::string Photo(const std::string& nom, int largeur, int hauteur, int lv, int hv,
                    bool intel = true) {
    const std::string chemin = dossier_.File(nom);
    if (!CGraphique::SauveImageJPEG(chemin, Bitmap::Create(largeur, hauteur, RGB(220, 20, 20)), 90))
      return {};
    if (lv > 0 &&
        !lumaveil::testing::AjouteVignetteExif(chemin, Bitmap::Create(lv, hv, RGB(20, 20, 220)), intel))
      return {};
    return chemin;
  }
  static std::vector<std::uint8_t> Octets(const std::string& chemin) {
    std::ifstream in(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  lumaveil::testing::TempDir dossier_;
};

TEST_F(VignetteExif, CameraThumbnailInEitherByteOrder) {
  for (bool intel : {true, false}) {
    SCOPED_TRACE(intel ? "little-endian" : "big-endian");
    const std::string chemin = Photo(intel ? "ii.jpg" : "mm.jpg", 800, 600, 160, 120, intel);
    ASSERT_FALSE(chemin.empty());
    ImageJPEG v = DecodeVignetteExif(chemin);
    ASSERT_TRUE(v.image);
    EXPECT_EQ(v.image.Width(), 160);
    EXPECT_EQ(v.image.Height(), 120);
    EXPECT_EQ(v.largeurFichier, 800);
    EXPECT_EQ(v.hauteurFichier, 600);
    EXPECT_EQ(v.reduction, 5);
    const COLORREF c = v.image.GetPixel(80, 60);
    EXPECT_GT(int(GetBValue(c)), 180);
    EXPECT_LT(int(GetRValue(c)), 60);
    // The picture itself still decodes whole, thumbnail block or not.
    ImageJPEG tout = DecodeJPEG(chemin);
    ASSERT_TRUE(tout.image);
    EXPECT_EQ(tout.image.Width(), 800);
    EXPECT_GT(int(GetRValue(tout.image.GetPixel(400, 300))), 180);
  }
}

TEST_F(VignetteExif, RefusedWhenItCannotStandForThePicture) {
  // None at all; black bands (4:3 thumbnail of a 16:9 picture); one left
  // from before a crop; one as large as the picture.
  EXPECT_FALSE(DecodeVignetteExif(Photo("sans.jpg", 800, 600, 0, 0)).image);
  EXPECT_FALSE(DecodeVignetteExif(Photo("bandes.jpg", 1600, 900, 160, 120)).image);
  EXPECT_FALSE(DecodeVignetteExif(Photo("recoupee.jpg", 700, 600, 160, 120)).image);
  EXPECT_FALSE(DecodeVignetteExif(Photo("egale.jpg", 160, 120, 160, 120)).image);
  // Proportions that differ by the thumbnail's rounding only are fine:
  // 4032 x 3024 gives 160 x 120, 1000 x 563 gives 160 x 90.
  EXPECT_TRUE(DecodeVignetteExif(Photo("arrondi.jpg", 1000, 563, 160, 90)).image);
  EXPECT_FALSE(DecodeVignetteExif(dossier_.File("absente.jpg")).image);
}

TEST_F(VignetteExif, DamagedBlocksAreRefusedWithinTheirBytes) {
  const std::vector<std::uint8_t> bon = Octets(Photo("bon.jpg", 320, 240, 160, 120));
  ASSERT_GT(bon.size(), 200u);
  EnteteExif e;
  ASSERT_TRUE(LitEnteteExif(bon.data(), bon.size(), &e));
  EXPECT_EQ(e.largeur, 320);
  EXPECT_EQ(e.hauteur, 240);
  // Cut before the thumbnail's end: no thumbnail.
  for (std::size_t n = 0; n < e.debut + e.longueur; n += 7) {
    EnteteExif c;
    EXPECT_FALSE(LitEnteteExif(bon.data(), n, &c)) << n;
  }
  // Every byte of the block's directories set to 0xFF in turn, then to 0:
  // offsets, counts and lengths that point anywhere.
  const std::size_t tiff = 4 + 2 + 6;  // start marker, APP1 marker and length, "Exif\0\0"
  for (std::uint8_t valeur : {std::uint8_t(0xFF), std::uint8_t(0)}) {
    for (std::size_t i = 2; i < tiff + 80; ++i) {
      std::vector<std::uint8_t> abime = bon;
      abime[i] = valeur;
      EnteteExif c;
      if (LitEnteteExif(abime.data(), abime.size(), &c)) {
        EXPECT_LE(c.debut + c.longueur, abime.size()) << i;
      }
    }
  }
}

}  // namespace
}  // namespace talvik
