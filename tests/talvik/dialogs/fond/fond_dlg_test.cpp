#include "dialogs/fond/fond_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "composition/flou_fond.h"
#include "dialogues_essai.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/motifs/liste_motifs.h"
#include "editeurs_essai.h"

namespace {

using namespace talvik;
using lumaveil::testing::Clique;
using lumaveil::testing::CliqueElement;
using lumaveil::testing::EnregistreurPleinEcran;

class CFondDlgTest : public ::testing::Test {
 protected:
  // A 300 x 200 red picture on a 640 x 480 screen.
  void Ouvre() {
    dlg.m_hImage = Bitmap::Create(300, 200, RGB(255, 0, 0));
    dlg.m_nLargeur = 300;
    dlg.m_nHauteur = 200;
    dlg.m_sizeEcran = CSize(640, 480);
    dlg.InitInstance(&graphique);
    dlg.show();
    dlg.AttendApercu();
  }
  CGraphique graphique;
  CFondDlg dlg;
};

TEST_F(CFondDlgTest, PictureIsCentredOnTheBackgroundAndReducedWithIt) {
  dlg.m_bCouleur = 1;
  dlg.m_crCouleur = RGB(255, 255, 255);
  Ouvre();
  const HBITMAP resultat = dlg.Resultat();
  ASSERT_EQ(resultat.Width(), 640);
  ASSERT_EQ(resultat.Height(), 480);
  EXPECT_EQ(resultat.GetPixel(170, 140), RGB(255, 0, 0));
  EXPECT_EQ(resultat.GetPixel(469, 339), RGB(255, 0, 0));
  EXPECT_EQ(resultat.GetPixel(169, 140), RGB(255, 255, 255));
  EXPECT_EQ(resultat.GetPixel(470, 339), RGB(255, 255, 255));

  // The preview holds the whole background, reduced into the area.
  const CZoneApercu* zone = dlg.Apercu();
  const CSize reduite = TailleReduite(CSize(640, 480), zone->Taille());
  ASSERT_LT(reduite.cx, 640);
  const HBITMAP& apercu = zone->Apercu();
  const int x0 = (zone->Taille().cx - reduite.cx) / 2, y0 = (zone->Taille().cy - reduite.cy) / 2;
  EXPECT_EQ(apercu.GetPixel(x0 + reduite.cx / 2, y0 + reduite.cy / 2), RGB(255, 0, 0));
  EXPECT_EQ(apercu.GetPixel(x0 + 2, y0 + 2), RGB(255, 255, 255));
  EXPECT_EQ(apercu.GetPixel(x0 + reduite.cx * 170 / 640 - 2, y0 + reduite.cy / 2),
            RGB(255, 255, 255));
}

TEST_F(CFondDlgTest, TypeChoosesBetweenThePatternListAndTheColour) {
  dlg.m_bCouleur = 1;
  dlg.m_nMotif = 25;
  Ouvre();
  EXPECT_FALSE(dlg.Liste()->isEnabled());
  EXPECT_TRUE(dlg.CadreCouleur()->isEnabled());
  EXPECT_EQ(dlg.Liste()->Selection(), 25);

  Clique(dlg.m_pMotif);
  EXPECT_TRUE(dlg.Liste()->isEnabled());
  EXPECT_FALSE(dlg.CadreCouleur()->isEnabled());
  CliqueElement(dlg.Liste(), 6);
  EXPECT_EQ(dlg.m_nMotif, 6);
  // A click beside the items keeps the pattern selected.
  QTest::mouseClick(dlg.Liste()->viewport(), Qt::LeftButton, {},
                    QPoint(dlg.Liste()->viewport()->width() - 2,
                           dlg.Liste()->viewport()->height() - 2));
  EXPECT_EQ(dlg.Liste()->Selection(), 6);
  EXPECT_EQ(dlg.m_nMotif, 6);

  dlg.AttendApercu();
  EXPECT_EQ(dlg.Resultat().GetPixel(0, 0), graphique.Motif(6).GetPixel(0, 0));
  Clique(dlg.BoutonOK());
  EXPECT_EQ(dlg.m_bAucun, 0);
  EXPECT_EQ(dlg.m_bMotif, 1);
  EXPECT_EQ(dlg.m_bCouleur, 0);
  EXPECT_EQ(dlg.m_nMotif, 6);
}

TEST_F(CFondDlgTest, NoBackgroundShowsThePictureItself) {
  dlg.m_bAucun = 1;
  Ouvre();
  EXPECT_TRUE(dlg.m_pAucun->isChecked());
  EXPECT_FALSE(dlg.m_pAucun->isVisible());
  EXPECT_FALSE(dlg.Liste()->isEnabled());
  EXPECT_FALSE(dlg.CadreCouleur()->isEnabled());
  EXPECT_TRUE(dlg.Resultat().SameAs(dlg.m_hImage));
  EnregistreurPleinEcran vues;
  QTest::mouseClick(dlg.Apercu(), Qt::LeftButton);
  ASSERT_EQ(vues.Vues().size(), 1u);
  EXPECT_TRUE(vues.Vues()[0].image.SameAs(dlg.m_hImage));
  EXPECT_EQ(vues.Vues()[0].taille, "");
}

TEST_F(CFondDlgTest, ResetChoosesABlackColourBackground) {
  dlg.m_bMotif = 1;
  dlg.m_nMotif = 3;
  dlg.m_crCouleur = RGB(10, 200, 30);
  Ouvre();
  Clique(dlg.BoutonReset());
  EXPECT_FALSE(dlg.m_pMotif->isChecked());
  EXPECT_TRUE(dlg.m_pCouleur->isChecked());
  EXPECT_EQ(dlg.ChoixCouleur()->m_crCouleur, 0u);
  dlg.AttendApercu();
  EXPECT_EQ(dlg.Resultat().GetPixel(0, 0), RGB(0, 0, 0));
  Clique(dlg.BoutonOK());
  EXPECT_EQ(dlg.m_bCouleur, 1);
  EXPECT_EQ(dlg.m_bMotif, 0);
  EXPECT_EQ(dlg.m_crCouleur, 0u);
}

TEST_F(CFondDlgTest, BlurredPhotoFillsTheBarsWithThePictureDarkenedAndComesBackOnOK) {
  dlg.m_bCouleur = 1;
  dlg.m_crCouleur = RGB(255, 255, 255);
  Ouvre();
  Clique(dlg.m_pFlou);
  EXPECT_FALSE(dlg.Liste()->isEnabled());
  EXPECT_FALSE(dlg.CadreCouleur()->isEnabled());
  dlg.AttendApercu();
  const HBITMAP resultat = dlg.Resultat();
  ASSERT_EQ(resultat.Width(), 640);
  EXPECT_EQ(resultat.GetPixel(320, 240), RGB(255, 0, 0));
  const BYTE sombre = BYTE(255 * kLumiereFlou / 256);
  EXPECT_EQ(resultat.GetPixel(0, 0), RGB(sombre, 0, 0));
  const CZoneApercu* zone = dlg.Apercu();
  const CSize reduite = TailleReduite(CSize(640, 480), zone->Taille());
  EXPECT_EQ(zone->Apercu().GetPixel((zone->Taille().cx - reduite.cx) / 2 + 2, zone->Taille().cy / 2),
            RGB(sombre, 0, 0));
  Clique(dlg.BoutonOK());
  EXPECT_EQ(dlg.m_bFlou, 1);
  EXPECT_EQ(dlg.m_bMotif, 0);
  EXPECT_EQ(dlg.m_bCouleur, 0);
}

TEST(CFondDlgCapture, PatternBackgroundBehindAPhotograph) {
  CGraphique graphique;
  CFondDlg dlg;
  dlg.m_hImage = lumaveil::testing::PhotoReelle();
  dlg.m_nLargeur = dlg.m_hImage.Width();
  dlg.m_nHauteur = dlg.m_hImage.Height();
  dlg.m_sizeEcran = CSize(1280, 960);
  dlg.m_bMotif = 1;
  dlg.m_nMotif = 24;
  dlg.InitInstance(&graphique);
  dlg.show();
  dlg.AttendApercu();
  EXPECT_FALSE(lumaveil::testing::CaptureWidget(&dlg, "fond_dlg").isEmpty());
  dlg.DesInitInstance();
}

}  // namespace
