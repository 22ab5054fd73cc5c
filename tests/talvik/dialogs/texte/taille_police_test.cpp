#include "dialogs/texte/taille_police.h"

#include <QLabel>
#include <gtest/gtest.h>

#include "dialogs/texte/police_qt.h"

namespace {

using namespace talvik;

TEST(ChangeTaillePolice, EightPointsOrLessSwitchToSmallFonts) {
  QLabel petit, normal;
  QFont base(QStringLiteral("Liberation Sans"));
  petit.setFont(base);
  normal.setFont(base);
  const int dpi = PointsParPouceEcran();

  ChangeTaillePolice(&petit, 8);
  EXPECT_EQ(petit.font().family(), "Small Fonts");
  EXPECT_EQ(petit.font().pixelSize(), MulDiv(8, dpi, 72));

  ChangeTaillePolice(&normal, 9);
  EXPECT_EQ(normal.font().family(), "Liberation Sans");
  EXPECT_EQ(normal.font().pixelSize(), MulDiv(9, dpi, 72));
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
