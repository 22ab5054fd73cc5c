#include "dialogs/rotation/rotation_dlg.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/apercu/zone_apercu.h"
#include "editeurs_essai.h"

namespace {

using namespace talvik;
using lumaveil::testing::EnregistreurPleinEcran;
using lumaveil::testing::ImageQuadrants;

struct Boutons {
  bool gauche, inverse, droite;
};

Boutons Etat(const CRotationDlg& dlg) {
  return {dlg.Bouton(-180)->isChecked(), dlg.Bouton(360)->isChecked(),
          dlg.Bouton(180)->isChecked()};
}

TEST(CRotationDlg, ButtonsToggleTheirCodeAndOnlyOneStaysPressed) {
  CGraphique graphique;
  CRotationDlg dlg;
  dlg.m_hImage = ImageQuadrants(64, 48);
  dlg.m_nLargeur = 64;
  dlg.m_nHauteur = 48;
  dlg.m_nAngle = 360;
  dlg.InitInstance(&graphique);
  dlg.show();
  // The button of the code handed in is pressed on opening; the buttons
  // and the explanation name the true angles of the half-degree codes.
  Boutons b = Etat(dlg);
  EXPECT_EQ(dlg.Bouton(-180)->text(), QString::fromUtf8("-90°"));
  EXPECT_EQ(dlg.Bouton(360)->text(), QString::fromUtf8("180°"));
  EXPECT_EQ(dlg.Bouton(180)->text(), QString::fromUtf8("90°"));
  bool explique = false;
  for (const QLabel* l : dlg.findChildren<QLabel*>())
    explique = explique || l->text().contains(QString::fromUtf8("left arrow  (-90°),  center (180°)  or "
                                                                "right (90°)"));
  EXPECT_TRUE(explique);
  EXPECT_TRUE(!b.gauche && b.inverse && !b.droite);

  QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);
  QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);
  EXPECT_EQ(dlg.m_nAngle, 0);
  b = Etat(dlg);
  EXPECT_TRUE(!b.gauche && !b.inverse && !b.droite);

  QTest::mouseClick(dlg.Bouton(-180), Qt::LeftButton);
  QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);
  EXPECT_EQ(dlg.m_nAngle, 180);
  b = Etat(dlg);
  EXPECT_TRUE(!b.gauche && !b.inverse && b.droite);

  QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
  EXPECT_EQ(dlg.m_nAngle, 0);
  b = Etat(dlg);
  EXPECT_TRUE(!b.gauche && !b.inverse && !b.droite);
}

TEST(CRotationDlg, PreviewShowsTheTurnedPictureFittedAndCentred) {
  CGraphique graphique;
  CRotationDlg dlg;
  dlg.m_hImage = ImageQuadrants(640, 480);
  dlg.m_nLargeur = 640;
  dlg.m_nHauteur = 480;
  dlg.InitInstance(&graphique);
  dlg.show();
  QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);

  const CZoneApercu* zone = dlg.Zone();
  const HBITMAP& apercu = zone->Apercu();
  ASSERT_EQ(apercu.Width(), zone->Taille().cx);
  ASSERT_EQ(apercu.Height(), zone->Taille().cy);
  // Turned, the picture is taller than wide: it fills the area's height
  // and is centred across.
  const int h = int(zone->Taille().cy);
  const int w = h * 3 / 4;
  const int x0 = (int(zone->Taille().cx) - w) / 2;
  // A quarter turn clockwise takes the red top left to the top right and
  // the blue bottom left to the top left.
  EXPECT_EQ(apercu.GetPixel(x0 + w - 3, 2), RGB(255, 0, 0));
  EXPECT_EQ(apercu.GetPixel(x0 + 2, 2), RGB(0, 0, 255));
  EXPECT_EQ(apercu.GetPixel(x0 + 2, h - 3), RGB(255, 255, 0));
  // Beside it the background shows (grey, not a picture colour).
  const COLORREF fond = apercu.GetPixel(x0 - 3, h / 2);
  EXPECT_EQ(GetRValue(fond), GetGValue(fond));
  EXPECT_EQ(GetGValue(fond), GetBValue(fond));
}

TEST(CRotationDlg, SmallPictureIsShownAtItsOwnSize) {
  CGraphique graphique;
  CRotationDlg dlg;
  dlg.m_hImage = Bitmap::Create(100, 50, RGB(255, 0, 0));
  dlg.m_nLargeur = 100;
  dlg.m_nHauteur = 50;
  dlg.InitInstance(&graphique);
  dlg.show();
  const CZoneApercu* zone = dlg.Zone();
  const int x0 = (int(zone->Taille().cx) - 100) / 2, y0 = (int(zone->Taille().cy) - 50) / 2;
  const HBITMAP& apercu = zone->Apercu();
  EXPECT_EQ(apercu.GetPixel(x0, y0), RGB(255, 0, 0));
  EXPECT_EQ(apercu.GetPixel(x0 + 99, y0 + 49), RGB(255, 0, 0));
  EXPECT_NE(apercu.GetPixel(x0 - 1, y0), RGB(255, 0, 0));
  EXPECT_NE(apercu.GetPixel(x0 + 100, y0 + 49), RGB(255, 0, 0));
  EXPECT_NE(apercu.GetPixel(x0, y0 + 50), RGB(255, 0, 0));
}

TEST(CRotationDlg, FullScreenShowsTheWholePictureTurnedWithoutLabel) {
  CGraphique graphique;
  EnregistreurPleinEcran vues;
  CRotationDlg dlg;
  const HBITMAP image = ImageQuadrants(640, 480);
  dlg.m_hImage = image;
  dlg.m_nLargeur = 640;
  dlg.m_nHauteur = 480;
  dlg.InitInstance(&graphique);
  dlg.show();
  QTest::mouseClick(dlg.Bouton(-180), Qt::LeftButton);
  QTest::mouseClick(dlg.Zone(), Qt::LeftButton);
  ASSERT_EQ(vues.Vues().size(), 1u);
  EXPECT_EQ(vues.Vues()[0].largeur, 480);
  EXPECT_EQ(vues.Vues()[0].hauteur, 640);
  EXPECT_EQ(vues.Vues()[0].taille, "");
  // Anticlockwise: the red top left goes to the bottom left.
  EXPECT_EQ(vues.Vues()[0].image.GetPixel(0, 639), RGB(255, 0, 0));
  // The caller's picture is untouched.
  EXPECT_EQ(image.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(image.Width(), 640);
}

TEST(CRotationDlg, ModalRunEndsWithOkAndTheChosenCode) {
  CGraphique graphique;
  CRotationDlg dlg;
  dlg.m_hImage = lumaveil::testing::PhotoReelle();
  dlg.m_nLargeur = dlg.m_hImage.Width();
  dlg.m_nHauteur = dlg.m_hImage.Height();
  dlg.InitInstance(&graphique);
  QTimer::singleShot(0, &dlg, [&dlg] {
    QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);
    lumaveil::testing::CaptureWidget(&dlg, "rotation_dlg");
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_nAngle, 180);

  CRotationDlg annule;
  annule.m_hImage = dlg.m_hImage;
  annule.InitInstance(&graphique);
  QTimer::singleShot(0, &annule, [&annule] {
    QTest::mouseClick(annule.BoutonAnnuler(), Qt::LeftButton);
  });
  EXPECT_EQ(annule.DoModal(), IDCANCEL);
}

}  // namespace
