// Limits on what one JPEG may cost the library's readers: a progressive
// file of thousands of scans is refused, in a photo and in the camera's
// thumbnail inside one.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "codec/exif_vignette.h"
#include "codec/jpeg_lecture.h"
#include "codec/jpeg_limites.h"
#include "codec/jpegfile.h"
#include "exif_essai.h"
#include "graphique.h"
#include "jpeg_balayages_essai.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

void Ecrit(const std::string& chemin, const std::vector<unsigned char>& octets) {
  std::ofstream(chemin, std::ios::binary)
      .write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
}

TEST(JpegLimites, AProgressiveFileOfTooManyScansIsRefusedByEveryReader) {
  lumaveil::testing::TempDir d;
  const auto jpeg = lumaveil::testing::ProgressiveJpeg(320, 240);
  // Up to the limit a file of many scans is a picture; one more is refused,
  // as is the file of one scan repeated three thousand times.
  Ecrit(d.File("many.jpg"), lumaveil::testing::ProgressiveJpeg(320, 240, jpeg::kScansMax));
  Ecrit(d.File("more.jpg"), lumaveil::testing::ProgressiveJpeg(320, 240, jpeg::kScansMax + 1));
  Ecrit(d.File("bomb.jpg"), lumaveil::testing::WithRepeatedLastScan(jpeg, 3000));
  ImageJPEG beaucoup = DecodeJPEG(d.File("many.jpg"));
  ASSERT_TRUE(beaucoup.image);
  EXPECT_EQ(beaucoup.image.Width(), 320);
  EXPECT_FALSE(DecodeJPEG(d.File("more.jpg")).image);

  EXPECT_FALSE(DecodeJPEG(d.File("bomb.jpg")).image);
  EXPECT_NE(std::string(Bitmap::LastCreateError()).find("too many scans"), std::string::npos)
      << Bitmap::LastCreateError();
  EXPECT_FALSE(DecodeJPEG(d.File("bomb.jpg"), 8).image);  // the reduced decoding of thumbnails
  EXPECT_FALSE(CGraphique::ChargeImage(d.File("bomb.jpg"), 0));
  unsigned w = 0, h = 0;
  EXPECT_FALSE(JpegFile::JpegFileToRGB(d.File("bomb.jpg"), &w, &h));
  const auto octets = lumaveil::testing::WithRepeatedLastScan(jpeg, 3000);
  EXPECT_FALSE(DecodeJPEGMemoire(octets.data(), octets.size()).image);
}

TEST(JpegLimites, ACameraThumbnailOfTooManyScansIsRefused) {
  lumaveil::testing::TempDir d;
  // A valid 800 x 600 photo whose Exif thumbnail (16 x 12, progressive) has
  // a thousand scans; the same photo with the thumbnail as made is read
  // through its thumbnail.
  const auto vignette = lumaveil::testing::ProgressiveJpeg(16, 12);
  for (const bool bombe : {false, true}) {
    SCOPED_TRACE(bombe ? "bombed thumbnail" : "plain thumbnail");
    const std::string chemin = d.File(bombe ? "bomb.jpg" : "plain.jpg");
    ASSERT_TRUE(CGraphique::SauveImageJPEG(chemin, Bitmap::Create(800, 600, RGB(200, 20, 20)), 90));
    std::ifstream in(chemin, std::ios::binary);
    std::vector<std::uint8_t> photo((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    const auto v = bombe ? lumaveil::testing::WithRepeatedLastScan(vignette, 1000) : vignette;
    const auto segment = lumaveil::testing::SegmentExif(std::vector<std::uint8_t>(v.begin(), v.end()));
    ASSERT_LE(segment.size(), 65537u);
    photo.insert(photo.begin() + 2, segment.begin(), segment.end());
    Ecrit(chemin, std::vector<unsigned char>(photo.begin(), photo.end()));
    EXPECT_EQ(bool(DecodeVignetteExif(chemin).image), !bombe);
    EXPECT_TRUE(DecodeJPEG(chemin).image);  // the photo itself is sound
  }
}

}  // namespace
}  // namespace talvik
