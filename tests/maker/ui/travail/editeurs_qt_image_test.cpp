// The per-screen commands with the real picture editors: the user works in
// the dialog, confirms, and the screen takes the values and use flags and
// is committed at the command's level.
#include "travail/editeurs_qt.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

#include "dialogs/apercu/spin_edition.h"
#include "dialogs/recoupe/recoupe_dlg.h"
#include "dialogs/redimension/redimension_dlg.h"
#include "dialogs/reglage/reglage_dlg.h"
#include "dialogs/rotation/rotation_dlg.h"
#include "editeurs_essai.h"
#include "travail/commandes_ecran.h"
#include "travail_essai.h"

namespace lumaveil {
namespace {

using testing::Tape;
using testing::TravailFactice;

// Acts on the editor of type Dlg once its modal loop runs.
template <class Dlg>
void Pendant(std::function<void(Dlg&)> action) {
  QTimer::singleShot(0, [action] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* dlg = qobject_cast<Dlg*>(w); dlg && dlg->isVisible()) {
        action(*dlg);
        return;
      }
    }
    ADD_FAILURE() << "the editor did not open";
  });
}

class EditeursImage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier.isValid());
    ASSERT_EQ(travail.EcranCourant().ChargeImage(
                  testing::FichierPhoto(dossier, "photo.bmp", 640, 480)),
              1);
  }
  CEcran& Ecran() { return travail.EcranCourant(); }

  QTemporaryDir dossier;
  TravailFactice travail;
  CEditeursQt editeurs{nullptr, travail.Graphique()};
  CCommandesEcran commandes{travail, editeurs};
};

TEST_F(EditeursImage, RotatingTurnsCroppingOffAndRotatingByZeroTurnsRotationOff) {
  Ecran().RecoupeUtilisation = 1;
  Pendant<talvik::CRotationDlg>([](talvik::CRotationDlg& dlg) {
    EXPECT_EQ(dlg.m_nLargeur, 640);
    EXPECT_EQ(dlg.m_nHauteur, 480);
    QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Rotation();
  EXPECT_EQ(Ecran().RotationAngle, 180);
  EXPECT_EQ(Ecran().RotationUtilisation, 180);
  EXPECT_EQ(Ecran().RecoupeUtilisation, 0);
  EXPECT_EQ(travail.niveaux, std::vector<int>{kNiveauRotation});

  Pendant<talvik::CRotationDlg>([](talvik::CRotationDlg& dlg) {
    EXPECT_TRUE(dlg.Bouton(180)->isChecked());
    QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Rotation();
  EXPECT_EQ(Ecran().RotationAngle, 0);
  EXPECT_EQ(Ecran().RotationUtilisation, 0);
  EXPECT_EQ(travail.niveaux.size(), 2u);
}

TEST_F(EditeursImage, CancelChangesNothingAndCommitsNothing) {
  Pendant<talvik::CRotationDlg>([](talvik::CRotationDlg& dlg) {
    QTest::mouseClick(dlg.Bouton(-180), Qt::LeftButton);
    QTest::mouseClick(dlg.BoutonAnnuler(), Qt::LeftButton);
  });
  commandes.Rotation();
  EXPECT_EQ(Ecran().RotationAngle, 0);
  EXPECT_TRUE(travail.niveaux.empty());
}

TEST_F(EditeursImage, ColourEditorSeesTheTurnedPictureAndNeutralValuesTurnItOff) {
  Ecran().RotationAngle = 180;
  Ecran().RotationUtilisation = 180;
  Ecran().ReglageUtilisation = 1;
  Ecran().ReglageLumiere = 70;
  Pendant<talvik::CReglageDlg>([](talvik::CReglageDlg& dlg) {
    EXPECT_EQ(dlg.m_nLargeur, 480);
    EXPECT_EQ(dlg.m_nHauteur, 640);
    EXPECT_EQ(dlg.Curseur(0)->value(), 70);
    QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Reglage();
  EXPECT_EQ(Ecran().ReglageLumiere, 50);
  EXPECT_EQ(Ecran().ReglageUtilisation, 0);
  EXPECT_EQ(travail.niveaux, std::vector<int>{kNiveauReglage});

  Pendant<talvik::CReglageDlg>([](talvik::CReglageDlg& dlg) {
    dlg.Curseur(1)->setFocus();
    QTest::keyClick(dlg.Curseur(1), Qt::Key_PageUp);
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Reglage();
  EXPECT_EQ(Ecran().ReglageContraste, 60);
  EXPECT_EQ(Ecran().ReglageUtilisation, 1);
}

TEST_F(EditeursImage, CroppingTheWholePictureTurnsCroppingOff) {
  Ecran().RotationAngle = -180;
  Ecran().RotationUtilisation = -180;
  Pendant<talvik::CRecoupeDlg>([](talvik::CRecoupeDlg& dlg) {
    // Cropping off: the whole turned picture is offered.
    EXPECT_EQ(dlg.m_rectRecoupe.right, 480);
    EXPECT_EQ(dlg.m_rectRecoupe.bottom, 640);
    Tape(dlg.Edition(0), "40");
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Recoupe();
  EXPECT_EQ(Ecran().RecoupeUtilisation, 1);
  EXPECT_EQ(Ecran().RecoupeRectangle.left, 40);
  EXPECT_EQ(Ecran().RecoupeRectangle.right, 480);
  EXPECT_EQ(travail.niveaux, std::vector<int>{kNiveauSuite});

  Pendant<talvik::CRecoupeDlg>([](talvik::CRecoupeDlg& dlg) {
    EXPECT_EQ(dlg.Edition(0)->value(), 40);
    QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Recoupe();
  EXPECT_EQ(Ecran().RecoupeUtilisation, 0);
}

TEST_F(EditeursImage, StretchingToTheCurrentSizeTurnsResizingOff) {
  Pendant<talvik::CRedimensionDlg>([](talvik::CRedimensionDlg& dlg) {
    EXPECT_EQ(dlg.m_nPourcentage, 100);
    EXPECT_EQ(dlg.m_nTailleX, 640);
    Tape(dlg.EditionPourcentage(), "50");
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Redimension();
  EXPECT_EQ(Ecran().RedimensionUtilisation, 1);
  EXPECT_EQ(Ecran().RedimensionPourcentageValeur, 50);
  EXPECT_EQ(travail.niveaux, std::vector<int>{kNiveauSuite});

  Pendant<talvik::CRedimensionDlg>([](talvik::CRedimensionDlg& dlg) {
    EXPECT_EQ(dlg.EditionPourcentage()->value(), 50);
    QTest::mouseClick(dlg.RadioTaille(), Qt::LeftButton);
    Tape(dlg.EditionX(), "640");  // "KP" gives 480
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Redimension();
  EXPECT_EQ(Ecran().RedimensionPourcentageUtilisation, 0);
  EXPECT_EQ(Ecran().RedimensionTailleX, 640);
  EXPECT_EQ(Ecran().RedimensionTailleY, 480);
  EXPECT_EQ(Ecran().RedimensionUtilisation, 0);
}

// A 100-megapixel panorama goes through the editors as a small photo does:
// each dialog opens on the whole turned picture, and the screen renders
// after every change.
TEST(EditeursGrandeImage, AHundredMegapixelPanoramaIsTurnedCroppedAndResized) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  const std::string chemin = QDir(dossier.path()).filePath("panorama.jpg").toStdString();
  ASSERT_EQ(talvik::CGraphique::SauveImageJPEG(
                chemin, talvik::Bitmap::Create(20000, 5000, talvik::RGB(40, 90, 200)), 80),
            1);
  TravailFactice travail;
  CEditeursQt editeurs{nullptr, travail.Graphique()};
  CCommandesEcran commandes{travail, editeurs};
  CEcran& ecran = travail.EcranCourant();
  ASSERT_EQ(ecran.ChargeImage(chemin), 1);

  Pendant<talvik::CRotationDlg>([](talvik::CRotationDlg& dlg) {
    EXPECT_EQ(dlg.m_nLargeur, 20000);
    EXPECT_EQ(dlg.m_nHauteur, 5000);
    QTest::mouseClick(dlg.Bouton(180), Qt::LeftButton);
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Rotation();
  Pendant<talvik::CRecoupeDlg>([](talvik::CRecoupeDlg& dlg) {
    EXPECT_EQ(dlg.m_rectRecoupe.right, 5000);
    EXPECT_EQ(dlg.m_rectRecoupe.bottom, 20000);
    Tape(dlg.Edition(1), "4000");
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Recoupe();
  Pendant<talvik::CRedimensionDlg>([](talvik::CRedimensionDlg& dlg) {
    EXPECT_EQ(dlg.m_nLargeur, 5000);
    EXPECT_EQ(dlg.m_nHauteur, 16000);
    Tape(dlg.EditionPourcentage(), "1");
    QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  });
  commandes.Redimension();

  EXPECT_EQ(travail.niveaux.size(), 3u);
  EXPECT_EQ(ecran.RotationUtilisation, 180);
  EXPECT_EQ(ecran.RecoupeRectangle.top, 4000);
  ASSERT_TRUE(ecran.ImageFinale);
  // The turned, cropped picture at 1 %: 50 x 160 in the middle of the screen.
  const talvik::COLORREF milieu = ecran.ImageFinale.GetPixel(ecran.ImageFinale.Width() / 2,
                                                             ecran.ImageFinale.Height() / 2);
  EXPECT_NEAR(talvik::GetBValue(milieu), 200, 8);
  EXPECT_NEAR(talvik::GetRValue(milieu), 40, 8);
}

}  // namespace
}  // namespace lumaveil
