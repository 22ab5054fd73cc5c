// The list's thumbnail workers: several threads, one order of delivery.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphique.h"
#include "liste/fabrique_vignettes.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

// Large and small pictures mixed, so that the workers finish out of turn.
TEST(FabriqueVignettes, ThumbnailsArriveInRequestOrderAndACancelHoldsNothingBack) {
  testing::TempDir dossier;
  setenv("LUMAVEIL_REGISTRY", dossier.File("registry.reg").c_str(), 1);
  const std::string grande = dossier.File("grande.jpg"), petite = dossier.File("petite.jpg");
  ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(
                grande, talvik::Bitmap::Create(2400, 1800, talvik::RGB(200, 40, 40)), 90),
            1);
  ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(
                petite, talvik::Bitmap::Create(160, 120, talvik::RGB(40, 40, 200)), 90),
            1);
  CFabriqueVignettes fabrique;
  std::vector<std::uint64_t> recus;
  fabrique.FixeReception([&](std::uint64_t jeton, talvik::HBITMAP v) {
    EXPECT_TRUE(v) << jeton;
    recus.push_back(jeton);
  });
  // Everything delivered within 30 s, the events of the deliveries handled.
  auto livre = [&] {
    for (int i = 0; i < 3000 && fabrique.EnAttente() > 0; ++i) QTest::qWait(10);
    QCoreApplication::processEvents();
    return fabrique.EnAttente() == 0;
  };
  auto demande = [&](std::uint64_t jeton) {
    CEcran e(SIZE{640, 480});
    e.CheminImage = jeton % 3 == 0 ? grande : petite;
    fabrique.Demande(jeton, e);
  };

  std::vector<std::uint64_t> attendus;
  for (std::uint64_t j = 0; j < 9; ++j) {
    demande(j);
    attendus.push_back(j);
  }
  ASSERT_TRUE(livre());
  EXPECT_EQ(recus, attendus);

  // Requests dropped while others are being made: only the later ones
  // come, in their order, and the count of pending ones falls to zero.
  recus.clear();
  for (std::uint64_t j = 10; j < 16; ++j) demande(j);
  fabrique.AnnuleTout();
  for (std::uint64_t j = 100; j < 104; ++j) demande(j);
  ASSERT_TRUE(livre());
  EXPECT_EQ(recus, (std::vector<std::uint64_t>{100, 101, 102, 103}));
}

}  // namespace
}  // namespace lumaveil
