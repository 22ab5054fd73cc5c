// The gazetteer names the town a position lies in or near, with its
// region and country, and nothing for a position far from every town.
#include <gtest/gtest.h>

#include "lieux.h"

namespace lumaveil::testing {
namespace {

TEST(Lieux, KnownTownsAreFoundAndTheOpenSeaIsNoPlace) {
  struct Cas {
    double latitude, longitude;
    const char *ville, *pays;
  } cas[] = {{45.7640, 4.8357, "Lyon", "France"},
             {35.6895, 139.6917, "Tokyo", "Japan"},
             {-34.6037, -58.3816, "Buenos Aires", "Argentina"},
             // Across the antimeridian: Suva's neighbourhood from the east.
             {-18.1416, 178.4419, "Suva", "Fiji"}};
  for (const Cas& c : cas) {
    talvik::Lieu lieu;
    ASSERT_TRUE(talvik::LieuLePlusProche(c.latitude, c.longitude, &lieu)) << c.ville;
    EXPECT_EQ(lieu.ville, c.ville);
    EXPECT_EQ(lieu.pays, c.pays);
    EXPECT_LT(lieu.distanceKm, 5);
    EXPECT_EQ(talvik::TexteLieu(lieu).rfind(c.ville, 0), 0u);
  }
  talvik::Lieu lieu;
  EXPECT_FALSE(talvik::LieuLePlusProche(-48.8767, -123.3933, &lieu));  // Point Nemo
  EXPECT_FALSE(talvik::LieuLePlusProche(95, 0, &lieu));
  EXPECT_FALSE(talvik::LieuLePlusProche(0, 181, &lieu));
  EXPECT_EQ(talvik::TexteLieu({"Lyon", "Auvergne-Rhône-Alpes", "France", 0}),
            "Lyon, Auvergne-Rhône-Alpes, France");
  EXPECT_EQ(talvik::TexteLieu({"Singapore", "Singapore", "Singapore", 0}), "Singapore");
}

}  // namespace
}  // namespace lumaveil::testing
