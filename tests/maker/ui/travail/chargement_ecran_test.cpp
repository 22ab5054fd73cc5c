// Making a screen current from the list: the click answers at once with
// the screen's settings, the picture arrives later from the worker, a newer
// click wins over an older one, and a command given before the picture
// arrived works on the loaded screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "attente_essai.h"
#include "fenetre_essai.h"
#include "projet_essai.h"
#include "travail/travail.h"
#include "dialogs/rotation/rotation_dlg.h"
#include "ecrans_essai.h"
#include "fenetre/main_frame.h"
#include "liste/liste_view.h"
#include "panneaux/retouche_dialog.h"
#include "panneaux/transition_dialog.h"
#include "principale/principale_view.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using talvik::RGB;

class ChargementEcran : public ::testing::Test {
 protected:
  ChargementEcran() {
    testing::ProjetEssai(contexte_).ModeleEcran.TailleCible = testing::kPetitCanevas;
    frame_ = testing::FenetreEssai(contexte_, testing::kPetitCanevas);
    frame_->show();
    // Screens 1 and 2 after the blank one: a red and a blue picture, each
    // with its own display time.
    for (int i = 0; i < 2; ++i) {
      chemins_[i] = dossier_.File(i == 0 ? "rouge.png" : "bleu.png");
      EXPECT_EQ(talvik::CGraphique::SauveImage(
                    chemins_[i], talvik::HBITMAP::Create(400, 300, couleurs_[i]), 90, 0, 0),
                1);
      CEcran ecran(testing::kPetitCanevas);
      ecran.CheminImage = chemins_[i];
      ecran.DureeAffichage = 20 + i;
      frame_->Contexte().Controleur.InsereEcran(ecran, true);
    }
    Travail().RendCourant(0);
    Travail().EcranPret();
    QApplication::processEvents();
  }
  CListeView& Liste() { return *frame_->ListeView(); }
  CTravail& Travail() { return frame_->Travail(); }
  void CliqueItem(int i) {
    QTest::mouseClick(Liste().viewport(), Qt::LeftButton, {},
                      Liste().RectLigne(i).center());
  }
  COLORREF CentreRendu() {
    const talvik::HBITMAP& rendu = contexte_.EcranCourant->ImageFinale;
    return rendu.GetPixel(rendu.Width() / 2, rendu.Height() / 2);
  }

  testing::TempDir dossier_;
  std::string chemins_[2];
  const COLORREF couleurs_[2] = {RGB(220, 0, 0), RGB(0, 0, 220)};
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(ChargementEcran, ClickShowsTheSettingsAtOnceAndThePictureWhenLoaded) {
  auto* retouche = frame_->findChild<CRetoucheDialog*>();
  auto* transition = frame_->findChild<CTransitionDialog*>();
  ASSERT_NE(retouche, nullptr);
  ASSERT_NE(transition, nullptr);
  CliqueItem(1);
  // Before any event is processed: selected, settings and panels shown,
  // the picture not yet there and not claimed missing.
  EXPECT_EQ(Liste().Selection(), 1);
  EXPECT_TRUE(Travail().ChargementEnCours());
  EXPECT_EQ(contexte_.EcranCourant->DureeAffichage, 20);
  EXPECT_TRUE(contexte_.EcranCourant->ImageSource.IsNull());
  EXPECT_EQ(retouche->Lignes().nom, "rouge.png");
  EXPECT_EQ(retouche->Lignes().fichier, "");
  EXPECT_EQ(transition->TexteLigne(CTransitionDialog::kDuree), "Defined duration to 20 second(s)");

  ATTEND_VRAI(!Travail().ChargementEnCours(), 20000);
  ASSERT_FALSE(contexte_.EcranCourant->ImageSource.IsNull());
  EXPECT_EQ(CentreRendu(), couleurs_[0]);
  EXPECT_EQ(retouche->Lignes().format, "Format 400x300");
  EXPECT_FALSE(retouche->ImageBoite().IsNull());
}

TEST_F(ChargementEcran, ANewerClickSupersedesTheLoadInProgress) {
  CliqueItem(1);
  CliqueItem(2);
  EXPECT_EQ(Liste().Selection(), 2);
  ATTEND_VRAI(!Travail().ChargementEnCours(), 20000);
  // Whatever the first load delivers later is not installed.
  QTest::qWait(100);
  EXPECT_EQ(contexte_.EcranCourant->CheminImage, chemins_[1]);
  EXPECT_EQ(contexte_.EcranCourant->DureeAffichage, 21);
  EXPECT_EQ(CentreRendu(), couleurs_[1]);
}

TEST_F(ChargementEcran, AnEditorAskedBeforeThePictureArrivedOpensOnTheLoadedScreen) {
  CliqueItem(2);
  ASSERT_TRUE(Travail().ChargementEnCours());
  bool ouvert = false;
  QTimer::singleShot(0, [&] {
    if (auto* dlg = qobject_cast<talvik::CRotationDlg*>(QApplication::activeModalWidget())) {
      ouvert = true;
      dlg->reject();
    }
  });
  frame_->Action(Commande::Rotation)->trigger();
  EXPECT_TRUE(ouvert);
  EXPECT_EQ(contexte_.EcranCourant->CheminImage, chemins_[1]);
  EXPECT_FALSE(contexte_.EcranCourant->ImageSource.IsNull());
}

}  // namespace
}  // namespace lumaveil
