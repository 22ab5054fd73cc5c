// Loading a screen's picture and rendering the screen for each purpose: how
// the picture is read, what is reported when it cannot be, and a request
// withdrawn between the load and the rendering.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "base/message.h"
#include "chargement_rendu.h"
#include "graphique.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

// A 1280 x 960 JPEG of smooth colours.
std::string Photo(const lumaveil::testing::TempDir& d) {
  talvik::Bitmap b = talvik::Bitmap::Create(1280, 960);
  for (int y = 0; y < 960; ++y) {
    std::uint32_t* ligne = b.Row(y);
    for (int x = 0; x < 1280; ++x)
      ligne[x] = (std::uint32_t(x / 5) << 16) | (std::uint32_t(y / 4) << 8) | 0x40u;
  }
  const std::string chemin = d.File("photo.jpg");
  EXPECT_EQ(talvik::CGraphique::SauveImageJPEG(chemin, b, 90), 1);
  return chemin;
}

// A 640 x 480 screen whose picture is fitted into 300 x 220 on a background:
// the rendering never needs more than a quarter of the photo's pixels.
std::unique_ptr<CEcran> Ecran() {
  auto e = std::make_unique<CEcran>(SIZE{640, 480});
  e->RedimensionUtilisation = 1;
  e->RedimensionPourcentageUtilisation = 0;
  e->RedimensionTailleX = 300;
  e->RedimensionTailleY = 220;
  e->FondUtilisation = 1;
  e->FondCouleur = talvik::RGB(250, 250, 250);
  return e;
}

DemandeRendu Pour(PourRendu pour) {
  DemandeRendu d;
  d.pour = pour;
  return d;
}

class ChargeEtRendEcranTest : public ::testing::Test {
 protected:
  lumaveil::testing::TempDir dossier_;
  std::string photo_ = Photo(dossier_);
  talvik::CGraphique graphique_;
};

TEST_F(ChargeEtRendEcranTest, OnlyGenerationAndThumbnailsReadTheJpegReducedAndEveryPurposeRendersTheWholeScreen) {
  for (PourRendu pour : {PourRendu::EcranDeTravail, PourRendu::Refonte,
                         PourRendu::LigneDeCommande, PourRendu::Generation}) {
    auto e = Ecran();
    ASSERT_EQ(ChargeEtRendEcran(*e, photo_, graphique_, Pour(pour)), 1) << int(pour);
    EXPECT_EQ(e->CheminImage, photo_);
    // Sizes stay in the file's pixels whatever was decoded.
    EXPECT_EQ(e->TailleImage.cx, 1280);
    EXPECT_EQ(e->TailleImage.cy, 960);
    ASSERT_TRUE(e->ImageFinale) << int(pour);
    EXPECT_EQ(e->ImageFinale.Width(), 640);
    EXPECT_EQ(e->ImageFinale.Height(), 480);
    EXPECT_EQ(e->TailleFinale.cx, 640);
    if (pour == PourRendu::Generation) EXPECT_EQ(e->ReductionSource, 4);
    else EXPECT_EQ(e->ReductionSource, 1) << int(pour);
  }
  // A thumbnail eight times smaller than the screen reads an eighth.
  auto v = Ecran();
  DemandeRendu vignette = Pour(PourRendu::Vignette);
  vignette.echelle = 0.125;
  ASSERT_EQ(ChargeEtRendEcran(*v, photo_, graphique_, vignette), 1);
  EXPECT_EQ(v->ReductionSource, 8);
  ASSERT_TRUE(v->ImageFinale);
  EXPECT_EQ(v->ImageFinale.Width(), 640);
}

TEST_F(ChargeEtRendEcranTest, APictureThatDoesNotLoadIsReportedOnceWhenAskedAndTheScreenIsStillRendered) {
  const std::string absente = dossier_.File("absente.jpg");
  {
    talvik::CMessagesRetenus retenus;
    auto e = Ecran();
    e->CheminImage = "avant.png";
    DemandeRendu d = Pour(PourRendu::Generation);
    d.signaleEchec = true;
    EXPECT_EQ(ChargeEtRendEcran(*e, absente, graphique_, d), 0);
    const auto messages = retenus.Prend();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texte, "Unable to load file");
    EXPECT_EQ(messages[0].fichier, absente);
    // No picture; the path the screen had stays; the background is drawn.
    EXPECT_FALSE(e->ImageSource);
    EXPECT_EQ(e->CheminImage, "avant.png");
    ASSERT_TRUE(e->ImageFinale);
    EXPECT_EQ(e->ImageFinale.Width(), 640);
  }
  {
    talvik::CMessagesRetenus retenus;
    auto e = Ecran();
    EXPECT_EQ(ChargeEtRendEcran(*e, absente, graphique_, Pour(PourRendu::LigneDeCommande)), 0);
    DemandeRendu d = Pour(PourRendu::LigneDeCommande);
    d.signaleEchec = true;
    EXPECT_EQ(ChargeEtRendEcran(*e, "", graphique_, d), 0);  // no picture is no failure
    EXPECT_TRUE(retenus.Prend().empty());
  }
}

TEST_F(ChargeEtRendEcranTest, ARequestWithdrawnAfterTheLoadIsNotRendered) {
  auto e = Ecran();
  int questions = 0;
  DemandeRendu d = Pour(PourRendu::EcranDeTravail);
  d.poursuit = [&] {
    ++questions;
    return false;
  };
  EXPECT_EQ(ChargeEtRendEcran(*e, photo_, graphique_, d), 1);
  EXPECT_EQ(questions, 1);
  EXPECT_TRUE(e->ImageSource);
  EXPECT_FALSE(e->ImageFinale);
}

}  // namespace
}  // namespace lumaveil
