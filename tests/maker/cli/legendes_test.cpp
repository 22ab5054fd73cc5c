// Captions written from each photo through the command line: `--caption`
// gives every new screen a caption whose fields take the date and place
// of that screen's photo, and a photo without them gets no caption at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "champs_legende.h"
#include "commande_lumaveil.h"
#include "fichier_projet.h"
#include "dialogue_essai.h"
#include "lieux.h"
#include "outils_externes.h"

namespace lumaveil::testing {
namespace {

class Legendes : public CommandeLumaveil {
 protected:
  void SetUp() override {
    CommandeLumaveil::SetUp();
    setenv("LC_ALL", "C", 1);  // dates as the C locale writes them
  }
};

bool MemesPixels(const talvik::Bitmap& a, const talvik::Bitmap& b) {
  return a && b && a.Width() == b.Width() && a.Height() == b.Height() &&
         std::equal(a.Pixels(), a.Pixels() + a.PixelCount(), b.Pixels());
}

TEST_F(Legendes, FieldsTakeEachPhotosDateAndPlaceAndEmptyCaptionsAreNotDrawn) {
  ASSERT_TRUE(::lumaveil::testing::Lance("cd " + Cite(dir_.Path()) +
                    " && convert -size 1600x1200 gradient:skyblue-darkolivegreen lyon.jpg"
                    " && cp lyon.jpg nue.jpg"
                    " && exiftool -q -q -overwrite_original -DateTimeOriginal='2024:07:14 18:30:00'"
                    " -GPSLatitude=45.7640 -GPSLatitudeRef=N -GPSLongitude=4.8357"
                    " -GPSLongitudeRef=E lyon.jpg"));
  std::string erreur;
  ASSERT_EQ(Lance("--new p.lmv --resolution 1280x720 --caption '{date} · {place}' lyon.jpg nue.jpg",
                  &erreur),
            0)
      << erreur;
  CProjet p;
  CDialogueTest d;
  ASSERT_TRUE(ChargeProjet(p, dir_.File("p.lmv"), d));
  const T_TEXTE& t = p.Ecran(0).Textes[0];
  EXPECT_EQ(t.Libelle, MarqueChamp("date") + " · " + MarqueChamp("place"));
  EXPECT_EQ(t.Utilisation, 1);
  EXPECT_EQ(t.Fonte.lfHeight, -32);  // 4.5 % of 720

  // The same screen with the caption written out by hand draws the same pixels.
  talvik::Lieu lieu;
  ASSERT_TRUE(talvik::LieuLePlusProche(45.7640, 4.8357, &lieu));
  const std::string attendu = "14 July 2024 · " + talvik::TexteLieu(lieu);
  ASSERT_EQ(Lance("--new a_la_main.lmv --resolution 1280x720 --caption " + Cite(attendu) +
                      " lyon.jpg nue.jpg",
                  &erreur),
            0)
      << erreur;
  ASSERT_EQ(Lance("--new sans.lmv --resolution 1280x720 lyon.jpg nue.jpg", &erreur), 0) << erreur;
  const talvik::Bitmap avec = Rend("p.lmv", 1);
  EXPECT_TRUE(MemesPixels(avec, Rend("a_la_main.lmv", 1))) << attendu;
  EXPECT_FALSE(MemesPixels(avec, Rend("sans.lmv", 1)));
  // No date and no place: no caption, not even its box.
  EXPECT_TRUE(MemesPixels(Rend("p.lmv", 2), Rend("sans.lmv", 2)));

  const std::filesystem::path captures = std::filesystem::path(LUMAVEIL_BIN_DIR) / ".." / "screenshots";
  std::filesystem::create_directories(captures);
  talvik::CGraphique::SauveImage((captures / "legende_date_lieu.png").string(), avec, 90, 0, 0);
}

TEST_F(Legendes, CaptionsOnlyGoWithNewProjectsAndFitTheFreeTexts) {
  std::string erreur;
  EXPECT_EQ(Lance("--new p.lmv --caption 1 --caption 2 --caption 3 --caption 4 --caption 5 "
                  "--caption 6",
                  &erreur),
            1);
  EXPECT_NE(erreur.find("caption"), std::string::npos) << erreur;
  EXPECT_EQ(Lance("--new p.lmv --caption '{date}'", &erreur), 0) << erreur;
  EXPECT_EQ(Lance("--render p.lmv --screen 1 --output r.png --caption x", &erreur), 1);
}

}  // namespace
}  // namespace lumaveil::testing
