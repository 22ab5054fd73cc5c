#include "dialogs/texte/taille_police.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/texte/police_qt.h"

namespace {

using namespace talvik;

TEST(ChangeTaillePolice, EightPointsOrLessSwitchToSmallFonts) {
  QLabel petit, normal;
  QFont base(QStringLiteral("Liberation Sans"));
  petit.setFont(base);
  normal.setFont(base);
  const int dpi = PointsParPouceEcran();

  // A point is 1/72 inch: the size in pixels is points x dpi / 72 rounded
  // half away from zero (8 points: 11 pixels at 96 dpi, 9 points: 12).
  ChangeTaillePolice(&petit, 8);
  EXPECT_EQ(petit.font().family(), "Small Fonts");
  EXPECT_EQ(petit.font().pixelSize(), std::lround(8.0 * dpi / 72.0)) << dpi << " dpi";
  if (dpi == 96) {
    EXPECT_EQ(petit.font().pixelSize(), 11);
  }

  ChangeTaillePolice(&normal, 9);
  EXPECT_EQ(normal.font().family(), "Liberation Sans");
  EXPECT_EQ(normal.font().pixelSize(), std::lround(9.0 * dpi / 72.0)) << dpi << " dpi";
  if (dpi == 96) {
    EXPECT_EQ(normal.font().pixelSize(), 12);
  }
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
