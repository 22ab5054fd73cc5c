#include "dialogs/commun/plein_ecran_dlg.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "photo_essai.h"

using talvik::CPleinEcranDlg;

namespace {

// Counts the warning beeps while it lives.
struct CompteurBips {
  int bips = 0;
  talvik::HookBip ancien;
  CompteurBips() { ancien = talvik::InstalleHookBip([this] { ++bips; }); }
  ~CompteurBips() { talvik::InstalleHookBip(ancien); }
};

talvik::HBITMAP Photo(int largeur, int hauteur) {
  return talvik::BitmapDepuisImageQt(lumaveil::testing::PhotoDeTest(largeur, hauteur));
}

TEST(PleinEcranDlg, ZoomGoesByATwentiethBetweenATenthAnd1950) {
  CPleinEcranDlg vue;
  vue.m_hImage = Photo(1000, 600);
  vue.InitInstance(nullptr);
  vue.show();
  CompteurBips compteur;

  int pas = 0;
  while (compteur.bips == 0 && pas < 100) {
    QTest::keyClick(&vue, Qt::Key_Plus, Qt::KeypadModifier);
    ++pas;
  }
  EXPECT_EQ(vue.m_nLargeurAffichee, 1950);
  EXPECT_EQ(vue.m_nHauteurAffichee, 1170);
  EXPECT_EQ(pas, 20);  // 19 steps of 50 from 1000, then one beep
  EXPECT_EQ(vue.m_hImageZoom.Width(), 1950);

  QTest::keyClick(&vue, Qt::Key_Space);
  EXPECT_EQ(vue.m_nLargeurAffichee, 1000);
  compteur.bips = 0;
  pas = 0;
  while (compteur.bips == 0 && pas < 100) {
    QTest::keyClick(&vue, Qt::Key_Minus, Qt::KeypadModifier);
    ++pas;
  }
  EXPECT_EQ(vue.m_nLargeurAffichee, 100);
  EXPECT_EQ(vue.m_nHauteurAffichee, 60);
  EXPECT_EQ(pas, 19);
  // The shown picture stays centred (the screen's size minus one).
  EXPECT_EQ(vue.PositionImage(),
            QPoint((vue.m_nLargeurEcran - 100) / 2 - 1, (vue.m_nHauteurEcran - 60) / 2 - 1));
}

TEST(PleinEcranDlg, MovesOnlyAPictureSmallerThanTheScreenAndKeepsItInside) {
  CPleinEcranDlg vue;
  vue.m_hImage = Photo(200, 100);
  vue.m_strTaille = "(200x100)";
  vue.InitInstance(nullptr);
  vue.show();
  lumaveil::testing::CaptureWidget(&vue, "plein_ecran_dlg");
  const QPoint depart = vue.PositionImage();
  QTest::keyClick(&vue, Qt::Key_Right);
  EXPECT_EQ(vue.PositionImage(), depart + QPoint(10, 0));
  for (int i = 0; i < 200; ++i) QTest::keyClick(&vue, Qt::Key_Up);
  EXPECT_EQ(vue.PositionImage().y(), 0);
  for (int i = 0; i < 200; ++i) QTest::keyClick(&vue, Qt::Key_Right);
  EXPECT_EQ(vue.PositionImage().x(), vue.m_nLargeurEcran - 200);
  QWheelEvent roue(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&vue, &roue);
  EXPECT_EQ(vue.PositionImage().y(), 10);

  CPleinEcranDlg grande;
  grande.m_hImage = Photo(2400, 300);
  grande.InitInstance(nullptr);
  grande.show();
  const QPoint centre = grande.PositionImage();
  QTest::keyClick(&grande, Qt::Key_Left);
  QTest::keyClick(&grande, Qt::Key_Down);
  EXPECT_EQ(grande.PositionImage(), centre);
}

TEST(PleinEcranDlg, AClickOnThePictureClosesItExceptInSlideMode) {
  CPleinEcranDlg vue;
  vue.m_hImage = Photo(300, 200);
  vue.InitInstance(nullptr);
  vue.show();
  auto* image = vue.findChild<QLabel*>();
  ASSERT_NE(image, nullptr);
  QTest::mouseClick(image, Qt::LeftButton);
  EXPECT_FALSE(vue.isVisible());
  EXPECT_EQ(vue.result(), QDialog::Accepted);

  CPleinEcranDlg diaporama;
  diaporama.m_bDiaporama = 1;
  diaporama.m_hImage = Photo(300, 200);
  diaporama.InitInstance(nullptr);
  diaporama.show();
  EXPECT_EQ(diaporama.AfficheEtTeste(), 0);
  QTest::keyClick(&diaporama, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(diaporama.m_nLargeurAffichee, 300);  // no zoom in slide mode
  EXPECT_EQ(diaporama.AfficheEtTeste(), 1);
  EXPECT_TRUE(diaporama.isVisible());
}

TEST(PleinEcranDlg, ClosesByItselfAfterItsDelay) {
  CPleinEcranDlg vue;
  vue.m_hImage = Photo(64, 64);
  vue.m_nDelai = 20;
  vue.InitInstance(nullptr);
  vue.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !vue.isVisible(); }, 5000));
  EXPECT_EQ(vue.result(), QDialog::Accepted);
}

}  // namespace
