#include "dialogs/redimension/redimension_dlg.h"

#include <QCheckBox>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "editeurs_essai.h"

namespace {

using namespace talvik;
using lumaveil::testing::Attend;
using lumaveil::testing::EnregistreurMessages;
using lumaveil::testing::EnregistreurPleinEcran;
using lumaveil::testing::Tape;

class CRedimensionDlgTest : public ::testing::Test {
 protected:
  void Ouvre(int w = 640, int h = 480) {
    dlg.m_hImage = Bitmap::Create(w, h, RGB(255, 0, 0));
    dlg.m_nLargeur = w;
    dlg.m_nHauteur = h;
    dlg.m_nTailleX = w;
    dlg.m_nTailleY = h;
    dlg.InitInstance(&graphique);
    dlg.show();
  }
  CGraphique graphique;
  CRedimensionDlg dlg;
};

TEST_F(CRedimensionDlgTest, PercentageBeyondItsRangeIsRefusedByOk) {
  Ouvre();
  EXPECT_EQ(dlg.EditionPourcentage()->PlageMin(), 1);
  EXPECT_EQ(dlg.EditionPourcentage()->PlageMax(), 312);
  EXPECT_EQ(dlg.EditionX()->PlageMax(), 2000);
  EXPECT_EQ(dlg.EditionY()->PlageMax(), 2000);
  // The top of the arrows' range still gives a valid size.
  Tape(dlg.EditionPourcentage(), "312");
  EXPECT_EQ(dlg.TailleResultat(), CSize(1996, 1497));
  EXPECT_EQ(dlg.ControleValeurs(), 1);

  Tape(dlg.EditionPourcentage(), "400");
  EXPECT_EQ(dlg.m_nPourcentage, 400);
  EXPECT_EQ(dlg.TailleResultat(), CSize(2560, 1920));
  EXPECT_EQ(dlg.ControleValeurs(), 0);
  EnregistreurMessages messages;
  QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].texte, "Unable to validate data.");
  EXPECT_EQ(messages.Messages()[0].titre, "Error");
  EXPECT_EQ(dlg.m_bPourcentage, 1);
  EXPECT_EQ(dlg.m_nPourcentage, 100);
  EXPECT_EQ(dlg.m_nTailleX, 640);
  EXPECT_EQ(dlg.m_nTailleY, 480);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(CRedimensionDlgTest, KeepingProportionFollowsTheOtherSide) {
  Ouvre();
  // Percentage mode: only the percentage can be typed.
  EXPECT_TRUE(dlg.EditionPourcentage()->isEnabled());
  EXPECT_FALSE(dlg.EditionX()->isEnabled());
  EXPECT_FALSE(dlg.CaseProportion()->isEnabled());
  QTest::mouseClick(dlg.RadioTaille(), Qt::LeftButton);
  EXPECT_EQ(dlg.m_bPourcentage, 0);
  EXPECT_FALSE(dlg.EditionPourcentage()->isEnabled());
  EXPECT_TRUE(dlg.EditionX()->isEnabled());
  EXPECT_TRUE(dlg.EditionY()->isEnabled());
  EXPECT_TRUE(dlg.CaseProportion()->isEnabled());

  Tape(dlg.EditionX(), "100");
  EXPECT_EQ(dlg.m_nTailleX, 100);
  EXPECT_EQ(dlg.m_nTailleY, 75);
  EXPECT_EQ(dlg.EditionY()->value(), 75);
  Tape(dlg.EditionY(), "100");
  EXPECT_EQ(dlg.m_nTailleY, 100);
  EXPECT_EQ(dlg.m_nTailleX, 133);
  EXPECT_EQ(dlg.EditionX()->value(), 133);
  // Truncated, not rounded: 101 x 4 / 3 = 134.67, 101 x 3 / 4 = 75.75.
  Tape(dlg.EditionY(), "101");
  EXPECT_EQ(dlg.m_nTailleX, 134);
  Tape(dlg.EditionX(), "101");
  EXPECT_EQ(dlg.m_nTailleY, 75);

  // Without "KP" the sides are free; checking it again takes the height
  // from the width.
  QTest::mouseClick(dlg.CaseProportion(), Qt::LeftButton);
  EXPECT_EQ(dlg.m_bConservationProportion, 0);
  Tape(dlg.EditionX(), "400");
  EXPECT_EQ(dlg.m_nTailleY, 75);
  QTest::mouseClick(dlg.CaseProportion(), Qt::LeftButton);
  EXPECT_EQ(dlg.m_bConservationProportion, 1);
  EXPECT_EQ(dlg.m_nTailleY, 300);
  EXPECT_EQ(dlg.EditionY()->value(), 300);

  EnregistreurMessages messages;
  QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(dlg.m_bPourcentage, 0);
  EXPECT_EQ(dlg.TailleResultat(), CSize(400, 300));
}

TEST_F(CRedimensionDlgTest, PreviewShowsTheNewSizeAgainstTheArea) {
  Ouvre();
  Tape(dlg.EditionPourcentage(), "25");
  Attend();
  const CZoneApercu* zone = dlg.Zone();
  const int x0 = (int(zone->Taille().cx) - 160) / 2, y0 = (int(zone->Taille().cy) - 120) / 2;
  const HBITMAP& a = zone->Apercu();
  EXPECT_EQ(a.GetPixel(x0, y0), RGB(255, 0, 0));
  EXPECT_EQ(a.GetPixel(x0 + 159, y0 + 119), RGB(255, 0, 0));
  EXPECT_NE(a.GetPixel(x0 - 1, y0), RGB(255, 0, 0));
  EXPECT_NE(a.GetPixel(x0 + 160, y0 + 119), RGB(255, 0, 0));
  EXPECT_NE(a.GetPixel(x0, y0 + 120), RGB(255, 0, 0));
  // Larger than the area, the picture covers it whole.
  Tape(dlg.EditionPourcentage(), "200");
  Attend();
  const HBITMAP& grand = zone->Apercu();
  EXPECT_EQ(grand.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(grand.GetPixel(grand.Width() - 1, grand.Height() - 1), RGB(255, 0, 0));
}

TEST_F(CRedimensionDlgTest, FullScreenShowsTheResizedPictureWithBothSizes) {
  Ouvre();
  EnregistreurPleinEcran vues;
  Tape(dlg.EditionPourcentage(), "50");
  QTest::mouseClick(dlg.Zone(), Qt::LeftButton);
  ASSERT_EQ(vues.Vues().size(), 1u);
  EXPECT_EQ(vues.Vues()[0].taille, "(640x480) -> (320x240)");
  EXPECT_EQ(vues.Vues()[0].largeur, 320);
  EXPECT_EQ(vues.Vues()[0].hauteur, 240);
  Tape(dlg.EditionPourcentage(), "0");
  EnregistreurMessages bips;
  QTest::mouseClick(dlg.Zone(), Qt::LeftButton);
  EXPECT_EQ(vues.Vues().size(), 1u);
  EXPECT_EQ(bips.Bips(), 1);
}

TEST_F(CRedimensionDlgTest, ResetGoesBackToTheWholePictureByPercentage) {
  Ouvre();
  QTest::mouseClick(dlg.RadioTaille(), Qt::LeftButton);
  QTest::mouseClick(dlg.CaseProportion(), Qt::LeftButton);
  Tape(dlg.EditionX(), "30");
  QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
  EXPECT_EQ(dlg.m_bPourcentage, 1);
  EXPECT_TRUE(dlg.RadioPourcentage()->isChecked());
  EXPECT_EQ(dlg.m_nPourcentage, 100);
  EXPECT_EQ(dlg.m_nTailleX, 640);
  EXPECT_EQ(dlg.m_nTailleY, 480);
  EXPECT_EQ(dlg.m_bConservationProportion, 1);
  EXPECT_TRUE(dlg.CaseProportion()->isChecked());
  EXPECT_FALSE(dlg.EditionX()->isEnabled());
}

TEST(CRedimensionDlgCapture, WithAPhotograph) {
  CGraphique graphique;
  CRedimensionDlg dlg;
  dlg.m_hImage = lumaveil::testing::PhotoReelle();
  dlg.m_nLargeur = dlg.m_hImage.Width();
  dlg.m_nHauteur = dlg.m_hImage.Height();
  dlg.m_bPourcentage = 0;
  dlg.m_nTailleX = 256;
  dlg.m_nTailleY = 300;
  dlg.InitInstance(&graphique);
  EXPECT_FALSE(lumaveil::testing::CaptureWidget(&dlg, "redimension_dlg").isEmpty());
}

}  // namespace
