// The effect dialog through its radio buttons and its OK, Reset and Cancel.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
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

// The moving effects come after the designed ones; the transition length
// is open only for them, goes back to 1.5 s on Reset, and a length the
// field shows rounded is kept unless the user changes it.
TEST(EffetDlg, MovingEffectsFollowTheDesignedOnesWithTheirTransitionLength) {
  CEffetDlg dlg(ValeursEffet{2, 1250});
  dlg.show();
  EXPECT_EQ(dlg.Bouton(8)->text(), "Cross-fade");
  EXPECT_EQ(dlg.Bouton(9)->text(), "Pan and zoom");
  EXPECT_EQ(dlg.Bouton(10)->text(), "Random (all effects)");
  EXPECT_FALSE(dlg.DureeTransition()->isEnabled());
  QTest::mouseClick(dlg.Bouton(9), Qt::LeftButton);
  EXPECT_TRUE(dlg.DureeTransition()->isEnabled());
  lumaveil::testing::CaptureWidget(&dlg, "effet_dialog_panoramique");
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(dlg.Valeurs().effet, 9);
  EXPECT_EQ(dlg.Valeurs().dureeTransitionMs, 1250);

  for (const auto& [tape, attendu] : {std::pair{"3.7", 3700}, {"5", 5000}, {"0.5", 500}}) {
    CEffetDlg d(ValeursEffet{8, 1500});
    d.show();
    QDoubleSpinBox* champ = d.DureeTransition();
    champ->selectAll();
    QTest::keyClicks(champ, tape);
    QTest::mouseClick(d.BoutonOk(), Qt::LeftButton);
    EXPECT_EQ(d.Valeurs().effet, 8);
    EXPECT_EQ(d.Valeurs().dureeTransitionMs, attendu) << tape;
  }

  CEffetDlg remis(ValeursEffet{10, 4000});
  remis.show();
  QTest::mouseClick(remis.BoutonReset(), Qt::LeftButton);
  EXPECT_TRUE(remis.Bouton(0)->isChecked());
  EXPECT_FALSE(remis.DureeTransition()->isEnabled());
  QTest::mouseClick(remis.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(remis.Valeurs().effet, 0);
  EXPECT_EQ(remis.Valeurs().dureeTransitionMs, 1500);
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
