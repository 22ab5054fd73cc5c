// The main window at the display's scale: this program runs once at 100 %
// and once at 200 % (QT_SCALE_FACTOR). Every picture on screen must be drawn
// for the physical pixels (a 1x picture stretched to 2x is blurred), no
// text may be cut, and the window is captured at that scale
// (fenetre_principale_100.png, fenetre_principale_200.png). An editor's
// preview and pattern list are held to the same (editeur_fond_100.png,
// editeur_fond_200.png).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "ecrans_essai.h"
#include "fenetre_essai.h"
#include "travail/travail.h"
#include "capture_ecran.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/motifs/liste_motifs.h"
#include "fenetre/main_frame.h"
#include "attente_essai.h"
#include "liste/liste_view.h"
#include "panneaux/boite_ecran.h"
#include "photo_essai.h"
#include "principale/principale_view.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

class HauteDensite : public ::testing::Test {
 protected:
  HauteDensite() {
    frame_ = testing::FenetreEssai(contexte_);
    frame_->resize(1120, 760);
    frame_->show();
    QStringList photos;
    for (int i = 0; i < 3; ++i) {
      photos << QString::fromStdString(dossier_.File("photo" + std::to_string(i) + ".jpg"));
      testing::PhotoDeTest(1600 - 300 * i, 1200).save(photos.back(), "JPEG", 90);
    }
    frame_->Travail().InsereImages(photos);
    // The thumbnails are made on a worker thread.
    // (In a constructor: the check cannot return, it only fails.)
    (void)QTest::qWaitFor([this] { return VignettesPretes(); }, 20000);
    EXPECT_TRUE(VignettesPretes());
    QApplication::processEvents();
  }

  bool VignettesPretes() const {
    CListeView* liste = frame_->ListeView();
    if (liste->model()->rowCount() != 4) return false;
    for (int i = 0; i < 4; ++i)
      if (liste->Ligne(i).data(CModeleListe::kRoleJeton).toULongLong() != 0) return false;
    return true;
  }

  static qreal Echelle() { return qApp->devicePixelRatio(); }
  static QString Nom(const QWidget* w) {
    return w->accessibleName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->accessibleName();
  }

  testing::TempDir dossier_;
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(HauteDensite, IconsAndPicturesAreDrawnForThePhysicalPixels) {
  const qreal echelle = Echelle();
  int boutons = 0;
  for (QAbstractButton* b : frame_->findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || b->icon().isNull()) continue;
    ++boutons;
    const QPixmap p = b->icon().pixmap(b->iconSize(), echelle);
    EXPECT_EQ(p.size(), b->iconSize() * echelle) << Nom(b).toStdString();
  }
  EXPECT_GE(boutons, 9 + 9);  // the top bar and the panels

  int images = 0;
  for (QLabel* l : frame_->findChildren<QLabel*>()) {
    const QPixmap p = l->pixmap();
    if (!l->isVisible() || p.isNull()) continue;
    ++images;
    EXPECT_EQ(p.devicePixelRatio(), echelle) << Nom(l).toStdString();
  }
  // The working screen, drawn for the physical pixels of its place.
  for (CBoiteEcran* boite : frame_->findChildren<CBoiteEcran*>()) {
    if (!boite->isVisible()) continue;
    ATTEND_VRAI(!boite->ReductionEnCours(), 10000);
    const QImage& image = boite->Reduite();
    if (image.isNull()) continue;
    ++images;
    EXPECT_EQ(image.devicePixelRatio(), echelle) << Nom(boite).toStdString();
    EXPECT_EQ(image.size(), boite->RectImage().size() * echelle) << Nom(boite).toStdString();
  }
  EXPECT_GE(images, 2);  // the picture of the working screen and the logo

  CListeView* liste = frame_->ListeView();
  for (int i = 0; i < liste->model()->rowCount(); ++i) {
    const QPixmap vignette = testing::IconeLigne(liste->Ligne(i)).pixmap(liste->iconSize(), echelle);
    EXPECT_EQ(vignette.size(), liste->iconSize() * echelle) << "thumbnail " << i + 1;
  }
}

TEST_F(HauteDensite, NoTextIsCut) {
  for (QLabel* l : frame_->findChildren<QLabel*>()) {
    if (!l->isVisible() || l->text().isEmpty() || l->wordWrap()) continue;
    EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->text().toStdString();
    EXPECT_GE(l->height(), l->minimumSizeHint().height()) << l->text().toStdString();
  }
  for (QAbstractButton* b : frame_->findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || b->text().isEmpty()) continue;
    EXPECT_GE(b->width(), b->minimumSizeHint().width()) << b->text().toStdString();
    EXPECT_GE(b->height(), b->minimumSizeHint().height()) << b->text().toStdString();
  }
  const int pourcent = qRound(Echelle() * 100);
  EXPECT_FALSE(
      testing::CaptureWidget(frame_.get(), QStringLiteral("fenetre_principale_%1").arg(pourcent))
          .isEmpty());
}

// The background editor: its preview and its pattern thumbnails are drawn
// for the physical pixels, and no text of it is cut.
TEST(HauteDensiteEditeur, PreviewAndPatternListAreDrawnForThePhysicalPixels) {
  const qreal echelle = qApp->devicePixelRatio();
  talvik::CGraphique graphique;
  talvik::CFondDlg dlg;
  dlg.m_hImage = talvik::Bitmap::Create(300, 200, talvik::RGB(255, 0, 0));
  dlg.m_nLargeur = 300;
  dlg.m_nHauteur = 200;
  dlg.m_sizeEcran = talvik::CSize(640, 480);
  dlg.m_nMotif = 3;
  dlg.InitInstance(&graphique);
  dlg.show();
  dlg.AttendApercu();
  QApplication::processEvents();

  const talvik::CZoneApercu* zone = dlg.Apercu();
  ASSERT_TRUE(zone->Apercu());
  const QPixmap apercu = zone->pixmap();
  EXPECT_EQ(apercu.devicePixelRatio(), echelle);
  EXPECT_EQ(apercu.size(), zone->size() * echelle);
  EXPECT_EQ(zone->Apercu().Width(), qRound(zone->width() * echelle));
  EXPECT_EQ(zone->Apercu().Height(), qRound(zone->height() * echelle));

  const talvik::ListeMotifs* liste = dlg.Liste();
  ASSERT_GT(liste->count(), 0);
  for (int i : {0, liste->count() - 1}) {
    const QPixmap vignette = liste->item(i)->icon().pixmap(liste->iconSize(), echelle);
    EXPECT_EQ(vignette.size(), liste->iconSize() * echelle) << "pattern " << i + 1;
  }

  for (QLabel* l : dlg.findChildren<QLabel*>()) {
    if (!l->isVisible() || l->text().isEmpty() || l->wordWrap()) continue;
    EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->text().toStdString();
  }
  for (QAbstractButton* b : dlg.findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || b->text().isEmpty()) continue;
    EXPECT_GE(b->width(), b->minimumSizeHint().width()) << b->text().toStdString();
    EXPECT_GE(b->height(), b->minimumSizeHint().height()) << b->text().toStdString();
  }
  const int pourcent = qRound(echelle * 100);
  EXPECT_FALSE(
      testing::CaptureWidget(&dlg, QStringLiteral("editeur_fond_%1").arg(pourcent)).isEmpty());
}

}  // namespace
}  // namespace lumaveil
