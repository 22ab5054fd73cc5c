// The main window at its default size and maximised by the window manager:
// the working screen takes the room in its proportions, drawn sharp for
// the size it shows at, the panels whole beside or below it and no line
// of theirs cut. The screen list zooms with the keyboard's Zoom In and Out
// and with Ctrl and the wheel, its thumbnails drawn again for their size.
// Screenshots: fenetre_defaut_WxH, fenetre_agrandie_WxH, liste_zoom_WxH.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "dossier_temporaire.h"
#include "ecrans_essai.h"
#include "fenetre/main_frame.h"
#include "fenetre_essai.h"
#include "liste/liste_view.h"
#include "panneaux/boite_ecran.h"
#include "photo_essai.h"
#include "pointeur_x.h"
#include "principale/principale_view.h"
#include "projet_essai.h"
#include "travail/travail.h"

namespace lumaveil {
namespace {

using testing::Attend;
using testing::CaptureEcran;
using testing::Touches;

QString Taille() {
  const QSize s = QGuiApplication::primaryScreen()->size();
  return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

class FenetreAgrandie : public ::testing::Test {
 protected:
  FenetreAgrandie() {
    // A 16:9 saver, a white background: the line "Defined white color
    // background." is among those shown.
    testing::ProjetEssai(contexte_).ModeleEcran.TailleCible = SIZE{1920, 1080};
    frame_ = testing::FenetreEssai(contexte_, SIZE{1920, 1080});
    const QString photo = QString::fromStdString(dossier_.File("photo.jpg"));
    testing::PhotoDeTest(2400, 1800).save(photo, "JPEG", 90);
    frame_->Travail().InsereImages({photo});
    CEcran& ecran = frame_->Travail().EcranPret();
    ecran.FondUtilisation = 1;
    ecran.FondCouleur = talvik::RGB(255, 255, 255);
    frame_->Travail().Valide(3);
    testing::MontreEtActive(frame_.get());
    Attend([this] { return frame_->ListeView()->VignettesEnAttente() == 0; }, 20000);
  }

  CBoiteEcran* Boite() const {
    return frame_->PrincipaleView()->findChild<CBoiteEcran*>();
  }
  // The window holds still at its size, and the sharp picture is shown.
  bool Pose() const {
    QRect avant = frame_->geometry();
    for (int i = 0; i < 50; ++i) {
      QTest::qWait(100);
      if (frame_->geometry() == avant && !Boite()->ReductionEnCours()) return true;
      avant = frame_->geometry();
    }
    return false;
  }

  // Everything a user would find wrong with the window as it is: the
  // screen out of its proportions or blurred, a panel out of sight, a
  // text cut.
  void VerifieFenetre(const std::string& etat) const {
    CBoiteEcran* boite = Boite();
    ASSERT_NE(boite, nullptr);
    const QRect ecran = boite->RectEcran();
    EXPECT_NEAR(double(ecran.width()) / ecran.height(), 1920.0 / 1080.0, 0.02) << etat;
    const QImage& reduite = boite->Reduite();
    EXPECT_EQ(reduite.size(), boite->RectImage().size() * boite->devicePixelRatioF()) << etat;
    CPrincipaleView* vue = frame_->PrincipaleView();
    const QRect visible = vue->viewport()->rect();
    for (QGroupBox* g : {vue->GroupeRetouche(), vue->GroupeDecor(), vue->GroupeTransition()}) {
      const QRect place(g->mapTo(vue->viewport(), QPoint(0, 0)), g->size());
      EXPECT_TRUE(visible.contains(place))
          << etat << ": " << g->title().toStdString() << " at " << place.x() << "," << place.y()
          << " " << place.width() << "x" << place.height() << " in " << visible.width() << "x"
          << visible.height();
      EXPECT_FALSE(place.intersects(QRect(boite->mapTo(vue->viewport(), QPoint(0, 0)), boite->size())))
          << etat << ": " << g->title().toStdString() << " over the screen";
    }
    for (QLabel* l : frame_->findChildren<QLabel*>()) {
      if (!l->isVisible() || l->text().isEmpty() || l->wordWrap()) continue;
      EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()))
          << etat << ": " << l->text().toStdString();
    }
  }

  testing::TempDir dossier_;
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(FenetreAgrandie, TheWorkingScreenTakesTheRoomWithThePanelsWholeBesideOrBelowIt) {
  ASSERT_TRUE(Pose());
  VerifieFenetre("default size");
  const QSize avant = Boite()->RectEcran().size(), fenetreAvant = frame_->size();
  CaptureEcran("fenetre_defaut_" + Taille());

  frame_->showMaximized();
  ASSERT_TRUE(Attend([this] { return frame_->isMaximized(); }, 5000));
  ASSERT_TRUE(Pose());
  VerifieFenetre("maximised");
  const QSize apres = Boite()->RectEcran().size();
  // The screen grows with the window (which on a small screen may have
  // had nearly all of it already).
  EXPECT_GE(apres.width(), avant.width()) << apres.width() << " after " << avant.width();
  EXPECT_GE(apres.height(), avant.height());
  if (frame_->width() > fenetreAvant.width() + 40 && frame_->height() > fenetreAvant.height() + 40) {
    EXPECT_GT(apres.width() * apres.height(), avant.width() * avant.height() * 5 / 4);
  }
  CaptureEcran("fenetre_agrandie_" + Taille());
  frame_->showNormal();
}

// Zoom In and Out with the keyboard's keys, then Ctrl and the wheel over
// the list: the thumbnails change size, drawn for the pixels of their new
// size; the actions grey at the ends.
TEST_F(FenetreAgrandie, TheListZoomsWithTheKeysAndWithCtrlAndTheWheel) {
  CListeView* liste = frame_->ListeView();
  liste->FixeZoom(100);
  const QSize depart = liste->iconSize();
  auto nette = [liste] {
    const qreal echelle = liste->devicePixelRatioF();
    for (int i = 0; i < liste->model()->rowCount(); ++i)
      if (testing::IconeLigne(liste->Ligne(i)).pixmap(liste->iconSize(), echelle).size() !=
          liste->iconSize() * echelle)
        return false;
    return true;
  };
  testing::Clique(liste, liste->RectLigne(0).center());
  Touches("ctrl+plus");
  ASSERT_TRUE(Attend([liste] { return liste->Zoom() == 120; })) << liste->Zoom();
  EXPECT_EQ(liste->iconSize(), QSize(180, 132));
  EXPECT_TRUE(Attend([&] { return liste->VignettesEnAttente() == 0 && nette(); }, 20000));
  Touches("ctrl+minus");
  ASSERT_TRUE(Attend([liste] { return liste->Zoom() == 100; })) << liste->Zoom();
  EXPECT_EQ(liste->iconSize(), depart);

  const QPoint milieu = liste->viewport()->rect().center();
  testing::Survole(liste->viewport(), milieu);
  for (int i = 0; i < 3; ++i) testing::Xdotool("keydown ctrl click 4 keyup ctrl");
  ASSERT_TRUE(Attend([liste] { return liste->Zoom() == 200; })) << liste->Zoom();
  EXPECT_TRUE(Attend([&] { return liste->VignettesEnAttente() == 0 && nette(); }, 20000));
  // The list widened to hold a column of the larger thumbnails.
  EXPECT_GE(liste->viewport()->width(), liste->gridSize().width());
  CaptureEcran("liste_zoom_" + Taille());
  for (int i = 0; i < 6; ++i) testing::Xdotool("keydown ctrl click 5 keyup ctrl");
  ASSERT_TRUE(Attend([liste] { return liste->Zoom() == CListeView::kZoomMinimal; }))
      << liste->Zoom();
  EXPECT_FALSE(frame_->Action(Commande::ZoomArriere)->isEnabled());
  EXPECT_TRUE(frame_->Action(Commande::ZoomAvant)->isEnabled());
  // The wheel alone scrolls and leaves the zoom.
  testing::Xdotool("click 4");
  EXPECT_EQ(liste->Zoom(), CListeView::kZoomMinimal);
}

}  // namespace
}  // namespace lumaveil
