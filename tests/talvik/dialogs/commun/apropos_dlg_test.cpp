#include "dialogs/commun/apropos_dlg.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/commun/image_qt.h"
#include "photo_essai.h"

using talvik::CAproposdeDlg;

namespace {

TEST(AproposdeDlg, TakesThePictureSizeAndClosesOnAClickOrAfterItsDelay) {
  CAproposdeDlg apropos;
  apropos.m_hImage = talvik::BitmapDepuisImageQt(lumaveil::testing::PhotoDeTest(420, 260));
  apropos.m_strTitre = "About Lumaveil";
  apropos.show();
  EXPECT_EQ(apropos.size(), QSize(420, 260));
  EXPECT_EQ(apropos.windowTitle(), "About Lumaveil");
  lumaveil::testing::CaptureWidget(&apropos, "apropos_dlg");
  QTest::mouseClick(apropos.Image(), Qt::LeftButton);
  EXPECT_FALSE(apropos.isVisible());
  EXPECT_EQ(apropos.result(), QDialog::Accepted);

  CAproposdeDlg demarrage;
  demarrage.m_hImage = apropos.m_hImage;
  demarrage.m_nSecondes = 1;
  demarrage.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !demarrage.isVisible(); }, 5000));
  EXPECT_EQ(demarrage.result(), QDialog::Accepted);
}

}  // namespace
