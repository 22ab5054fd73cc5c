// The text, border and background commands of the working screen open
// their real editors: the preview steps they are given, what they show,
// and what the screen keeps after OK or Cancel.
#include "travail/editeurs_qt.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "dialogs/apercu/spin_edition.h"
#include "dialogs/cadre/cadre_dlg.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/motifs/liste_motifs.h"
#include "dialogs/texte/mini_texte_dlg.h"
#include "dialogs/texte/texte_dlg.h"
#include "dialogues_essai.h"
#include "travail/commandes_ecran.h"
#include "travail_essai.h"

namespace lumaveil {
namespace {

using testing::Clique;
using testing::CliqueElement;
using testing::Remplace;
using testing::RepondDialogue;
using testing::TravailFactice;

struct CommandesDecor : ::testing::Test {
  QTemporaryDir dossier;
  TravailFactice travail;
  QWidget fenetre;
  CEditeursQt editeurs{&fenetre, travail.Graphique()};
  CCommandesEcran commandes{travail, editeurs};
  CEcran& ecran = travail.EcranCourant();

  void ChargePhoto() {
    ASSERT_EQ(ecran.ChargeImage(testing::FichierPhoto(dossier, "photo.bmp", 64, 48)), 1);
  }
};

TEST_F(CommandesDecor, BorderEditorGetsThePictureBeforeTheBorderAndOkStoresItsChoice) {
  ChargePhoto();
  ecran.CadreUtilisation = 0;
  ecran.CadreTaille = 7;
  SIZE recue{};
  bool aucun = false;
  int epaisseur = 0;
  RepondDialogue<talvik::CCadreDlg>([&](talvik::CCadreDlg& dlg) {
    recue = SIZE{dlg.m_nLargeur, dlg.m_nHauteur};
    aucun = dlg.m_pAucun->isChecked();
    epaisseur = dlg.Epaisseur()->value();
    Clique(dlg.m_pCouleur);
    Clique(dlg.m_pBordure);
    Remplace(dlg.Epaisseur(), "12");
    Clique(dlg.BoutonOK());
  });
  commandes.Cadre();
  EXPECT_EQ(recue.cx, 64);
  EXPECT_EQ(recue.cy, 48);
  EXPECT_TRUE(aucun);
  EXPECT_EQ(epaisseur, 7);
  EXPECT_EQ(ecran.CadreUtilisation, 1);
  EXPECT_EQ(ecran.CadreMotifUtilisation, 0);
  EXPECT_EQ(ecran.CadreBordureUtilisation, 1);
  EXPECT_EQ(ecran.CadreTaille, 12);
  EXPECT_EQ(travail.niveaux, std::vector<int>{3});

  // "None" and Cancel: nothing is stored or committed.
  RepondDialogue<talvik::CCadreDlg>([](talvik::CCadreDlg& dlg) {
    Clique(dlg.m_pAucun);
    Clique(dlg.BoutonAnnuler());
  });
  commandes.Cadre();
  EXPECT_EQ(ecran.CadreUtilisation, 1);
  EXPECT_EQ(travail.niveaux.size(), 1u);

  RepondDialogue<talvik::CCadreDlg>([](talvik::CCadreDlg& dlg) {
    Clique(dlg.m_pMotif);
    CliqueElement(dlg.Liste(), 4);
    Clique(dlg.BoutonOK());
  });
  commandes.Cadre();
  EXPECT_EQ(ecran.CadreUtilisation, 1);
  EXPECT_EQ(ecran.CadreMotifUtilisation, 1);
  EXPECT_EQ(ecran.CadreMotif, 4);
}

TEST_F(CommandesDecor, BackgroundEditorGetsTheBorderedPictureAndTheScreenSize) {
  ChargePhoto();
  ecran.CadreUtilisation = 1;
  ecran.CadreTaille = 5;
  ecran.FondUtilisation = 0;
  SIZE recue{};
  talvik::CSize ecranRecu;
  RepondDialogue<talvik::CFondDlg>([&](talvik::CFondDlg& dlg) {
    recue = SIZE{dlg.m_hImage.Width(), dlg.m_hImage.Height()};
    ecranRecu = dlg.m_sizeEcran;
    Clique(dlg.m_pMotif);
    CliqueElement(dlg.Liste(), 7);
    Clique(dlg.BoutonOK());
  });
  commandes.Fond();
  EXPECT_EQ(recue.cx, 64 + 2 * 5);
  EXPECT_EQ(recue.cy, 48 + 2 * 5);
  EXPECT_EQ(ecranRecu, talvik::CSize(320, 240));
  EXPECT_EQ(ecran.FondUtilisation, 1);
  EXPECT_EQ(ecran.FondMotifUtilisation, 1);
  EXPECT_EQ(ecran.FondMotif, 7);
  EXPECT_EQ(travail.niveaux, std::vector<int>{3});
}

TEST_F(CommandesDecor, TextEditorWorksWithoutAPictureOnTheCanvasWithoutTexts) {
  ecran.Textes[0].Utilisation = 1;
  ecran.Textes[0].Libelle = "Already there";
  SIZE recue{};
  bool sansTexte = true;
  RepondDialogue<talvik::CTexteDlg>([&](talvik::CTexteDlg& dlg) {
    recue = SIZE{dlg.m_hImage.Width(), dlg.m_hImage.Height()};
    // The canvas as it is before the texts: the background colour only.
    for (int y = 0; y < recue.cy; ++y)
      for (int x = 0; x < recue.cx; ++x)
        if (dlg.m_hImage.GetPixel(x, y) != ecran.FondCouleur) sansTexte = false;
    QPlainTextEdit* edit = dlg.Page(2)->EditTexte();
    edit->setFocus();
    QTest::keyClicks(edit, "Third");
    Clique(dlg.BoutonOK());
  });
  commandes.Texte();
  EXPECT_EQ(recue.cx, 320);
  EXPECT_EQ(recue.cy, 240);
  EXPECT_TRUE(sansTexte);
  EXPECT_EQ(ecran.Textes[0].Libelle, "Already there");
  EXPECT_EQ(ecran.Textes[2].Utilisation, 1);
  EXPECT_EQ(ecran.Textes[2].Libelle, "Third");
  EXPECT_EQ(travail.niveaux, std::vector<int>{3});
}

}  // namespace
}  // namespace lumaveil
