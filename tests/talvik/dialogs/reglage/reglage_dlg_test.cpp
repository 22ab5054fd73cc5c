#include "fichiers_images_essai.h"
#include "dialogs/reglage/reglage_dlg.h"

#include <QLabel>
#include <QSlider>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/apercu/zone_apercu.h"
#include "editeurs_essai.h"

namespace {

using namespace talvik;
using lumaveil::testing::Attend;
using lumaveil::testing::EnregistreurPleinEcran;

using lumaveil::testing::MemesPixels;

class CReglageDlgTest : public ::testing::Test {
 protected:
  void Ouvre(int lumiere, int contraste, int intensite) {
    dlg.m_hImage = lumaveil::testing::PhotoReelle();
    dlg.m_nLargeur = dlg.m_hImage.Width();
    dlg.m_nHauteur = dlg.m_hImage.Height();
    dlg.m_nLumiere = lumiere;
    dlg.m_nContraste = contraste;
    dlg.m_nIntensite = intensite;
    dlg.InitInstance(&graphique);
    dlg.show();
  }
  CGraphique graphique;
  CReglageDlg dlg;
};

TEST_F(CReglageDlgTest, NeutralSettingShowsAfterIdenticalToBefore) {
  Ouvre(50, 50, 50);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(dlg.Curseur(i)->minimum(), 0);
    EXPECT_EQ(dlg.Curseur(i)->maximum(), 100);
    EXPECT_EQ(dlg.Curseur(i)->value(), 50);
    EXPECT_EQ(dlg.Valeur(i)->text(), "50");
  }
  EXPECT_TRUE(MemesPixels(dlg.Zone(0)->Apercu(), dlg.Zone(1)->Apercu()));
}

TEST_F(CReglageDlgTest, TrackbarMovesUpdateValuesLabelsAndAfter) {
  Ouvre(50, 50, 50);
  dlg.Curseur(0)->setFocus();
  QTest::keyClick(dlg.Curseur(0), Qt::Key_PageUp);  // light 60
  QTest::keyClick(dlg.Curseur(2), Qt::Key_Right);   // intensity 51
  QTest::keyClick(dlg.Curseur(1), Qt::Key_Left);    // contrast 49
  Attend();
  EXPECT_EQ(dlg.m_nLumiere, 60);
  EXPECT_EQ(dlg.m_nIntensite, 51);
  EXPECT_EQ(dlg.m_nContraste, 49);
  EXPECT_EQ(dlg.Valeur(0)->text(), "60");
  EXPECT_EQ(dlg.Valeur(1)->text(), "49");
  EXPECT_EQ(dlg.Valeur(2)->text(), "51");
  // "After" is the adjusted preview source, "Before" stays as it was.
  const CZoneApercu* apres = dlg.Zone(1);
  HBITMAP attendu = CGraphique::FusionneImage(
      apres->Fond(), CGraphique::ReglageImage(apres->Source(), 60, 49, 51),
      CPoint((apres->Taille().cx - apres->TailleSource().cx) / 2,
             (apres->Taille().cy - apres->TailleSource().cy) / 2),
      0, 0);
  EXPECT_TRUE(MemesPixels(apres->Apercu(), attendu));
  EXPECT_FALSE(MemesPixels(dlg.Zone(0)->Apercu(), apres->Apercu()));

  QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
  Attend();
  EXPECT_EQ(dlg.m_nLumiere, 50);
  EXPECT_EQ(dlg.m_nContraste, 50);
  EXPECT_EQ(dlg.m_nIntensite, 50);
  EXPECT_EQ(dlg.Curseur(0)->value(), 50);
  EXPECT_EQ(dlg.Valeur(0)->text(), "50");
  EXPECT_TRUE(MemesPixels(dlg.Zone(0)->Apercu(), dlg.Zone(1)->Apercu()));
}

TEST_F(CReglageDlgTest, FullScreenShowsThePictureAndItsAdjustment) {
  Ouvre(80, 50, 50);
  EnregistreurPleinEcran vues;
  QTest::mouseClick(dlg.Zone(0), Qt::LeftButton);
  QTest::mouseClick(dlg.Zone(1), Qt::LeftButton);
  ASSERT_EQ(vues.Vues().size(), 2u);
  EXPECT_TRUE(vues.Vues()[0].image.SameAs(dlg.m_hImage));
  EXPECT_EQ(vues.Vues()[0].taille, "");
  EXPECT_TRUE(MemesPixels(vues.Vues()[1].image, CGraphique::ReglageImage(dlg.m_hImage, 80, 50, 50)));
  EXPECT_EQ(vues.Vues()[1].taille, "");
}

TEST(CReglageDlgCapture, WithAPhotograph) {
  CGraphique graphique;
  CReglageDlg dlg;
  dlg.m_hImage = lumaveil::testing::PhotoReelle();
  dlg.m_nLargeur = dlg.m_hImage.Width();
  dlg.m_nHauteur = dlg.m_hImage.Height();
  dlg.m_nLumiere = 62;
  dlg.m_nContraste = 58;
  dlg.m_nIntensite = 60;
  dlg.InitInstance(&graphique);
  EXPECT_FALSE(lumaveil::testing::CaptureWidget(&dlg, "reglage_dlg").isEmpty());
}

}  // namespace
