// The effect dialog through its radio buttons and its OK, Reset and Cancel.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "capture_ecran.h"
#include "effet/effet_dialog.h"

namespace lumaveil {
namespace {

TEST(EffetDlg, OpensOnTheCurrentCodeAndOkKeepsTheCheckedOne) {
  CEffetDlg dlg(7);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Changing effect definition");
  EXPECT_TRUE(dlg.Bouton(7)->isChecked());
  EXPECT_EQ(dlg.Bouton(7)->text(), "Random : ");
  lumaveil::testing::CaptureWidget(&dlg, "effet_dialog");
  QTest::mouseClick(dlg.Bouton(3), Qt::LeftButton);
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Effet(), 3);
}

TEST(EffetDlg, ResetChecksNoEffectWithoutClosingAndOutOfRangeGivesRandom) {
  CEffetDlg dlg(5);
  dlg.show();
  QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(dlg.Bouton(0)->isChecked());
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(dlg.Effet(), 0);

  // A code no button shows: nothing is checked, and OK keeps the last one.
  CEffetDlg inconnu(12);
  inconnu.show();
  for (int i = 0; i < kNombreEffets; ++i) EXPECT_FALSE(inconnu.Bouton(i)->isChecked()) << i;
  QTest::mouseClick(inconnu.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(inconnu.Effet(), 7);
}

TEST(EffetDlg, CancelLeavesTheCodeAlone) {
  int effet = 2;
  QTimer::singleShot(0, [] {
    auto* dlg = qobject_cast<CEffetDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dlg, nullptr);
    QTest::mouseClick(dlg->Bouton(6), Qt::LeftButton);
    dlg->reject();
  });
  EXPECT_EQ(EditeEffet(nullptr, effet), 0);
  EXPECT_EQ(effet, 2);
}

}  // namespace
}  // namespace lumaveil
