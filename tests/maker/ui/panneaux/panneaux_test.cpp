#include "panneaux/panneaux.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QLabel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/commun/plein_ecran_dlg.h"
#include "panneaux/boite_ecran.h"
#include "travail/commandes_ecran.h"
#include "travail_essai.h"

namespace lumaveil {
namespace {

using testing::EditeursFactices;
using testing::Temoins;
using testing::TravailFactice;

// The three panels in their group boxes, wired to the commands on a test
// working screen and refreshed after every commit.
struct Fenetre : ::testing::Test {
  QTemporaryDir dossier;
  TravailFactice travail;
  EditeursFactices editeurs;
  CCommandesEcran commandes{travail, editeurs};
  Temoins temoins;
  CEcran& ecran = travail.EcranCourant();
  QWidget forme;
  Panneaux panneaux;

  Fenetre() {
    auto* disposition = new QHBoxLayout(&forme);
    auto groupe = [&](const char* titre, QWidget* panneau) {
      auto* boite = new QGroupBox(titre, &forme);
      (new QHBoxLayout(boite))->addWidget(panneau);
      disposition->addWidget(boite);
    };
    panneaux.retouche = new CRetoucheDialog;
    panneaux.decor = new CDecorDialog;
    panneaux.transition = new CTransitionDialog;
    groupe("Picture", panneaux.retouche);
    groupe("Decoration", panneaux.decor);
    groupe("Transition", panneaux.transition);
    RelieCommandes(panneaux, commandes);
    travail.apresValidation = [this] { RafraichitPanneaux(panneaux, ecran); };
    travail.Valide(0);
    travail.niveaux.clear();
    forme.show();
  }
};

TEST_F(Fenetre, PictureStatusLinesWithAndWithoutAPicture) {
  LignesRetouche lignes = panneaux.retouche->Lignes();
  EXPECT_EQ(lignes.nom, "");
  EXPECT_EQ(lignes.fichier, "*** No loaded picture ***");
  EXPECT_EQ(lignes.format, "");
  EXPECT_EQ(lignes.recoupe, "No defined cutting.");
  EXPECT_EQ(lignes.rotation, "No defined rotating..");
  EXPECT_EQ(lignes.reglage, "No color adjustment defined.");

  QList<QUrl> urls{QUrl::fromLocalFile(
      QString::fromStdString(testing::FichierPhoto(dossier, "vacances.bmp", 640, 480)))};
  QMimeData donnees;
  donnees.setUrls(urls);
  QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(panneaux.retouche, &entree);
  QDropEvent depot(QPointF(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(panneaux.retouche, &depot);
  ASSERT_EQ(temoins.bips, 1);
  ASSERT_EQ(travail.niveaux, std::vector<int>{0});
  ecran.TailleFichier = 1049 * 1024 - 1;
  ecran.DateFichier.wMonth = 3;
  ecran.DateFichier.wDay = 7;
  ecran.DateFichier.wYear = 2026;
  ecran.RecoupeUtilisation = 1;
  ecran.RotationUtilisation = ecran.RotationAngle = -180;
  ecran.ReglageUtilisation = 1;
  RafraichitPanneaux(panneaux, ecran);
  lignes = panneaux.retouche->Lignes();
  EXPECT_EQ(lignes.nom, "vacances.bmp");
  EXPECT_EQ(lignes.fichier, "File 1048 kb    3/ 7/2026");
  EXPECT_EQ(lignes.format, "Format 640x480");
  EXPECT_EQ(lignes.recoupe, "Cutting.done.");
  EXPECT_EQ(lignes.rotation, "Rotating of -90\u00b0 done.");
  EXPECT_EQ(lignes.reglage, "Color adjustment done.");

  ecran.ImageSource = talvik::Bitmap::Create(20, 9);
  RafraichitPanneaux(panneaux, ecran);
  EXPECT_EQ(panneaux.retouche->Lignes().format, "Format  20x  9");
}

TEST_F(Fenetre, DecorationAndTransitionStatusLines) {
  auto decor = [this](CDecorDialog::Ligne ligne) {
    RafraichitPanneaux(panneaux, ecran);
    return panneaux.decor->TexteLigne(ligne).toStdString();
  };
  EXPECT_EQ(decor(CDecorDialog::kRedimension), "No defined stretching.");
  EXPECT_EQ(decor(CDecorDialog::kTextes), "No defined text.");
  EXPECT_EQ(decor(CDecorDialog::kCadre), "No defined border.");
  EXPECT_EQ(decor(CDecorDialog::kFond), "Defined white color background.");
  ecran.RedimensionUtilisation = 1;
  ecran.RedimensionPourcentageValeur = 75;
  EXPECT_EQ(decor(CDecorDialog::kRedimension), "Stretching to 75%.");
  ecran.RedimensionPourcentageUtilisation = 0;
  ecran.RedimensionTailleX = 800;
  ecran.RedimensionTailleY = 600;
  EXPECT_EQ(decor(CDecorDialog::kRedimension), "Stretching to 800x600.");
  ecran.Textes[4].Utilisation = 1;
  EXPECT_EQ(decor(CDecorDialog::kTextes), "Defined text(s).");
  ecran.CadreUtilisation = 1;
  EXPECT_EQ(decor(CDecorDialog::kCadre), "Defined border.");
  ecran.FondCouleur = 0;
  EXPECT_EQ(decor(CDecorDialog::kFond), "Defined black color background.");
  ecran.FondCouleur = 0x00FFFFFE;
  EXPECT_EQ(decor(CDecorDialog::kFond), "Defined color background.");
  ecran.FondMotifUtilisation = 1;
  EXPECT_EQ(decor(CDecorDialog::kFond), "Defined pattern background.");
  ecran.FondUtilisation = 0;
  EXPECT_EQ(decor(CDecorDialog::kFond), "No defined background.");

  EXPECT_EQ(panneaux.transition->TexteLigne(CTransitionDialog::kEffet),
            "No defined changing effect.");
  EXPECT_EQ(panneaux.transition->TexteLigne(CTransitionDialog::kDuree),
            "Defined duration to 3 second(s)");
  editeurs.effet = 7;
  editeurs.duree = 180;
  QTest::mouseClick(panneaux.transition->Bouton(CTransitionDialog::kEffet), Qt::LeftButton);
  QTest::mouseClick(panneaux.transition->Bouton(CTransitionDialog::kDuree), Qt::LeftButton);
  EXPECT_EQ(panneaux.transition->TexteLigne(CTransitionDialog::kEffet), "Defined changing effect.");
  EXPECT_EQ(panneaux.transition->TexteLigne(CTransitionDialog::kDuree),
            "Defined duration to 180 second(s)");
}

TEST_F(Fenetre, ButtonsRunTheirCommandsAndTheStatusFollowsTheCommit) {
  QTest::mouseClick(panneaux.retouche->BoutonRotation(), Qt::LeftButton);
  QTest::mouseClick(panneaux.decor->Bouton(CDecorDialog::kCadre), Qt::LeftButton);
  EXPECT_EQ(temoins.bips, 2);  // no picture yet
  EXPECT_TRUE(editeurs.ouverts.empty());

  editeurs.cheminChoisi = testing::FichierPhoto(dossier, "photo.bmp", 400, 300);
  QTest::mouseClick(panneaux.retouche->BoutonChargement(), Qt::LeftButton);
  editeurs.angle = 180;
  QTest::mouseClick(panneaux.retouche->BoutonRotation(), Qt::LeftButton);
  editeurs.redimension = ValeursRedimension{150, 200, 50, 1, 1};
  QTest::mouseClick(panneaux.decor->Bouton(CDecorDialog::kRedimension), Qt::LeftButton);
  EXPECT_EQ(travail.niveaux, (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(panneaux.retouche->Lignes().rotation, "Rotating of 90\u00b0 done.");
  EXPECT_EQ(panneaux.decor->TexteLigne(CDecorDialog::kRedimension), "Stretching to 50%.");
  for (QToolButton* bouton : forme.findChildren<QToolButton*>()) {
    EXPECT_FALSE(bouton->accessibleName().isEmpty());
    EXPECT_EQ(bouton->accessibleName(), bouton->toolTip());
  }
  lumaveil::testing::CaptureWidget(&forme, "panneaux");
}

TEST_F(Fenetre, FullScreenBoxFitsThePictureIntoTheBoxOrShowsItsCentre) {
  // A rendered screen of 480 x 180 whose left half is red and right half blue.
  ecran.ImageFinale = talvik::Bitmap::Create(480, 180, talvik::RGB(255, 0, 0));
  for (int y = 0; y < 180; ++y)
    for (int x = 240; x < 480; ++x) ecran.ImageFinale.SetPixel(x, y, talvik::RGB(0, 0, 255));
  ecran.TailleFinale = SIZE{480, 180};
  RafraichitPanneaux(panneaux, ecran);
  CRetoucheDialog& retouche = *panneaux.retouche;
  ASSERT_TRUE(retouche.CaseAjustement()->isChecked());
  // Fitted: 240 x 90 in the middle of the box, the backdrop above it.
  EXPECT_EQ(retouche.ImageBoite().GetPixel(10, 90), talvik::RGB(255, 0, 0));
  EXPECT_EQ(retouche.ImageBoite().GetPixel(230, 90), talvik::RGB(0, 0, 255));
  EXPECT_NE(retouche.ImageBoite().GetPixel(10, 10), talvik::RGB(255, 0, 0));

  QTest::mouseClick(retouche.CaseAjustement(), Qt::LeftButton);
  EXPECT_EQ(retouche.m_bAjuste, 0);
  // Own size: the middle 240 columns, the whole height.
  EXPECT_EQ(retouche.ImageBoite().GetPixel(10, 10), talvik::RGB(255, 0, 0));
  EXPECT_EQ(retouche.ImageBoite().GetPixel(130, 170), talvik::RGB(0, 0, 255));
}

TEST_F(Fenetre, AClickOnThePictureOpensTheViewerWithTheRenderedSize) {
  std::string libelle;
  int largeur = 0;
  QTimer::singleShot(0, [&] {
    auto* vue = qobject_cast<talvik::CPleinEcranDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(vue, nullptr);
    libelle = vue->m_strTaille;
    largeur = vue->m_hImage.Width();
    vue->accept();
  });
  QTest::mouseClick(panneaux.retouche->Boite(), Qt::LeftButton);
  EXPECT_EQ(libelle, "(320x240)");
  EXPECT_EQ(largeur, 320);

  ecran.FondUtilisation = 0;
  travail.Valide(3);
  QTest::mouseClick(panneaux.retouche->Boite(), Qt::LeftButton);
  EXPECT_EQ(temoins.bips, 1);
}

}  // namespace
}  // namespace lumaveil
