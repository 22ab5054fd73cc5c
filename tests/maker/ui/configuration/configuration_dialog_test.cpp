// The configuration dialog writes its three settings back on OK only.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "capture_ecran.h"
#include "commun/champ_nombre.h"
#include "configuration/configuration_dialog.h"
#include "projet/controleur_projet.h"

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

// The open project's playing choices: shown as the project has them, given
// to the project controller on OK (the project is then modified), left
// alone on Cancel.
TEST(ConfigurationDlg, ThePlayingChoicesOfTheProjectGoThroughItsControllerOnOk) {
  ParametresApplication p;
  CProjet projet;
  projet.MoniteursDifferents = 1;
  CControleurProjet controleur(projet);
  QSignalSpy modifie(&controleur, &CControleurProjet::modifie);
  {
    CConfigurationDlg dlg(p, &controleur);
    dlg.show();
    EXPECT_FALSE(dlg.CaseMelange()->isChecked());
    EXPECT_TRUE(dlg.EcransDifferents()->isChecked());
    QTest::mouseClick(dlg.CaseMelange(), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(dlg.MemeEcran(), Qt::LeftButton, {}, QPoint(8, 8));
    dlg.reject();
  }
  EXPECT_EQ(projet.MelangeEcrans, 0);
  EXPECT_EQ(projet.MoniteursDifferents, 1);
  EXPECT_EQ(modifie.count(), 0);

  projet.CheminEcranDeVeille = "/tmp/old.scr";
  CConfigurationDlg dlg(p, &controleur);
  dlg.show();
  QTest::mouseClick(dlg.CaseMelange(), Qt::LeftButton, {}, QPoint(8, 8));
  QTest::mouseClick(dlg.MemeEcran(), Qt::LeftButton, {}, QPoint(8, 8));
  lumaveil::testing::CaptureWidget(&dlg, "configuration_dialog_lecture");
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(projet.MelangeEcrans, 1);
  EXPECT_EQ(projet.MoniteursDifferents, 0);
  EXPECT_GE(modifie.count(), 1);
  // The saver made before plays the old way: it is not offered for sending.
  EXPECT_TRUE(projet.CheminEcranDeVeille.empty());
}

}  // namespace
}  // namespace lumaveil
