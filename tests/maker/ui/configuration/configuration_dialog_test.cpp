// The configuration dialog writes its three settings back on OK only.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "capture_ecran.h"
#include "commun/champ_nombre.h"
#include "configuration/configuration_dialog.h"

namespace lumaveil {
namespace {

TEST(ConfigurationDlg, OkStoresTheThreeValuesAndTheFieldAsTyped) {
  ParametresApplication p;  // 75, 0, 1
  CConfigurationDlg dlg(p);
  dlg.show();
  EXPECT_TRUE(dlg.AssistantOui()->isChecked());
  EXPECT_TRUE(dlg.CompressionNon()->isChecked());
  EXPECT_EQ(dlg.Qualite()->Edit()->text(), "75");
  lumaveil::testing::CaptureWidget(&dlg, "configuration_dialog");
  QTest::mouseClick(dlg.AssistantNon(), Qt::LeftButton);
  QTest::mouseClick(dlg.CompressionOui(), Qt::LeftButton);
  dlg.Qualite()->Edit()->selectAll();
  QTest::keyClicks(dlg.Qualite()->Edit(), "250");
  EXPECT_EQ(p.JPEGQuality, 75);  // nothing before OK
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(p.StartWizard, 0);
  EXPECT_EQ(p.MailCompression, 1);
  EXPECT_EQ(p.JPEGQuality, 250);
}

TEST(ConfigurationDlg, ArrowsKeepToZeroToOneHundredAndCancelChangesNothing) {
  ParametresApplication p;
  p.JPEGQuality = 100;
  p.StartWizard = 0;
  CConfigurationDlg dlg(p);
  dlg.show();
  EXPECT_TRUE(dlg.AssistantNon()->isChecked());
  QTest::mouseClick(dlg.Qualite()->Haut(), Qt::LeftButton);
  EXPECT_EQ(dlg.Qualite()->Valeur(), 100);
  QTest::mouseClick(dlg.AssistantOui(), Qt::LeftButton);
  dlg.reject();
  EXPECT_EQ(p.StartWizard, 0);
  EXPECT_EQ(p.JPEGQuality, 100);
}

}  // namespace
}  // namespace lumaveil
