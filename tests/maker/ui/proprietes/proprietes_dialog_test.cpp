// The display-properties dialog: the preset checked on opening, Reset,
// the wizard-mode buttons, and the Property command's confirmation and
// rebuild of every screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "fenetre_essai.h"
#include "projet_essai.h"
#include "travail/travail.h"
#include "capture_ecran.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/progression_dlg.h"
#include "ecrans_essai.h"
#include "fenetre/main_frame.h"
#include "liste/liste_view.h"
#include "principale/principale_view.h"
#include "proprietes/proprietes_dialog.h"
#include "graphique.h"
#include "images_comparees.h"
#include "redimension.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

QRadioButton* BoutonNomme(CProprietesDlg& dlg, const QString& texte) {
  for (int i = 0; i < dlg.NombrePresets(); ++i)
    if (dlg.Bouton(i)->text() == texte) return dlg.Bouton(i);
  return nullptr;
}

TEST(ProprietesDlg, OpensOnThePresetOrOnOtherAndOkReadsTheCheckedOne) {
  CProprietesDlg dlg(SIZE{800, 600}, false);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Displaying properties");
  ASSERT_NE(BoutonNomme(dlg, "800x600"), nullptr);
  EXPECT_TRUE(BoutonNomme(dlg, "800x600")->isChecked());
  EXPECT_EQ(dlg.BoutonSuivant(), nullptr);
  lumaveil::testing::CaptureWidget(&dlg, "proprietes_dialog");
  QTest::mouseClick(BoutonNomme(dlg, "2560x1440"), Qt::LeftButton);
  QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Taille().cx, 2560);
  EXPECT_EQ(dlg.Taille().cy, 1440);

  // 1152x864 is no preset; "Other" is the machine's own resolution.
  CProprietesDlg autre(SIZE{1152, 864}, true);
  autre.show();
  EXPECT_TRUE(autre.BoutonAutre()->isChecked());
  EXPECT_EQ(autre.BoutonOk(), nullptr);
  QTest::mouseClick(autre.BoutonSuivant(), Qt::LeftButton);
  EXPECT_EQ(autre.result(), kSuivant);
  EXPECT_EQ(autre.Taille().cx, ResolutionMachine().cx);
  EXPECT_EQ(autre.Taille().cy, ResolutionMachine().cy);
}

TEST(ProprietesDlg, ResetChecksTheMachinesResolution) {
  CProprietesDlg dlg(SIZE{240, 320}, true);
  dlg.show();
  EXPECT_TRUE(BoutonNomme(dlg, "240x320")->isChecked());
  QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
  EXPECT_EQ(dlg.Taille().cx, ResolutionMachine().cx);
  EXPECT_FALSE(BoutonNomme(dlg, "240x320")->isChecked());
  QTest::mouseClick(dlg.BoutonTerminer(), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), kTerminer);
}

class CommandePropriete : public ::testing::Test {
 protected:
  CommandePropriete() {
    frame_ = testing::FenetreEssai(contexte_, SIZE{320, 240});
    frame_->Action(Commande::EcranNouveau)->trigger();
    frame_->Action(Commande::EcranNouveau)->trigger();
    frame_->Doc().FixeModifie(false);
  }
  ~CommandePropriete() override { talvik::InstalleHookBoiteMessage({}); }

  // Runs Property, choosing "640x480" and OK; the question is answered.
  int Change(int reponse) {
    int questions = 0;
    talvik::InstalleHookBoiteMessage(
        [&](const std::string& texte, const std::string& titre, talvik::IconeMessage,
            talvik::BoutonsMessage) {
          ++questions;
          EXPECT_EQ(titre, "Question");
          EXPECT_NE(texte.find("All screens must be rebuild."), std::string::npos);
          return reponse;
        });
    QTimer::singleShot(0, [] {
      auto* dlg = qobject_cast<CProprietesDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dlg, nullptr);
      QTest::mouseClick(BoutonNomme(*dlg, "640x480"), Qt::LeftButton);
      QTest::mouseClick(dlg->BoutonOk(), Qt::LeftButton);
    });
    frame_->Action(Commande::Propriete)->trigger();
    return questions;
  }

  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(CommandePropriete, NoKeepsTheResolutionAndEveryScreen) {
  EXPECT_EQ(Change(talvik::IDNO), 1);
  EXPECT_EQ(contexte_.Projet.ResolutionCible.cx, 320);
  for (int i = 0; i < contexte_.Projet.NombreEcrans(); ++i)
    EXPECT_EQ(contexte_.Projet.Ecran(i).TailleCible.cx, 320) << i;
  EXPECT_FALSE(frame_->Doc().EstModifie());
}

TEST_F(CommandePropriete, YesRebuildsEveryScreenAtTheNewSizeAndKeepsTheTemplate) {
  const auto modele = contexte_.Projet.ModeleEcran.TailleCible;
  testing::ProjetEssai(contexte_).Selectionne(0);
  EXPECT_EQ(Change(talvik::IDYES), 1);
  EXPECT_EQ(contexte_.Projet.ResolutionCible.cx, 640);
  ASSERT_EQ(contexte_.Projet.NombreEcrans(), 3);  // the first blank screen and two new ones
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(contexte_.Projet.Ecran(i).TailleCible.cx, 640) << i;
    EXPECT_EQ(contexte_.Projet.Ecran(i).TailleCible.cy, 480) << i;
  }
  EXPECT_EQ(contexte_.Projet.ModeleEcran.TailleCible.cx, modele.cx);
  EXPECT_EQ(contexte_.EcranCourant->TailleCible.cx, 640);
  EXPECT_TRUE(frame_->Doc().EstModifie());
}

// Screens made from the default template show the whole picture; after
// the rebuild they fill the new resolution the same way.
TEST_F(CommandePropriete, RebuiltScreensFitTheWholePictureToTheNewResolution) {
  lumaveil::testing::TempDir dossier;
  const std::string image = dossier.File("large.png");
  ASSERT_EQ(talvik::CGraphique::SauveImage(
                image, talvik::Bitmap::Create(400, 100, talvik::RGB(200, 30, 30)), 90, 0, 0),
            1);
  testing::ProjetEssai(contexte_).Ecran(1).CheminImage = image;
  ASSERT_TRUE(EstAjusteEcran(contexte_.Projet.Ecran(1)));
  EXPECT_EQ(Change(talvik::IDYES), 1);
  const CEcran& refait = contexte_.Projet.Ecran(1);
  EXPECT_TRUE(EstAjusteEcran(refait));
  CEcran e(refait.TailleCible);
  e.CopieParametres(refait);
  ASSERT_EQ(e.ChargeImage(image), 1);
  talvik::CGraphique graphique;
  const HBITMAP rendu = e.CalculeImageFinale(graphique, 0, Etapes::Toutes());
  ASSERT_TRUE(rendu);
  ASSERT_EQ(rendu.Width(), 640);
  const talvik::RECT place = lumaveil::testing::PlaceSurFond(rendu, talvik::RGB(255, 255, 255));
  EXPECT_EQ(place.left, 0);
  EXPECT_EQ(place.right, 640);
  EXPECT_EQ(place.top, 160);  // 640 x 160 centred on 480 rows
  EXPECT_EQ(place.bottom, 320);
}

TEST_F(CommandePropriete, StopDuringTheRebuildPutsTheProjectBackAsItWas) {
  // Stop is pressed while the worker waits for the list to take the first
  // rebuilt screen: the worker sees it before the second screen.
  bool premierRefait = false;
  auto* modele = frame_->ListeView()->model();
  QObject::connect(modele, &QAbstractItemModel::dataChanged, frame_.get(), [&] {
    auto* fenetre = qobject_cast<talvik::CProgressionDlg*>(QApplication::activeModalWidget());
    if (!fenetre || premierRefait || contexte_.Projet.Ecran(0).TailleCible.cx != 640) return;
    premierRefait = true;
    QTest::mouseClick(fenetre->BoutonArret(), Qt::LeftButton);
  });
  EXPECT_EQ(Change(talvik::IDYES), 1);
  EXPECT_TRUE(premierRefait);
  EXPECT_EQ(contexte_.Projet.ResolutionCible.cx, 320);
  ASSERT_EQ(contexte_.Projet.NombreEcrans(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(contexte_.Projet.Ecran(i).TailleCible.cx, 320) << i;
    EXPECT_EQ(contexte_.Projet.Ecran(i).TailleCible.cy, 240) << i;
  }
  EXPECT_EQ(contexte_.EcranCourant->TailleCible.cx, 320);
  EXPECT_FALSE(frame_->Doc().EstModifie());
}

}  // namespace
}  // namespace lumaveil
