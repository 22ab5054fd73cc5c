#include "dialogs/recoupe/recoupe_dlg.h"

#include <QTimer>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/plein_ecran_dlg.h"
#include "editeurs_essai.h"

namespace {

using namespace talvik;
using lumaveil::testing::Attend;
using lumaveil::testing::EnregistreurMessages;
using lumaveil::testing::EnregistreurPleinEcran;
using lumaveil::testing::ImageQuadrants;
using lumaveil::testing::Tape;

class CRecoupeDlgTest : public ::testing::Test {
 protected:
  void Ouvre(RECT rect, int w = 640, int h = 480) {
    dlg.m_hImage = ImageQuadrants(w, h);
    dlg.m_nLargeur = w;
    dlg.m_nHauteur = h;
    dlg.m_rectRecoupe = rect;
    dlg.InitInstance(&graphique);
    dlg.show();
  }
  CGraphique graphique;
  CRecoupeDlg dlg;
};

bool Egal(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(CRecoupeDlgTest, OpensWithTheRectangleAndRangesOfThePicture) {
  Ouvre(RECT{10, 20, 300, 400});
  EXPECT_EQ(dlg.Edition(0)->value(), 10);
  EXPECT_EQ(dlg.Edition(1)->value(), 20);
  EXPECT_EQ(dlg.Edition(2)->value(), 300);
  EXPECT_EQ(dlg.Edition(3)->value(), 400);
  for (int i : {0, 2}) {
    EXPECT_EQ(dlg.Edition(i)->PlageMin(), 0);
    EXPECT_EQ(dlg.Edition(i)->PlageMax(), 640);
  }
  for (int i : {1, 3}) EXPECT_EQ(dlg.Edition(i)->PlageMax(), 480);
  // The arrows stop at the range; typing goes beyond it.
  Tape(dlg.Edition(2), "640");
  QTest::keyClick(dlg.Edition(2), Qt::Key_Up);
  EXPECT_EQ(dlg.m_rectRecoupe.right, 640);
  Tape(dlg.Edition(2), "700");
  EXPECT_EQ(dlg.m_rectRecoupe.right, 700);
  EnregistreurMessages messages;
  QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_TRUE(Egal(dlg.m_rectRecoupe, RECT{10, 20, 700, 400}));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(CRecoupeDlgTest, OkRefusesAnEmptyRectangleAndTakesTheWholePicture) {
  Ouvre(RECT{100, 100, 200, 200});
  Tape(dlg.Edition(2), "100");  // X2 = X1
  EXPECT_EQ(dlg.ControleValeurs(), 0);
  EnregistreurMessages messages;
  QTest::mouseClick(dlg.BoutonOK(), Qt::LeftButton);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].texte, "Unable to validate data.");
  EXPECT_EQ(messages.Messages()[0].titre, "Error");
  EXPECT_EQ(messages.Messages()[0].icone, IconeMessage::Erreur);
  EXPECT_TRUE(Egal(dlg.m_rectRecoupe, RECT{0, 0, 640, 480}));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(CRecoupeDlgTest, PreviewsOutlineAndShowTheKeptPart) {
  Ouvre(RECT{0, 0, 640, 480});
  // The middle of the picture: a quarter of each quadrant.
  Tape(dlg.Edition(0), "160");
  Tape(dlg.Edition(1), "120");
  Tape(dlg.Edition(2), "480");
  Tape(dlg.Edition(3), "360");
  Attend();
  const CZoneApercu* apres = dlg.Zone(1);
  const CSize zone = apres->Taille(), source = apres->TailleSource();
  const int cw = int(source.cx / 2), ch = int(source.cy / 2);
  const int x0 = (int(zone.cx) - cw) / 2, y0 = (int(zone.cy) - ch) / 2;
  const HBITMAP& a = apres->Apercu();
  EXPECT_EQ(a.GetPixel(x0 + 1, y0 + 1), RGB(255, 0, 0));
  EXPECT_EQ(a.GetPixel(x0 + cw - 2, y0 + 1), RGB(0, 255, 0));
  EXPECT_EQ(a.GetPixel(x0 + 1, y0 + ch - 2), RGB(0, 0, 255));
  EXPECT_EQ(a.GetPixel(x0 + cw - 2, y0 + ch - 2), RGB(255, 255, 0));
  EXPECT_NE(a.GetPixel(x0 - 1, y0 + 1), RGB(255, 0, 0));

  // "Before": the whole picture with the rectangle outlined in red.
  const CZoneApercu* avant = dlg.Zone(0);
  const int bx = (int(zone.cx) - int(source.cx)) / 2, by = (int(zone.cy) - int(source.cy)) / 2;
  const HBITMAP& b = avant->Apercu();
  EXPECT_EQ(b.GetPixel(bx + int(source.cx) / 4, by + int(source.cy) / 2), RGB(255, 0, 0));
  EXPECT_EQ(b.GetPixel(bx + int(source.cx) / 2, by + int(source.cy) / 4), RGB(255, 0, 0));
  EXPECT_EQ(b.GetPixel(bx + int(source.cx) * 3 / 4, by + int(source.cy) / 4), RGB(0, 255, 0));

  // An empty rectangle leaves both previews as they were.
  const HBITMAP avantVide = dlg.Zone(1)->Apercu();
  Tape(dlg.Edition(3), "50");
  Attend();
  EXPECT_TRUE(dlg.Zone(1)->Apercu().SameAs(avantVide));
}

TEST_F(CRecoupeDlgTest, FullScreenViewsCarryTheirSizesAndNeedAValidRectangle) {
  Ouvre(RECT{100, 50, 400, 150});
  EnregistreurPleinEcran vues;
  QTest::mouseClick(dlg.Zone(1), Qt::LeftButton);
  QTest::mouseClick(dlg.Zone(0), Qt::LeftButton);
  ASSERT_EQ(vues.Vues().size(), 2u);
  EXPECT_EQ(vues.Vues()[0].taille, "(640x480) -> (300x100)");
  EXPECT_EQ(vues.Vues()[0].largeur, 300);
  EXPECT_EQ(vues.Vues()[0].hauteur, 100);
  EXPECT_EQ(vues.Vues()[1].taille, "(640x480)");
  EXPECT_EQ(vues.Vues()[1].largeur, 640);
  // The outline is red over the green quadrant.
  EXPECT_EQ(vues.Vues()[1].image.GetPixel(350, 50), RGB(255, 0, 0));
  EXPECT_EQ(vues.Vues()[1].image.GetPixel(350, 51), RGB(0, 255, 0));
  Tape(dlg.Edition(0), "400");
  EnregistreurMessages bips;
  QTest::mouseClick(dlg.Zone(1), Qt::LeftButton);
  QTest::mouseClick(dlg.Zone(0), Qt::LeftButton);
  EXPECT_EQ(vues.Vues().size(), 2u);
  EXPECT_EQ(bips.Bips(), 2);
  EXPECT_TRUE(bips.Messages().empty());
}

TEST_F(CRecoupeDlgTest, ResetTakesTheWholePicture) {
  Ouvre(RECT{100, 50, 300, 150});
  QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
  EXPECT_TRUE(Egal(dlg.m_rectRecoupe, RECT{0, 0, 640, 480}));
  EXPECT_EQ(dlg.Edition(2)->value(), 640);
  EXPECT_EQ(dlg.Edition(3)->value(), 480);
}

TEST(CRecoupeDlgCapture, WithAPhotograph) {
  CGraphique graphique;
  CRecoupeDlg dlg;
  dlg.m_hImage = lumaveil::testing::PhotoReelle();
  dlg.m_nLargeur = dlg.m_hImage.Width();
  dlg.m_nHauteur = dlg.m_hImage.Height();
  dlg.m_rectRecoupe = RECT{120, 60, 400, 360};
  dlg.InitInstance(&graphique);
  EXPECT_FALSE(lumaveil::testing::CaptureWidget(&dlg, "recoupe_dlg").isEmpty());
  // The real viewer on the kept part, with its size label.
  QString vue;
  QTimer::singleShot(0, [&vue] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* plein = qobject_cast<CPleinEcranDlg*>(w); plein && plein->isVisible()) {
        vue = lumaveil::testing::CaptureWidget(plein, "recoupe_dlg_plein_ecran");
        plein->accept();
      }
    }
  });
  QTest::mouseClick(dlg.Zone(1), Qt::LeftButton);
  EXPECT_FALSE(vue.isEmpty());
}

}  // namespace
