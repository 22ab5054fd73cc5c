// The duration dialog: the arrows keep to 1..180, a typed value is stored
// as typed, Reset puts 3 back.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "capture_ecran.h"
#include "commun/champ_nombre.h"
#include "duree/duree_dialog.h"

namespace lumaveil {
namespace {

void Tape(CChampNombre* champ, const QString& texte) {
  champ->Edit()->selectAll();
  QTest::keyClick(champ->Edit(), Qt::Key_Delete);
  QTest::keyClicks(champ->Edit(), texte);
}

TEST(DureeDlg, TypedValuesOutsideTheArrowsRangeAreStoredAsTyped) {
  for (const char* tape : {"0", "500", "42"}) {
    CDureeDlg dlg(3);
    dlg.show();
    Tape(dlg.Champ(), tape);
    QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
    EXPECT_EQ(dlg.Duree(), QString(tape).toInt()) << tape;
  }
  // Letters are not taken.
  CDureeDlg dlg(3);
  dlg.show();
  Tape(dlg.Champ(), "1x5");
  EXPECT_EQ(dlg.Champ()->Edit()->text(), "15");
}

TEST(DureeDlg, ArrowsNeverLeaveOneToOneHundredAndEighty) {
  CDureeDlg dlg(180);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Displaying duration definition");
  lumaveil::testing::CaptureWidget(&dlg, "duree_dialog");
  QTest::mouseClick(dlg.Champ()->Haut(), Qt::LeftButton);
  EXPECT_EQ(dlg.Champ()->Valeur(), 180);
  Tape(dlg.Champ(), "500");
  QTest::mouseClick(dlg.Champ()->Bas(), Qt::LeftButton);
  EXPECT_EQ(dlg.Champ()->Valeur(), 179);
  Tape(dlg.Champ(), "1");
  QTest::mouseClick(dlg.Champ()->Bas(), Qt::LeftButton);
  EXPECT_EQ(dlg.Champ()->Valeur(), 1);
  Tape(dlg.Champ(), "0");
  QTest::mouseClick(dlg.Champ()->Haut(), Qt::LeftButton);
  EXPECT_EQ(dlg.Champ()->Valeur(), 2);
}

TEST(DureeDlg, ResetPutsThreeBackAndCancelChangesNothing) {
  int duree = 60;
  QTimer::singleShot(0, [] {
    auto* dlg = qobject_cast<CDureeDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->Champ()->Edit()->text(), "60");
    QTest::mouseClick(dlg->BoutonReset(), Qt::LeftButton);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->Champ()->Edit()->text(), "3");
    dlg->reject();
  });
  EXPECT_EQ(EditeDuree(nullptr, duree), 0);
  EXPECT_EQ(duree, 60);
}

}  // namespace
}  // namespace lumaveil
