#include "dialogs/texte/taille_police.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "dialogs/texte/police_qt.h"

namespace {

using namespace talvik;

TEST(ChangeTaillePolice, EightPointsOrLessSwitchToSmallFonts) {
  QLabel petit, normal;
  QFont base(QStringLiteral("Liberation Sans"));
  petit.setFont(base);
  normal.setFont(base);
  const int dpi = PointsParPouceEcran();

  // Pixel heights of 8 and 9 points at the usual screen densities, worked
  // out by hand (a point is 1/72 inch; halves round up: 8 points at 120 dpi
  // is 13.3 pixels, 13).
  const std::map<int, std::pair<int, int>> attendu = {
      {72, {8, 9}}, {96, {11, 12}}, {120, {13, 15}}, {144, {16, 18}}, {192, {21, 24}}};
  const auto tailles = attendu.find(dpi);
  ASSERT_NE(tailles, attendu.end()) << "no expected sizes for " << dpi << " dpi";

  ChangeTaillePolice(&petit, 8);
  EXPECT_EQ(petit.font().family(), "Small Fonts");
  EXPECT_EQ(petit.font().pixelSize(), tailles->second.first) << dpi << " dpi";

  ChangeTaillePolice(&normal, 9);
  EXPECT_EQ(normal.font().family(), "Liberation Sans");
  EXPECT_EQ(normal.font().pixelSize(), tailles->second.second) << dpi << " dpi";
  ChangeTaillePolice(nullptr, 9);  // nothing to change, no crash
}

TEST(MulDiv, RoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(-16, 72, 96), -12);
  EXPECT_EQ(MulDiv(9, 96, 72), 12);
  EXPECT_EQ(MulDiv(1, 3, 2), 2);
  EXPECT_EQ(MulDiv(-1, 3, 2), -2);
  EXPECT_EQ(MulDiv(5, 7, 0), 0);
}

}  // namespace
