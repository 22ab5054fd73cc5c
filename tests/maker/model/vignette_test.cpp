// The list thumbnail made away from the user interface.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "ecran.h"
#include "exif_essai.h"
#include "graphique.h"
#include "images_comparees.h"
#include "dossier_temporaire.h"
#include "vignette.h"

namespace lumaveil {
namespace {

using talvik::RGB;

class Vignette : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dossier_ = new lumaveil::testing::TempDir;
    setenv("LUMAVEIL_REGISTRY", (dossier_->Path() + "/registry.reg").c_str(), 1);
    graphique_ = new talvik::CGraphique;
    // Four quarters of plain colours: what the thumbnail must show.
    photo_ = dossier_->File("photo.jpg");
    ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(photo_, Quarts(1600, 1200), 90), 1);
  }
  static talvik::Bitmap Quarts(int w, int h) {
    const talvik::COLORREF quarts[4] = {RGB(0xC0, 0x20, 0x20), RGB(0x20, 0x20, 0xC0),
                                        RGB(0x20, 0xC0, 0x20), RGB(0xE0, 0xE0, 0x40)};
    return lumaveil::testing::Quadrants(w, h, quarts);
  }
  static void TearDownTestSuite() {
    delete graphique_;
    delete dossier_;
  }
  static std::unique_ptr<CEcran> Ecran(int motifCadre = 0) {
    auto e = std::make_unique<CEcran>(SIZE{1280, 960});
    e->CheminImage = photo_;
    e->RedimensionUtilisation = 1;
    e->RedimensionPourcentageUtilisation = 0;
    e->RedimensionTailleX = 1200;
    e->RedimensionTailleY = 900;
    e->CadreUtilisation = 1;
    e->CadreTaille = 20;
    e->CadreMotifUtilisation = motifCadre > 0;
    e->CadreMotif = motifCadre;
    e->FondCouleur = RGB(255, 255, 255);
    e->Textes[0].Utilisation = 1;
    e->Textes[0].Libelle = "Lumaveil";
    return e;
  }
  static talvik::CGraphique* graphique_;
  static lumaveil::testing::TempDir* dossier_;
  static std::string photo_;
};
talvik::CGraphique* Vignette::graphique_ = nullptr;
lumaveil::testing::TempDir* Vignette::dossier_ = nullptr;
std::string Vignette::photo_;

TEST_F(Vignette, ShowsTheScreenAsTheListThumbnailDoes) {
  auto e = Ecran();
  HBITMAP v = VignetteEcran(*e, *graphique_);
  ASSERT_TRUE(v);
  EXPECT_EQ(v.Width(), 150);
  EXPECT_EQ(v.Height(), 110);
  // The same thumbnail made from the full picture on the screen itself.
  e->CreeVignette(*graphique_);
  ASSERT_TRUE(e->Vignette);
  std::int64_t somme = 0;
  for (int y = 0; y < 110; ++y)
    for (int x = 0; x < 150; ++x)
      for (int k = 0; k < 24; k += 8)
        somme += std::abs(int((v.Row(y)[x] >> k) & 0xFF) - int((e->Vignette.Row(y)[x] >> k) & 0xFF));
  EXPECT_LE(double(somme) / (150.0 * 110.0 * 3.0), 2.0);
  // Grey frame, white background, the four quarters in their places.
  EXPECT_EQ(v.GetPixel(2, 2), RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(v.GetPixel(6, 6), RGB(255, 255, 255));
  const COLORREF hautGauche = v.GetPixel(45, 35), basDroite = v.GetPixel(105, 80);
  EXPECT_NEAR(int(talvik::GetRValue(hautGauche)), 0xC0, 8);
  EXPECT_NEAR(int(talvik::GetBValue(basDroite)), 0x40, 8);
  EXPECT_NEAR(int(talvik::GetGValue(basDroite)), 0xE0, 8);
  // The screen's own pictures are not touched by VignetteEcran.
  EXPECT_FALSE(e->ImageSource);
}

TEST_F(Vignette, MissingPictureGivesTheBackdropOrTheBackground) {
  auto e = Ecran();
  e->CheminImage = dossier_->File("absente.jpg");
  HBITMAP fond = HBITMAP::Create(140, 100, RGB(10, 20, 30));
  HBITMAP v = VignetteEcran(*e, *graphique_, fond);
  ASSERT_TRUE(v);
  EXPECT_EQ(v.GetPixel(75, 55), RGB(255, 255, 255));  // the screen's background
  e->FondUtilisation = 0;
  v = VignetteEcran(*e, *graphique_, fond);
  ASSERT_TRUE(v);
  EXPECT_EQ(v.Width(), 150);
  EXPECT_EQ(v.GetPixel(75, 55), RGB(10, 20, 30));
  EXPECT_EQ(v.GetPixel(0, 0), RGB(0xC0, 0xC0, 0xC0));
}

TEST_F(Vignette, ThreadsSharingThePatternBankGetTheSameThumbnails) {
  // Pattern borders are drawn the first time they are used: several
  // threads meet on the same patterns at once.
  talvik::CGraphique propre;
  std::vector<int> motifs = {3, 7, 3, 12, 7, 12, 3, 7};
  std::vector<HBITMAP> resultats(motifs.size());
  std::vector<std::thread> fils;
  for (std::size_t i = 0; i < motifs.size(); ++i)
    fils.emplace_back([&, i] { resultats[i] = VignetteEcran(*Ecran(motifs[i]), propre); });
  for (auto& f : fils) f.join();
  for (std::size_t i = 0; i < motifs.size(); ++i) {
    HBITMAP attendu = VignetteEcran(*Ecran(motifs[i]), *graphique_);
    ASSERT_TRUE(resultats[i]) << i;
    ASSERT_TRUE(attendu);
    EXPECT_TRUE(std::equal(attendu.Pixels(), attendu.Pixels() + attendu.PixelCount(),
                           resultats[i].Pixels()))
        << "motif " << motifs[i];
  }
}

TEST_F(Vignette, CameraThumbnailStandsInForThePhotoWhenItHasPixelsEnough) {
  // The photo as a camera writes it, its 160 x 120 copy in the Exif block.
  const std::string camera = dossier_->File("camera.jpg");
  ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(camera, Quarts(1600, 1200), 90), 1);
  ASSERT_TRUE(lumaveil::testing::AjouteVignetteExif(camera, Quarts(160, 120)));
  auto e = Ecran();
  const HBITMAP complete = VignetteEcran(*e, *graphique_);
  e->CheminImage = camera;
  const HBITMAP v = VignetteEcran(*e, *graphique_);
  ASSERT_TRUE(v);
  // Same frame, background, caption and picture place as from the photo.
  EXPECT_LE(lumaveil::testing::EcartMoyen(complete, v), 2.0);

  // A copy that does not show the photo's content reveals which one the
  // thumbnail comes from.
  const std::string bleue = dossier_->File("bleue.jpg");
  ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(bleue, Quarts(1600, 1200), 90), 1);
  ASSERT_TRUE(lumaveil::testing::AjouteVignetteExif(
      bleue, talvik::Bitmap::Create(160, 120, RGB(0, 0, 255))));
  e->CheminImage = bleue;
  auto bleu = [](const HBITMAP& b) { return b && talvik::GetBValue(b.GetPixel(45, 35)) > 200; };
  EXPECT_TRUE(bleu(VignetteEcran(*e, *graphique_)));
  // A crop needs the photo's own pixels.
  e->RecoupeUtilisation = 1;
  e->RecoupeRectangle = RECT{0, 0, 1600, 1200};
  EXPECT_FALSE(bleu(VignetteEcran(*e, *graphique_)));
  e->RecoupeUtilisation = 0;
  // At 200 % the thumbnail needs more than 160 x 120 pixels of the photo.
  const HBITMAP fond2x = HBITMAP::Create(280, 200, RGB(200, 200, 200));
  const HBITMAP v2x = VignetteEcran(*e, *graphique_, fond2x);
  ASSERT_TRUE(v2x);
  EXPECT_EQ(v2x.Width(), 300);
  EXPECT_LT(talvik::GetBValue(v2x.GetPixel(90, 70)), 100);
  // So does a screen showing the picture at its own size.
  e->RedimensionUtilisation = 0;
  EXPECT_FALSE(bleu(VignetteEcran(*e, *graphique_)));
}

}  // namespace
}  // namespace lumaveil
