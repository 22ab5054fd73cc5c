#include "travail/commandes_ecran.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "redimension.h"
#include "travail_essai.h"

namespace lumaveil {
namespace {

using testing::EditeursFactices;
using testing::Temoins;
using testing::TravailFactice;

struct Commandes : ::testing::Test {
  QTemporaryDir dossier;
  TravailFactice travail;
  EditeursFactices editeurs;
  CCommandesEcran commandes{travail, editeurs};
  Temoins temoins;
  CEcran& ecran = travail.EcranCourant();

  void ChargePhoto(int largeur = 64, int hauteur = 48) {
    ASSERT_EQ(ecran.ChargeImage(testing::FichierPhoto(dossier, "photo.bmp", largeur, hauteur)), 1);
  }
};

TEST_F(Commandes, ThoseThatNeedAPictureOnlyBeepWithoutOne) {
  commandes.Rotation();
  commandes.Reglage();
  commandes.Recoupe();
  commandes.Redimension();
  commandes.Cadre();
  EXPECT_EQ(temoins.bips, 5);
  EXPECT_TRUE(editeurs.ouverts.empty());
  EXPECT_TRUE(travail.niveaux.empty());

  // Texts, background, effect and duration need none.
  editeurs.fond.couleur = 0x123456;
  editeurs.effet = 4;
  editeurs.duree = 12;
  commandes.Texte();
  commandes.Fond();
  commandes.Effet();
  commandes.Duree();
  EXPECT_EQ(editeurs.ouverts, (std::vector<std::string>{"textes", "fond", "effet", "duree"}));
  EXPECT_EQ(temoins.bips, 5);
  EXPECT_EQ(travail.niveaux, (std::vector<int>{3, 3, 3, 3}));
  EXPECT_EQ(ecran.Textes[2].Utilisation, 1);
  EXPECT_EQ(ecran.FondCouleur, 0x123456u);
  EXPECT_EQ(ecran.EffetTransition, 4);
  EXPECT_EQ(ecran.DureeAffichage, 12);
  // The background editor works on the canvas of the target size.
  EXPECT_EQ(editeurs.fondRecu.tailleCible.cx, 320);
  EXPECT_EQ(editeurs.fondRecu.modeCouleur, 1);
}

TEST_F(Commandes, CancelChangesAndCommitsNothing) {
  ChargePhoto();
  editeurs.reponse = 0;
  editeurs.angle = 180;
  editeurs.reglage = {10, 20, 30};
  editeurs.effet = 5;
  commandes.Rotation();
  commandes.Reglage();
  commandes.Recoupe();
  commandes.Redimension();
  commandes.Texte();
  commandes.Cadre();
  commandes.Fond();
  commandes.Effet();
  commandes.Duree();
  commandes.ChargementImage();
  EXPECT_EQ(editeurs.ouverts.size(), 10u);
  EXPECT_TRUE(travail.niveaux.empty());
  EXPECT_EQ(ecran.RotationAngle, 0);
  EXPECT_EQ(ecran.ReglageLumiere, 50);
  EXPECT_EQ(ecran.EffetTransition, 0);
  EXPECT_FALSE(ecran.ImageSource.IsNull());
}

TEST_F(Commandes, RotationTakesTheAngleTurnsCropOffAndZeroTurnsItselfOff) {
  ChargePhoto(64, 48);
  ecran.RecoupeUtilisation = 1;
  ecran.RecoupeRectangle = RECT{1, 2, 30, 40};
  editeurs.angle = -180;
  commandes.Rotation();
  EXPECT_TRUE(editeurs.apercuRecu.SameAs(ecran.ImageSource));  // the picture itself
  EXPECT_EQ(editeurs.tailleRecue.cx, 64);
  EXPECT_EQ(editeurs.angleRecu, 0);
  EXPECT_EQ(ecran.RotationAngle, -180);
  EXPECT_EQ(ecran.RotationUtilisation, -180);
  EXPECT_EQ(ecran.RecoupeUtilisation, 0);
  EXPECT_EQ(ecran.RecoupeRectangle.right, 30);  // the rectangle itself is kept
  EXPECT_EQ(travail.niveaux, std::vector<int>{1});

  editeurs.angle = 0;
  commandes.Rotation();
  EXPECT_EQ(editeurs.angleRecu, -180);
  EXPECT_EQ(ecran.RotationUtilisation, 0);
}

TEST_F(Commandes, ColourAdjustmentAtFiftyEverywhereTurnsItselfOff) {
  ChargePhoto(64, 48);
  ecran.RotationAngle = 180;  // a quarter turn, its step off for now
  editeurs.reglage = {60, 50, 50};
  commandes.Reglage();
  // The preview is the picture after the rotation step.
  EXPECT_EQ(editeurs.tailleRecue.cx, 64);
  EXPECT_EQ(ecran.ReglageUtilisation, 1);
  EXPECT_EQ(ecran.ReglageLumiere, 60);
  EXPECT_EQ(ecran.RotationUtilisation, 180);  // set from the angle
  EXPECT_EQ(travail.niveaux, std::vector<int>{2});

  editeurs.reglage = {50, 50, 50};
  commandes.Reglage();
  EXPECT_EQ(editeurs.tailleRecue.cx, 48);  // turned now
  EXPECT_EQ(editeurs.reglageRecu.lumiere, 60);
  EXPECT_EQ(ecran.ReglageUtilisation, 0);
}

TEST_F(Commandes, CropOfTheWholePreviewTurnsItselfOff) {
  ChargePhoto(64, 48);
  editeurs.rectangle = RECT{4, 4, 40, 30};
  commandes.Recoupe();
  EXPECT_EQ(editeurs.rectangleRecu.right, 64);  // the whole preview when off
  EXPECT_EQ(editeurs.rectangleRecu.bottom, 48);
  EXPECT_EQ(ecran.RecoupeUtilisation, 1);

  editeurs.rectangle = RECT{0, 0, 64, 48};
  commandes.Recoupe();
  EXPECT_EQ(editeurs.rectangleRecu.left, 4);  // the stored rectangle when on
  EXPECT_EQ(editeurs.rectangleRecu.right, 40);
  EXPECT_EQ(ecran.RecoupeUtilisation, 0);
  EXPECT_EQ(travail.niveaux, (std::vector<int>{3, 3}));
}

TEST_F(Commandes, StretchingToTheCurrentSizeOrToAHundredPercentTurnsItselfOff) {
  ChargePhoto(64, 48);
  ecran.RecoupeUtilisation = 1;
  ecran.RecoupeRectangle = RECT{0, 0, 40, 30};
  editeurs.redimension = ValeursRedimension{40, 30, 100, 0, 1};
  commandes.Redimension();
  // The preview is cropped; its size is what the editor starts from.
  EXPECT_EQ(editeurs.tailleRecue.cx, 40);
  EXPECT_EQ(editeurs.redimensionRecue.tailleX, 40);
  EXPECT_EQ(editeurs.redimensionRecue.tailleY, 30);
  EXPECT_EQ(editeurs.redimensionRecue.pourcentage, 100);
  EXPECT_EQ(editeurs.redimensionRecue.parPourcentage, 1);
  EXPECT_EQ(ecran.RedimensionUtilisation, 0);
  EXPECT_EQ(ecran.RedimensionPourcentageUtilisation, 0);

  editeurs.redimension = ValeursRedimension{80, 30, 100, 0, 0};
  commandes.Redimension();
  EXPECT_EQ(ecran.RedimensionUtilisation, 1);
  editeurs.redimension = ValeursRedimension{80, 30, 50, 1, 1};
  commandes.Redimension();
  EXPECT_EQ(editeurs.redimensionRecue.tailleX, 80);  // the stored values when on
  EXPECT_EQ(editeurs.redimensionRecue.conservationProportion, 0);
  EXPECT_EQ(ecran.RedimensionUtilisation, 1);
  editeurs.redimension = ValeursRedimension{80, 30, 100, 1, 1};
  commandes.Redimension();
  EXPECT_EQ(ecran.RedimensionUtilisation, 0);
}

// A screen fitted whole to the screen shows the editor the size the fit
// gives; OK on that size keeps it fitted (it follows the resolution), any
// other size replaces the fit.
TEST_F(Commandes, StretchingEditorKeepsAFittedScreenFittedUnlessTheSizeChanges) {
  ChargePhoto(64, 48);
  AjusteEcran(ecran);
  ecran.TailleCible = SIZE{320, 200};
  editeurs.redimension = ValeursRedimension{267, 200, 100, 0, 1};
  commandes.Redimension();
  EXPECT_EQ(editeurs.redimensionRecue.tailleX, 267);  // 64 x 48 fitted into 320 x 200
  EXPECT_EQ(editeurs.redimensionRecue.tailleY, 200);
  EXPECT_EQ(editeurs.redimensionRecue.parPourcentage, 0);
  EXPECT_TRUE(EstAjusteEcran(ecran));
  editeurs.redimension = ValeursRedimension{200, 150, 100, 0, 1};
  commandes.Redimension();
  EXPECT_FALSE(EstAjusteEcran(ecran));
  EXPECT_EQ(ecran.RedimensionTailleX, 200);
  EXPECT_EQ(ecran.RedimensionUtilisation, 1);
}

TEST_F(Commandes, BorderModeSetsBothFlagsAndBackgroundTurnsItselfOn) {
  ChargePhoto();
  ecran.CadreUtilisation = 1;
  ecran.CadreMotifUtilisation = 1;
  editeurs.cadre.mode = ModeCadre::Couleur;
  editeurs.cadre.taille = 12;
  commandes.Cadre();
  EXPECT_EQ(editeurs.cadreRecu.mode, ModeCadre::Motif);
  EXPECT_EQ(ecran.CadreUtilisation, 1);
  EXPECT_EQ(ecran.CadreMotifUtilisation, 0);
  EXPECT_EQ(ecran.CadreTaille, 12);
  editeurs.cadre.mode = ModeCadre::Aucun;
  commandes.Cadre();
  EXPECT_EQ(editeurs.cadreRecu.mode, ModeCadre::Couleur);
  EXPECT_EQ(ecran.CadreUtilisation, 0);

  ecran.FondUtilisation = 0;
  editeurs.fond.motifUtilisation = 1;
  editeurs.fond.motif = 7;
  commandes.Fond();
  EXPECT_EQ(editeurs.fondRecu.modeCouleur, 0);
  EXPECT_EQ(ecran.FondUtilisation, 1);
  EXPECT_EQ(ecran.FondMotifUtilisation, 1);
  EXPECT_EQ(ecran.FondMotif, 7);
}

TEST_F(Commandes, LoadingAPictureClearsTheEarlyStepsButKeepsTheirValues) {
  ChargePhoto(64, 48);
  ecran.RecoupeUtilisation = 1;
  ecran.RecoupeRectangle = RECT{1, 1, 20, 20};
  ecran.RotationUtilisation = ecran.RotationAngle = 360;
  ecran.ReglageUtilisation = 1;
  ecran.ReglageContraste = 80;
  editeurs.cheminChoisi = testing::FichierPhoto(dossier, "autre.bmp", 100, 70);
  commandes.ChargementImage();
  EXPECT_EQ(ecran.CheminImage, editeurs.cheminChoisi);
  EXPECT_EQ(ecran.ImageSource.Width(), 100);
  EXPECT_EQ(ecran.RecoupeUtilisation, 0);
  EXPECT_EQ(ecran.RotationUtilisation, 0);
  EXPECT_EQ(ecran.ReglageUtilisation, 0);
  EXPECT_EQ(ecran.RecoupeRectangle.right, 20);
  EXPECT_EQ(ecran.RotationAngle, 360);
  EXPECT_EQ(ecran.ReglageContraste, 80);
  EXPECT_EQ(travail.niveaux, std::vector<int>{0});

  commandes.DechargementImage();
  EXPECT_TRUE(ecran.CheminImage.empty());
  EXPECT_TRUE(ecran.ImageSource.IsNull());
  EXPECT_EQ(travail.niveaux, (std::vector<int>{0, 0}));
}

TEST_F(Commandes, OneDroppedFileReplacesThePictureSeveralOnlyWarn) {
  ChargePhoto(64, 48);
  ecran.RotationUtilisation = ecran.RotationAngle = 180;
  const std::string autre = testing::FichierPhoto(dossier, "autre.bmp", 90, 60);
  const std::string troisieme = testing::FichierPhoto(dossier, "trois.bmp", 30, 20);

  commandes.DepotFichiers({autre, troisieme});
  ASSERT_EQ(temoins.messages.size(), 1u);
  EXPECT_EQ(temoins.messages[0].texte, "Drag&drop all pictures on list to create screens !");
  EXPECT_EQ(temoins.messages[0].titre, "Warning");
  EXPECT_EQ(temoins.messages[0].icone, talvik::IconeMessage::Attention);
  EXPECT_EQ(ecran.ImageSource.Width(), 64);
  EXPECT_TRUE(travail.niveaux.empty());
  EXPECT_EQ(temoins.bips, 1);

  commandes.DepotFichiers({autre});
  EXPECT_EQ(ecran.CheminImage, autre);
  EXPECT_EQ(ecran.ImageSource.Width(), 90);
  EXPECT_EQ(ecran.RotationUtilisation, 180);  // flags kept, unlike the chooser
  EXPECT_EQ(ecran.TailleFinale.cx, 320);
  EXPECT_EQ(travail.niveaux, std::vector<int>{0});
  EXPECT_EQ(temoins.bips, 2);
}

}  // namespace
}  // namespace lumaveil
