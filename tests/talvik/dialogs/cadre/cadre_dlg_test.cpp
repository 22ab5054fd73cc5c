#include "fichiers_images_essai.h"
#include "dialogs/cadre/cadre_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>


#include "capture_ecran.h"
#include "dialogues_essai.h"
#include "chaines.h"
#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/motifs/liste_motifs.h"
#include "editeurs_essai.h"

namespace {

using namespace talvik;
using lumaveil::testing::ChoisitFichier;
using lumaveil::testing::Clique;
using lumaveil::testing::CliqueElement;
using lumaveil::testing::Remplace;
using lumaveil::testing::EnregistreurMessages;
using lumaveil::testing::EnregistreurPleinEcran;

using lumaveil::testing::MemesPixels;

class CCadreDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every case starts with the 50 built-in patterns only.
    while (graphique.NombreMotifsUtilisateur() > 0)
      graphique.EffaceImageFondUtilisateur(kPremierMotifUtilisateur);
    ASSERT_TRUE(dossier.isValid());
  }
  // Adds n user patterns made from small picture files.
  void AjouteMotifs(int n) {
    for (int i = 0; i < n; ++i) {
      const std::string chemin =
          dossier.filePath(QStringLiteral("motif%1.bmp").arg(i)).toStdString();
      ASSERT_EQ(CGraphique::SauveImageBMP(chemin, Bitmap::Create(30 + i, 20, RGB(0, BYTE(60 * i), 200))), 1);
      ASSERT_EQ(graphique.AjoutImageFondUtilisateur(chemin), 1);
    }
  }
  void Ouvre() {
    dlg.m_hImage = CGraphique::RedimensionneImage(lumaveil::testing::PhotoReelle(), CSize(640, 480), 0);
    dlg.m_nLargeur = 640;
    dlg.m_nHauteur = 480;
    dlg.InitInstance(&graphique);
    dlg.show();
    dlg.AttendApercu();
  }
  QRadioButton* Radio(const char* texte) {
    for (QRadioButton* r : dlg.findChildren<QRadioButton*>())
      if (r->text() == texte) return r;
    return nullptr;
  }

  CGraphique graphique;
  QTemporaryDir dossier;
  CCadreDlg dlg;
};

TEST_F(CCadreDlgTest, DeletingAUserPatternRenumbersTheListAndKeepsTheSelectionInPlace) {
  AjouteMotifs(2);
  dlg.m_bMotif = 1;
  dlg.m_nMotif = 3;
  Ouvre();
  ListeMotifs* liste = dlg.Liste();
  ASSERT_EQ(liste->count(), 52);
  EXPECT_EQ(liste->item(0)->text(), "01");
  EXPECT_EQ(liste->item(8)->text(), "09");
  EXPECT_EQ(liste->item(9)->text(), "10");
  EXPECT_EQ(liste->item(51)->text(), "52");
  EXPECT_EQ(liste->Selection(), 3);

  const HBITMAP ancien52 = graphique.Motif(51);
  CliqueElement(liste, 50);
  EXPECT_EQ(dlg.m_nMotif, 50);
  Clique(dlg.BoutonEfface());
  ASSERT_EQ(liste->count(), 51);
  EXPECT_EQ(liste->item(50)->text(), "51");
  EXPECT_EQ(liste->Selection(), 50);
  EXPECT_EQ(dlg.m_nMotif, 50);
  EXPECT_TRUE(graphique.Motif(50).SameAs(ancien52));

  // The last item deleted: the selection moves back to the one before.
  Clique(dlg.BoutonEfface());
  EXPECT_EQ(liste->count(), 50);
  EXPECT_EQ(liste->Selection(), 49);
  EXPECT_EQ(dlg.m_nMotif, 49);
  EXPECT_EQ(graphique.NombreMotifsUtilisateur(), 0);
}

TEST_F(CCadreDlgTest, BuiltInPatternsAndNoSelectionCannotBeDeleted) {
  dlg.m_bMotif = 1;
  dlg.m_nMotif = -1;
  Ouvre();
  EnregistreurMessages boites;
  Clique(dlg.BoutonEfface());
  EXPECT_EQ(boites.Bips(), 1);
  EXPECT_TRUE(boites.Messages().empty());

  CliqueElement(dlg.Liste(), 9);
  Clique(dlg.BoutonEfface());
  ASSERT_EQ(boites.Messages().size(), 1u);
  EXPECT_EQ(boites.Messages()[0].texte, "Unable to delete pattern.\nYou can only delete user pattern.");
  EXPECT_EQ(boites.Messages()[0].titre, "Error");
  EXPECT_EQ(boites.Messages()[0].icone, IconeMessage::Erreur);
  EXPECT_EQ(dlg.Liste()->count(), 50);
  EXPECT_EQ(dlg.Liste()->Selection(), 9);
}

TEST_F(CCadreDlgTest, AddedPatternIsAppendedAndSelectedAndABadFileIsRefused) {
  dlg.m_bMotif = 1;
  dlg.m_nMotif = 0;
  Ouvre();
  const QString bon = dossier.filePath("ajout.png");
  ASSERT_EQ(CGraphique::SauveImagePNG(bon.toStdString(), Bitmap::Create(64, 64, RGB(250, 10, 10))), 1);
  ChoisitFichier(bon);
  Clique(dlg.BoutonAjout());
  ASSERT_EQ(dlg.Liste()->count(), 51);
  EXPECT_EQ(dlg.Liste()->item(50)->text(), "51");
  EXPECT_EQ(dlg.Liste()->Selection(), 50);
  EXPECT_EQ(dlg.m_nMotif, 50);
  EXPECT_EQ(graphique.CheminsMotifsUtilisateur().back(), bon.toStdString());

  // Cancelling the chooser changes nothing.
  ChoisitFichier(QString());
  Clique(dlg.BoutonAjout());
  EXPECT_EQ(dlg.Liste()->count(), 51);

  const QString mauvais = dossier.filePath("faux.jpg");
  {
    QFile f(mauvais);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
  }
  EnregistreurMessages boites;
  ChoisitFichier(mauvais);
  Clique(dlg.BoutonAjout());
  ASSERT_EQ(boites.Messages().size(), 1u);
  EXPECT_EQ(boites.Messages()[0].texte,
            "Unable to add pattern.\nUser pattern number is too big \nor invalid file.");
  EXPECT_EQ(boites.Messages()[0].titre, "Error");
  EXPECT_EQ(dlg.Liste()->count(), 51);
  EXPECT_EQ(dlg.m_nMotif, 50);
}

TEST_F(CCadreDlgTest, NoneDisablesEverythingAndShowsThePictureUnchanged) {
  dlg.m_bCouleur = 1;
  dlg.m_bBordure = 1;
  dlg.m_nEpaisseur = 20;
  dlg.m_crCouleur = RGB(200, 0, 0);
  Ouvre();
  EXPECT_TRUE(dlg.CadreCouleur()->isEnabled());
  EXPECT_TRUE(dlg.CadreCouleurBordure()->isEnabled());
  EXPECT_TRUE(dlg.Epaisseur()->isEnabled());

  Clique(Radio("None"));
  dlg.AttendApercu();
  EXPECT_FALSE(dlg.Liste()->isEnabled());
  EXPECT_FALSE(dlg.Epaisseur()->isEnabled());
  EXPECT_FALSE(dlg.CadreCouleur()->isEnabled());
  EXPECT_FALSE(dlg.CadreCouleurBordure()->isEnabled());
  EXPECT_FALSE(dlg.m_pBordure->isEnabled());
  EXPECT_TRUE(dlg.Resultat().SameAs(dlg.m_hImage));
  const CZoneApercu* zone = dlg.Apercu();
  const CSize reduite = TailleReduite(CSize(640, 480), zone->Taille());
  const HBITMAP attendu = CGraphique::FusionneImage(
      zone->Fond(), CGraphique::RedimensionneImage(dlg.m_hImage, reduite, 1),
      CPoint((zone->Taille().cx - reduite.cx) / 2, (zone->Taille().cy - reduite.cy) / 2), 0, 0);
  EXPECT_TRUE(MemesPixels(zone->Apercu(), attendu));
}

TEST_F(CCadreDlgTest, BorderlineOnlyWithAColourBorder) {
  dlg.m_bMotif = 1;
  dlg.m_nMotif = 4;
  Ouvre();
  EXPECT_FALSE(dlg.m_pBordure->isEnabled());
  EXPECT_TRUE(dlg.Liste()->isEnabled());
  EXPECT_FALSE(dlg.CadreCouleur()->isEnabled());

  Clique(Radio("Border with color"));
  EXPECT_TRUE(dlg.m_pBordure->isEnabled());
  EXPECT_FALSE(dlg.Liste()->isEnabled());
  EXPECT_TRUE(dlg.CadreCouleur()->isEnabled());
  EXPECT_FALSE(dlg.CadreCouleurBordure()->isEnabled());
  Clique(dlg.m_pBordure);
  EXPECT_TRUE(dlg.CadreCouleurBordure()->isEnabled());

  Clique(Radio("Border with pattern"));
  EXPECT_FALSE(dlg.m_pBordure->isEnabled());
  EXPECT_TRUE(dlg.m_pBordure->isChecked());
  Clique(dlg.m_pBordure);
  EXPECT_TRUE(dlg.m_pBordure->isChecked()) << "a disabled box does not change";
}

TEST_F(CCadreDlgTest, ThicknessOutsideItsRangeKeepsTheDialogOpen) {
  dlg.m_bCouleur = 1;
  Ouvre();
  EnregistreurMessages boites;
  Remplace(dlg.Epaisseur(), "60");
  ASSERT_EQ(boites.Messages().size(), 1u);
  EXPECT_EQ(boites.Messages()[0].texte, "Please enter an integer between 1 and 50.");
  EXPECT_EQ(boites.Messages()[0].icone, IconeMessage::Attention);

  Clique(dlg.BoutonOK());
  EXPECT_EQ(boites.Messages().size(), 2u);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_NE(dlg.result(), QDialog::Accepted);

  Remplace(dlg.Epaisseur(), "12");
  Clique(dlg.BoutonOK());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_nEpaisseur, 12);
  EXPECT_EQ(boites.Messages().size(), 2u);
}

TEST_F(CCadreDlgTest, OkStoresTheTypeLineThicknessAndColours) {
  dlg.m_bAucun = 1;
  Ouvre();
  Clique(Radio("Border with color"));
  Clique(dlg.m_pBordure);
  Remplace(dlg.Epaisseur(), "11");
  QTest::keyClick(dlg.Epaisseur(), Qt::Key_Up);  // the arrows step it too
  QLineEdit* rouge = dlg.ChoixCouleur()->EditComposante(0);
  rouge->selectAll();
  QTest::keyClicks(rouge, "ff");
  QLineEdit* bleu = dlg.ChoixCouleurBordure()->EditComposante(2);
  bleu->selectAll();
  QTest::keyClicks(bleu, "80");
  lumaveil::testing::Attend();
  dlg.AttendApercu();
  // Thickness 12 draws a 5-pixel line: 17 pixels on each side.
  EXPECT_EQ(dlg.Resultat().Width(), 640 + 34);
  EXPECT_EQ(dlg.Resultat().Height(), 480 + 34);

  Clique(dlg.BoutonOK());
  ASSERT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_bAucun, 0);
  EXPECT_EQ(dlg.m_bMotif, 0);
  EXPECT_EQ(dlg.m_bCouleur, 1);
  EXPECT_EQ(dlg.m_bBordure, 1);
  EXPECT_EQ(dlg.m_nEpaisseur, 12);
  EXPECT_EQ(dlg.m_crCouleur, RGB(255, 0, 0));
  EXPECT_EQ(dlg.m_crCouleurBordure, RGB(0, 0, 0x80));
  dlg.DesInitInstance();
  EXPECT_EQ(dlg.ChoixCouleur(), nullptr);
  EXPECT_EQ(dlg.Liste()->count(), 0);
}

TEST_F(CCadreDlgTest, ResetGoesBackToNoBorderAndFullScreenShowsTheResult) {
  dlg.m_bCouleur = 1;
  dlg.m_bBordure = 1;
  dlg.m_nEpaisseur = 30;
  dlg.m_crCouleur = RGB(0, 128, 0);
  dlg.m_crCouleurBordure = RGB(255, 255, 255);
  Ouvre();
  EnregistreurPleinEcran vues;
  QTest::mouseClick(dlg.Apercu(), Qt::LeftButton);
  ASSERT_EQ(vues.Vues().size(), 1u);
  EXPECT_EQ(vues.Vues()[0].taille, "");
  EXPECT_EQ(vues.Vues()[0].largeur, 640 + 2 * 35);
  EXPECT_EQ(vues.Vues()[0].image.GetPixel(2, 2), RGB(255, 255, 255));
  EXPECT_EQ(vues.Vues()[0].image.GetPixel(20, 20), RGB(0, 128, 0));

  Clique(dlg.BoutonReset());
  EXPECT_TRUE(Radio("None")->isChecked());
  EXPECT_FALSE(Radio("Border with color")->isChecked());
  EXPECT_FALSE(dlg.m_pBordure->isChecked());
  EXPECT_EQ(dlg.Epaisseur()->value(), 5);
  EXPECT_EQ(dlg.ChoixCouleur()->m_crCouleur, 0u);
  EXPECT_EQ(dlg.ChoixCouleurBordure()->m_crCouleur, 0u);
  Clique(dlg.BoutonOK());
  EXPECT_EQ(dlg.m_bAucun, 1);
  EXPECT_EQ(dlg.m_nEpaisseur, 5);
  EXPECT_EQ(dlg.m_crCouleur, 0u);
}

TEST(CCadreDlgCapture, ColourBorderOnAPhotograph) {
  CGraphique graphique;
  CCadreDlg dlg;
  dlg.m_hImage = lumaveil::testing::PhotoReelle();
  dlg.m_nLargeur = dlg.m_hImage.Width();
  dlg.m_nHauteur = dlg.m_hImage.Height();
  dlg.m_bCouleur = 1;
  dlg.m_bBordure = 1;
  dlg.m_nEpaisseur = 24;
  dlg.m_crCouleur = RGB(120, 70, 30);
  dlg.m_crCouleurBordure = RGB(240, 220, 160);
  dlg.m_nMotif = 12;
  dlg.InitInstance(&graphique);
  dlg.show();
  dlg.AttendApercu();
  EXPECT_FALSE(lumaveil::testing::CaptureWidget(&dlg, "cadre_dlg").isEmpty());
  dlg.DesInitInstance();
}

}  // namespace

namespace {

// The pattern list opens with the selected pattern's row, or the first
// row, wholly in view: never a row cut by the top edge.
TEST_F(CCadreDlgTest, PatternListOpensWithTheSelectedRowWhollyInView) {
  for (int motif : {3, 13, 40}) {
    CCadreDlg boite;
    boite.m_bMotif = 1;
    boite.m_nMotif = motif;
    boite.m_hImage = Bitmap::Create(64, 48, RGB(9, 9, 9));
    boite.m_nLargeur = 64;
    boite.m_nHauteur = 48;
    boite.InitInstance(&graphique);
    boite.show();
    lumaveil::testing::Attend();
    ListeMotifs* liste = boite.Liste();
    const QRect vue = liste->viewport()->rect();
    EXPECT_TRUE(vue.contains(liste->visualItemRect(liste->item(motif)))) << motif;
    for (int n = 0; n < liste->count(); ++n) {
      const QRect r = liste->visualItemRect(liste->item(n));
      if (r.intersects(vue)) {
        EXPECT_GE(r.top(), 0) << motif << ": item " << n << " cut";
      }
    }
    boite.AttendApercu();
    boite.DesInitInstance();
  }
}

}  // namespace
