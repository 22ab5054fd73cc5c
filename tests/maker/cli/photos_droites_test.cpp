// Portrait photos as phones store them, through the maker's command
// line: a JPEG stored sideways with an Exif orientation, a HEIC and an
// AVIF turned by their rotation boxes, a WebP with an Exif block, each
// upright in the rendered screen and in the first frame of the saver.
#include <gtest/gtest.h>

#include <cstdlib>

#include "commande_lumaveil.h"
#include "heif_essai.h"
#include "photo_telephone_essai.h"

namespace lumaveil::testing {
namespace {

using talvik::RGB;

class PhotosDroites : public CommandeLumaveil {
 protected:
  void VerifieDroite(const std::string& nom);
};

// A portrait photo at `nom` (upright 300 x 400) becomes screen 1 of a
// project at 640x480: upright in the rendered screen and in the first
// frame the generated saver shows.
void PhotosDroites::VerifieDroite(const std::string& nom) {
  SCOPED_TRACE(nom);
  Png("autre.png", 64, 48, RGB(90, 90, 90));
  const std::string projet = nom + ".lmv";
  std::string erreur;
  ASSERT_EQ(Lance("--new " + projet + " --resolution 640x480 " + nom + " autre.png", &erreur), 0)
      << erreur;
  EXPECT_EQ(erreur, "");
  const talvik::Bitmap rendu = Rend(projet, 1);
  ASSERT_TRUE(rendu);
  const talvik::RECT place = PlaceSurFond(rendu, kBlanc);
  AttendPlace(place, Ajuste(300, 400, 640, 480), "upright portrait");
  std::string pourquoi;
  EXPECT_TRUE(QuadrantsDroits(rendu, place, &pourquoi)) << pourquoi;

  const talvik::Bitmap image = PremiereImage(projet, "640x480");
  ASSERT_TRUE(image);
  const talvik::RECT vue = PlaceSurFond(image, kBlanc);
  AttendPlace(vue, place, "the saver's first frame", 1);
  EXPECT_TRUE(QuadrantsDroits(image, vue, &pourquoi)) << pourquoi;
}

TEST_F(PhotosDroites, PortraitPhoneJpegIsUprightOnTheScreenAndInTheSaver) {
  const talvik::Bitmap droite =
      Quadrants(300, 400, kQuadrantsDroits);
  ASSERT_TRUE(EcritJpegOriente(dir_.File("portrait.jpg"), droite, 6));
  VerifieDroite("portrait.jpg");
}

// A portrait photo as a phone's HEIC (turned by its rotation box), as an
// AVIF, and as a WebP whose Exif block (copied by cwebp from the JPEG)
// holds the orientation.
TEST_F(PhotosDroites, PortraitHeicAvifAndWebpAreUprightOnTheScreenAndInTheSaver) {
  const talvik::Bitmap droite =
      Quadrants(300, 400, kQuadrantsDroits);
  ASSERT_TRUE(EcritHeif(dir_.File("portrait.heic"), StockeeSelonOrientation(droite, 6), {6}));
  ASSERT_TRUE(EcritHeif(dir_.File("portrait.avif"), StockeeSelonOrientation(droite, 8), {8, 0, true}));
  ASSERT_TRUE(EcritJpegOriente(dir_.File("source.jpg"), droite, 6));
  ASSERT_EQ(std::system(("cwebp -quiet -q 92 -metadata exif '" + dir_.File("source.jpg") +
                         "' -o '" + dir_.File("portrait.webp") + "'")
                            .c_str()),
            0);
  for (const char* nom : {"portrait.heic", "portrait.avif", "portrait.webp"}) VerifieDroite(nom);
}

}  // namespace
}  // namespace lumaveil::testing
