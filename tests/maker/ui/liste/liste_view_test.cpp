// The screen list: labels, thumbnails on their own screens after inserts,
// deletes and drags, the designed drag results, files dropped from the
// desktop, and thumbnails made by the worker.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "attente_essai.h"
#include "capture_ecran.h"
#include "ecrans_essai.h"
#include "liste/liste_view.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

namespace lumaveil {
namespace {

using talvik::RGB;
using testing::CouleurVignette;
using testing::EcranCouleur;

const COLORREF kA = RGB(220, 30, 30), kB = RGB(30, 180, 30), kC = RGB(30, 30, 220),
               kD = RGB(230, 200, 20);

class ListeView : public ::testing::Test {
 protected:
  ListeView() : liste_(controleur_, graphique_) {
    liste_.resize(190, 600);
    QObject::connect(&liste_, &CListeView::ecranChoisi, &liste_,
                     [this](int i) { liste_.Selectionne(i); });
  }

  // Screens of the given colours, rendered, inserted in order.
  void Remplit(std::initializer_list<COLORREF> couleurs) {
    for (COLORREF c : couleurs) controleur_.InsereEcran(*EcranCouleur(c, true, graphique_), true);
  }
  std::vector<COLORREF> Fonds() {
    std::vector<COLORREF> v;
    for (int i = 0; i < projet_.NombreEcrans(); ++i) v.push_back(projet_.Ecran(i).FondCouleur);
    return v;
  }
  // Every item shows its own screen's thumbnail and its position's label.
  void VerifieItems() {
    ASSERT_EQ(liste_.model()->rowCount(), projet_.NombreEcrans());
    for (int i = 0; i < projet_.NombreEcrans(); ++i) {
      EXPECT_EQ(liste_.Ligne(i).data().toString(), LibelleItem(i));
      EXPECT_EQ(liste_.Ligne(i).data(Qt::AccessibleTextRole).toString(), LibelleItem(i));
      EXPECT_EQ(CouleurVignette(liste_.Ligne(i)), projet_.Ecran(i).FondCouleur) << "item " << i;
    }
  }
  QPoint Centre(int i) { return liste_.RectLigne(i).center(); }

  talvik::CGraphique graphique_;
  CProjet projet_;
  CControleurProjet controleur_{projet_};
  CListeView liste_;
};

TEST(LibelleItem, ThreeDigitsAtLeast) {
  EXPECT_EQ(LibelleItem(0), "001");
  EXPECT_EQ(LibelleItem(9), "010");
  EXPECT_EQ(LibelleItem(122), "123");
  EXPECT_EQ(LibelleItem(999), "1000");
}

TEST_F(ListeView, InsertIntoTheMiddleRenumbersAndKeepsEachThumbnailOnItsScreen) {
  Remplit({kA, kB, kC});
  liste_.Selectionne(0);
  const int i = controleur_.InsereEcran(*EcranCouleur(kD, true, graphique_), true);
  EXPECT_EQ(i, 1);
  EXPECT_EQ(liste_.Selection(), 1);
  EXPECT_TRUE(liste_.selectionModel()->isSelected(liste_.Ligne(1)));
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kA, kD, kB, kC}));
  VerifieItems();
  // Not after: the new screen takes the selection's place.
  controleur_.InsereEcran(*EcranCouleur(kC, true, graphique_), false);
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kA, kC, kD, kB, kC}));
  EXPECT_EQ(liste_.Selection(), 1);
  VerifieItems();
  testing::CaptureWidget(&liste_, "liste_insertion");
}

TEST_F(ListeView, ReplaceChangesOnlyTheSelectedScreen) {
  Remplit({kA, kB, kC});
  liste_.Selectionne(1);
  controleur_.RemplaceSelection(*EcranCouleur(kD, true, graphique_));
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kA, kD, kC}));
  EXPECT_EQ(liste_.Selection(), 1);
  VerifieItems();
}

TEST_F(ListeView, DeleteRenumbersAndDeletingTheLastLeavesNoSelection) {
  Remplit({kA, kB, kC, kD});
  liste_.Selectionne(1);
  ASSERT_EQ(controleur_.SupprimeEcran(-1), 1);
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kA, kC, kD}));
  EXPECT_EQ(liste_.Selection(), 1);  // keeps its index
  VerifieItems();
  liste_.Selectionne(2);
  controleur_.SupprimeEcran(-1);
  EXPECT_EQ(liste_.Selection(), -1);
  EXPECT_TRUE(liste_.selectionModel()->selectedIndexes().isEmpty());
  EXPECT_EQ(controleur_.SupprimeEcran(7), 0);
  EXPECT_EQ(controleur_.SupprimeEcran(-1), 0);  // nothing selected
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kA, kC}));
}

TEST_F(ListeView, SelectRefusesIndexesOutsideTheList) {
  Remplit({kA, kB});
  EXPECT_EQ(liste_.Selectionne(0), &projet_.Ecran(0));
  EXPECT_EQ(liste_.Selectionne(-1), nullptr);
  EXPECT_EQ(liste_.Selectionne(2), nullptr);
  EXPECT_EQ(liste_.Selection(), 0);
}

class Glissement : public ListeView {
 protected:
  void SetUp() override {
    Remplit({kA, kB, kC, kD});
    liste_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&liste_));
  }
  // Presses on item `de`, moves through `via` and releases at `vers`.
  void Glisse(int de, std::vector<QPoint> via, QPoint vers) {
    QWidget* vp = liste_.viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, Centre(de));
    QTest::mouseMove(vp, Centre(de) + QPoint(0, 15));
    for (QPoint p : via) QTest::mouseMove(vp, p);
    QTest::mouseMove(vp, vers);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, vers);
  }
};

TEST_F(Glissement, FirstOntoThirdGivesBCAD) {
  QSignalSpy deplace(&liste_, &CListeView::ecranDeplace);
  Glisse(0, {Centre(1)}, Centre(2));
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kB, kC, kA, kD}));
  EXPECT_EQ(liste_.Selection(), 2);
  EXPECT_EQ(deplace.count(), 1);
  EXPECT_FALSE(liste_.GlissementEnCours());
  VerifieItems();
}

TEST_F(Glissement, LastOntoSecondGivesADBC) {
  Glisse(3, {Centre(2)}, Centre(1));
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kA, kD, kB, kC}));
  EXPECT_EQ(liste_.Selection(), 1);
  VerifieItems();
}

TEST_F(Glissement, OntoItselfOrEmptySpaceChangesNothing) {
  QSignalSpy deplace(&liste_, &CListeView::ecranDeplace);
  Glisse(1, {}, Centre(1));
  const QPoint vide(liste_.viewport()->width() - 3, liste_.viewport()->height() - 3);
  ASSERT_EQ(liste_.LigneA(vide), -1);
  Glisse(2, {vide}, vide);
  EXPECT_EQ(Fonds(), (std::vector<COLORREF>{kA, kB, kC, kD}));
  EXPECT_EQ(deplace.count(), 0);
  EXPECT_EQ(liste_.Selection(), 2);  // the dragged screen was made current
  VerifieItems();
}

TEST_F(Glissement, ClickOnEmptySpaceKeepsTheCurrentScreenSelected) {
  liste_.Selectionne(1);
  QSignalSpy choisi(&liste_, &CListeView::ecranChoisi);
  const QPoint vide(liste_.viewport()->width() - 3, liste_.viewport()->height() - 3);
  QTest::mouseClick(liste_.viewport(), Qt::LeftButton, {}, vide);
  EXPECT_EQ(choisi.count(), 0);
  ASSERT_EQ(liste_.selectionModel()->selectedIndexes().size(), 1);
  EXPECT_EQ(liste_.selectionModel()->selectedIndexes().front().row(), 1);
  QTest::mouseClick(liste_.viewport(), Qt::LeftButton, {}, Centre(3));
  ASSERT_EQ(choisi.count(), 1);
  EXPECT_EQ(choisi.front().front().toInt(), 3);
}

TEST_F(ListeView, KeysAskForDeletePreviousAndNext) {
  Remplit({kA, kB});
  QSignalSpy supprime(&liste_, &CListeView::suppressionDemandee);
  QSignalSpy precedent(&liste_, &CListeView::precedentDemande);
  QSignalSpy suivant(&liste_, &CListeView::suivantDemande);
  QTest::keyClick(&liste_, Qt::Key_Delete);
  QTest::keyClick(&liste_, Qt::Key_Up);
  QTest::keyClick(&liste_, Qt::Key_Down);
  QTest::keyClick(&liste_, Qt::Key_Down);
  EXPECT_EQ(supprime.count(), 1);
  EXPECT_EQ(precedent.count(), 1);
  EXPECT_EQ(suivant.count(), 2);
  EXPECT_EQ(liste_.NombreEcrans(), 2);  // the list itself changes nothing
}

TEST_F(ListeView, DroppedFilesBecomeScreensAfterTheSelectionWithoutTypeCheck) {
  testing::TempDir dossier;
  Remplit({kA, kB});
  liste_.Selectionne(0);
  const COLORREF rouge = RGB(255, 0, 0);
  talvik::HBITMAP image = talvik::HBITMAP::Create(64, 48, rouge);
  const std::string photo = dossier.File("photo.bmp");
  ASSERT_EQ(talvik::CGraphique::SauveImage(photo, image, 90, 0, 0), 1);
  const std::string texte = dossier.File("notes.txt");
  std::ofstream(texte) << "not a picture";
  projet_.ModeleEcran.DureeAffichage = 9;

  QMimeData donnees;
  donnees.setUrls({QUrl::fromLocalFile(QString::fromStdString(photo)),
                   QUrl::fromLocalFile(QString::fromStdString(texte))});
  QSignalSpy deposes(&liste_, &CListeView::fichiersDeposes);
  QDropEvent depot(QPointF(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, {});
  QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, {});
  QApplication::sendEvent(liste_.viewport(), &entree);
  QApplication::sendEvent(liste_.viewport(), &depot);

  ASSERT_EQ(liste_.NombreEcrans(), 4);
  EXPECT_EQ(projet_.Ecran(1).CheminImage, photo);
  EXPECT_EQ(projet_.Ecran(2).CheminImage, texte);
  EXPECT_EQ(projet_.Ecran(1).DureeAffichage, 9);  // from the template
  EXPECT_EQ(liste_.Selection(), 3);               // the last screen is made current
  EXPECT_EQ(deposes.count(), 1);
  // The worker makes both thumbnails: the picture's, and for the text file
  // the framed backdrop.
  ATTEND_EGAL(liste_.VignettesEnAttente(), 0, 20000);
  QApplication::processEvents();
  EXPECT_EQ(CouleurVignette(liste_.Ligne(1)), rouge);
  const QImage fond = testing::IconeLigne(liste_.Ligne(2)).pixmap(QSize(150, 110)).toImage();
  const QColor bord = fond.pixelColor(2, 2);
  EXPECT_EQ(bord, QColor(0xC0, 0xC0, 0xC0));
  EXPECT_NE(CouleurVignette(liste_.Ligne(2)), rouge);
  EXPECT_EQ(liste_.Ligne(3).data().toString(), "004");
}

TEST_F(ListeView, ThumbnailsFromTheWorkerLandOnTheirOwnScreensAfterReload) {
  for (COLORREF c : {kA, kB, kC, kD}) projet_.Ajoute(EcranCouleur(c, false, graphique_));
  projet_.Selectionne(3);
  liste_.Recharge();
  EXPECT_EQ(liste_.model()->rowCount(), 4);
  EXPECT_EQ(liste_.Selection(), 3);
  // Meanwhile a screen moves: its thumbnail follows it.
  controleur_.DeplaceEcran(0, 2);
  ATTEND_EGAL(liste_.VignettesEnAttente(), 0, 20000);
  QApplication::processEvents();
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(CouleurVignette(liste_.Ligne(i)), projet_.Ecran(i).FondCouleur) << i;
  // Emptying drops what the worker had not finished.
  controleur_.SupprimeTout();
  EXPECT_EQ(liste_.model()->rowCount(), 0);
  EXPECT_EQ(liste_.Selection(), -1);
}

}  // namespace
}  // namespace lumaveil

#include "motifs_utilisateur.h"

namespace lumaveil {
namespace {

// A pattern the user added after the worker made its first thumbnails is
// in the bank it draws the next ones with.
TEST_F(ListeView, WorkerDrawsWithAPatternAddedAfterItStarted) {
  talvik::SauveMotifsUtilisateur({});
  projet_.Ajoute(EcranCouleur(kA, false, graphique_));
  liste_.Recharge();
  ATTEND_EGAL(liste_.VignettesEnAttente(), 0, 20000);

  testing::TempDir dossier;
  const std::string motif = dossier.File("motif.png");
  ASSERT_EQ(talvik::CGraphique::SauveImage(motif, talvik::HBITMAP::Create(16, 16, kD), 90, 0, 0), 1);
  talvik::SauveMotifsUtilisateur({motif});
  auto ecran = EcranCouleur(kB, false, graphique_);
  ecran->FondMotifUtilisation = 1;
  ecran->FondMotif = talvik::kPremierMotifUtilisateur;
  projet_.Ajoute(std::move(ecran));
  liste_.Recharge();
  ATTEND_EGAL(liste_.VignettesEnAttente(), 0, 20000);
  QApplication::processEvents();
  EXPECT_EQ(CouleurVignette(liste_.Ligne(1)), kD);
  talvik::SauveMotifsUtilisateur({});
}

}  // namespace
}  // namespace lumaveil
