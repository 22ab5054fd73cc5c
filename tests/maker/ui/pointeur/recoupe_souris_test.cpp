// "Cutting a picture" under the real pointer: the crop drawn, moved and
// resized on "Before" with press, small moves and release; the pointer's
// shape over the frame; a click without a drag still opens the full-screen
// view, whose size label stays readable on a light photo; typed values keep
// working.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <gtest/gtest.h>

#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/plein_ecran_dlg.h"
#include "dialogs/recoupe/recoupe_dlg.h"
#include "editeurs_essai.h"
#include "pointeur_x.h"

namespace lumaveil::testing {
namespace {

using talvik::CRecoupeDlg;
using talvik::RECT;

std::string Taille() {
  const QSize s = QGuiApplication::primaryScreen()->size();
  return std::to_string(s.width()) + "x" + std::to_string(s.height());
}

class RecoupeSouris : public ::testing::Test {
 protected:
  // A 640 x 480 picture, twice the 320 x 240 preview: picture pixels are
  // twice the preview's.
  void Ouvre(talvik::HBITMAP image) {
    dlg.m_hImage = image;
    dlg.m_nLargeur = image.Width();
    dlg.m_nHauteur = image.Height();
    dlg.m_rectRecoupe = RECT{0, 0, image.Width(), image.Height()};
    dlg.InitInstance(&graphique);
    ASSERT_TRUE(MontreEtActive(&dlg));
    avant = dlg.Zone(0);
    ASSERT_EQ(avant->size(), QSize(320, 240)) << "the preview's size changed: adapt the points";
  }
  RECT Champs() const {
    return RECT{dlg.Edition(0)->value(), dlg.Edition(1)->value(), dlg.Edition(2)->value(),
                dlg.Edition(3)->value()};
  }
  static std::string Texte(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
  }
  Qt::CursorShape Curseur(QPoint p) {
    Survole(avant, p);
    return avant->cursor().shape();
  }

  talvik::CGraphique graphique;
  CRecoupeDlg dlg;
  talvik::CZoneApercu* avant = nullptr;
};

TEST_F(RecoupeSouris, DrawMoveAndResizeTheFrameWithThePointer) {
  Ouvre(ImageQuadrants(640, 480));
  // Drawn from the bottom right to the top left: the fields follow in
  // picture pixels, the top left first.
  Presse(avant, QPoint(200, 150));
  DeplaceEnPas(avant, QPoint(200, 150), QPoint(40, 30));
  EXPECT_EQ(Texte(Champs()), "80,60,400,300") << "the fields follow while the button is down";
  Relache();
  EXPECT_EQ(Texte(dlg.m_rectRecoupe), "80,60,400,300");
  EXPECT_EQ(Texte(Champs()), "80,60,400,300");

  // The pointer's shape over the frame (preview 40,30 - 200,150).
  EXPECT_EQ(Curseur(QPoint(120, 90)), Qt::SizeAllCursor);
  EXPECT_EQ(Curseur(QPoint(200, 90)), Qt::SizeHorCursor);
  EXPECT_EQ(Curseur(QPoint(41, 90)), Qt::SizeHorCursor);
  EXPECT_EQ(Curseur(QPoint(120, 30)), Qt::SizeVerCursor);
  EXPECT_EQ(Curseur(QPoint(199, 151)), Qt::SizeFDiagCursor);
  EXPECT_EQ(Curseur(QPoint(40, 150)), Qt::SizeBDiagCursor);
  EXPECT_EQ(Curseur(QPoint(10, 200)), Qt::CrossCursor);

  // Moved: the size stays, the frame stops at the picture's edge.
  Glisse(avant, QPoint(120, 90), QPoint(140, 100));
  EXPECT_EQ(Texte(Champs()), "120,80,440,320");
  Glisse(avant, QPoint(120, 90), QPoint(300, 90));
  EXPECT_EQ(Texte(Champs()), "320,80,640,320") << "moved past the right edge";
  // The left edge, then the top left corner.
  Glisse(avant, QPoint(160, 120), QPoint(100, 120));
  EXPECT_EQ(Texte(Champs()), "200,80,640,320");
  Glisse(avant, QPoint(100, 40), QPoint(60, 10));
  EXPECT_EQ(Texte(Champs()), "120,20,640,320");
  // An edge dragged past the opposite one stops one pixel before it.
  Glisse(avant, QPoint(100, 160), QPoint(100, 2));
  EXPECT_EQ(Texte(Champs()), "120,20,640,21");
  EXPECT_EQ(Texte(dlg.m_rectRecoupe), "120,20,640,21");

  // Typed values still count, and the pointer then works on them.
  Clique(dlg.Edition(3), QPoint(10, dlg.Edition(3)->height() / 2));
  Touches("ctrl+a");
  Tape("400");
  Touches("Tab");
  EXPECT_EQ(Texte(dlg.m_rectRecoupe), "120,20,640,400");
  Glisse(avant, QPoint(200, 100), QPoint(180, 90));
  EXPECT_EQ(Texte(Champs()), "80,0,600,380");
  CaptureEcran(QString::fromStdString("recoupe_souris_" + Taille()));
}

// A click, even one whose pointer shakes by a pixel, opens the full-screen
// view; a drag does not.
TEST_F(RecoupeSouris, AClickWithoutADragOpensTheFullScreenView) {
  Ouvre(ImageQuadrants(640, 480));
  EnregistreurPleinEcran vues;
  Clique(avant, QPoint(100, 100));
  Presse(avant, QPoint(150, 100));
  Survole(avant, QPoint(151, 100));
  Relache();
  Glisse(avant, QPoint(100, 100), QPoint(200, 200));
  ASSERT_EQ(vues.Vues().size(), 2u);
  EXPECT_EQ(vues.Vues()[0].taille, "(640x480)");
  EXPECT_EQ(vues.Vues()[1].largeur, 640);
  EXPECT_EQ(Texte(dlg.m_rectRecoupe), "200,200,400,400");
}

// The viewer opened by a real click on a white picture: its size label is
// light text on a dark plate (most of its pixels dark), and a click closes
// the viewer.
TEST_F(RecoupeSouris, TheFullScreenSizeLabelIsReadableOnALightPhoto) {
  Ouvre(talvik::HBITMAP::Create(640, 480, talvik::RGB(250, 250, 245)));
  bool vu = false;
  int sombres = -1, clairs = -1;
  QPointer<QWidget> ouverte;
  PendantModal([&](QWidget* vue) {
    ouverte = vue;
    QLabel* taille = nullptr;
    for (QLabel* l : vue->findChildren<QLabel*>())
      if (l->text() == "(640x480)") taille = l;
    if (taille && taille->isVisible()) {
      vu = true;
      const QImage ecran(CaptureEcran(QString::fromStdString("plein_ecran_clair_" + Taille())));
      const QRect r(taille->mapToGlobal(QPoint(0, 0)), taille->size());
      sombres = clairs = 0;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          (qGray(ecran.pixel(x, y)) < 100 ? sombres : clairs) += 1;
    }
    Clique(vue, QPoint(vue->width() / 2, vue->height() / 2));
  });
  Clique(avant, QPoint(160, 120));
  EXPECT_TRUE(Attend([&] { return !ouverte || !ouverte->isVisible(); }))
      << "a click did not close the viewer";
  ASSERT_TRUE(vu) << "no size label shown";
  EXPECT_GT(sombres, 2 * clairs) << "the label is not on a dark plate";
  EXPECT_GT(clairs, 0) << "no light text on the plate";
}

}  // namespace
}  // namespace lumaveil::testing
