// Which reader a picture file goes to: the new extensions, the content of
// HEIF, AVIF and WebP files whatever their name, and the list of readable
// extensions that file choosers and drops use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "fichiers_images_essai.h"
#include "graphique.h"
#include "images_comparees.h"
#include "outils_externes.h"
#include "picture/format.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::FormatImage;
using lumaveil::testing::Cite;
using lumaveil::testing::Lance;
using lumaveil::testing::TempDir;

TEST(FormatImage, PhoneAndWebExtensionsInAnyCase) {
  EXPECT_EQ(talvik::FormatDuChemin("IMG_0001.HEIC"), FormatImage::HEIF);
  EXPECT_EQ(talvik::FormatDuChemin("a.heif"), FormatImage::HEIF);
  EXPECT_EQ(talvik::FormatDuChemin("a.Hif"), FormatImage::HEIF);
  EXPECT_EQ(talvik::FormatDuChemin("a.AVIF"), FormatImage::AVIF);
  EXPECT_EQ(talvik::FormatDuChemin("/x.y/photo.WebP"), FormatImage::WebP);
  // The extension is what follows the last dot of the name, not of a folder.
  EXPECT_EQ(talvik::FormatDuChemin("/photos.webp/readme"), FormatImage::Inconnu);
  EXPECT_EQ(talvik::FormatDuChemin("a.heic.txt"), FormatImage::Inconnu);
  EXPECT_EQ(talvik::FormatDuChemin("webp"), FormatImage::Inconnu);
}

TEST(FormatImage, EveryListedExtensionGoesToItsReader) {
  std::set<std::string> formats;
  for (const talvik::ExtensionImage& e : talvik::ExtensionsLisibles()) {
    std::string haut = e.extension;
    std::transform(haut.begin(), haut.end(), haut.begin(), ::toupper);
    for (const std::string& nom : {"photo." + e.extension, "PHOTO." + haut}) {
      const FormatImage f = talvik::FormatDuChemin(nom);
      EXPECT_NE(f, FormatImage::Inconnu) << nom;
      EXPECT_EQ(talvik::NomFormat(f), e.format) << nom;
    }
    formats.insert(e.format);
  }
  EXPECT_EQ(formats, (std::set<std::string>{"BMP", "JPEG", "GIF", "PNG", "TIFF", "HEIF", "AVIF",
                                            "WebP"}));
}

TEST(FormatImage, ContentOfPhoneAndWebFilesDecidesWhateverTheName) {
  TempDir d;
  const Bitmap motif = lumaveil::testing::Motif(64, 48);
  ASSERT_EQ(CGraphique::SauveImagePNG(d.File("m.png"), motif), 1);
  ASSERT_EQ(CGraphique::SauveImageJPEG(d.File("m.jpg"), motif, 95), 1);
  ASSERT_TRUE(Lance("heif-enc -q 95 -o " + Cite(d.File("m.heic")) + " " + Cite(d.File("m.png"))));
  ASSERT_TRUE(Lance("heif-enc -A -q 95 -o " + Cite(d.File("m.avif")) + " " + Cite(d.File("m.jpg"))));
  ASSERT_TRUE(Lance("cwebp -quiet -q 95 " + Cite(d.File("m.png")) + " -o " + Cite(d.File("m.webp"))));
  const struct {
    const char* nom;
    FormatImage format;
  } cas[] = {{"m.heic", FormatImage::HEIF}, {"m.avif", FormatImage::AVIF},
             {"m.webp", FormatImage::WebP}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    const std::vector<std::uint8_t> octets = lumaveil::testing::Lit(d.File(c.nom));
    EXPECT_EQ(talvik::FormatDuContenu(octets.data(), octets.size()), c.format);
    // Cut to its first 11 bytes a file says nothing.
    EXPECT_EQ(talvik::FormatDuContenu(octets.data(), std::min<std::size_t>(11, octets.size())),
              FormatImage::Inconnu);
    // Renamed as a JPEG (as some phones export them) it still loads, by
    // its content.
    const std::string renomme = d.File(std::string(c.nom) + ".jpg");
    ASSERT_EQ(std::rename(d.File(c.nom).c_str(), renomme.c_str()), 0);
    EXPECT_EQ(talvik::FormatDuFichier(renomme), c.format);
    Bitmap lu = CGraphique::ChargeImage(renomme, 0);
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu.Width(), 64);
    EXPECT_EQ(lu.Height(), 48);
    EXPECT_LT(lumaveil::testing::EcartMoyen(lu, motif), 6.0);  // lossy coding
  }
  // The older formats go by their name alone, as before.
  const std::vector<std::uint8_t> jpeg = lumaveil::testing::Lit(d.File("m.jpg"));
  EXPECT_EQ(talvik::FormatDuContenu(jpeg.data(), jpeg.size()), FormatImage::Inconnu);
  EXPECT_EQ(talvik::FormatDuFichier(d.File("m.png")), FormatImage::PNG);
  EXPECT_EQ(talvik::FormatDuFichier(d.File("absent.webp")), FormatImage::WebP);
}
