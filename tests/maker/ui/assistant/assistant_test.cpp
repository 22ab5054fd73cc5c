// The creation wizard run by New: its full path with two pictures chosen,
// and the answers that end it early keeping what the earlier steps stored.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "fenetre_essai.h"
#include "travail/travail.h"
#include "assistant/assistant.h"
#include "assistant/assistant_dialog.h"
#include "capture_ecran.h"
#include "commun/champ_nombre.h"
#include "dialogues_essai.h"
#include "duree/duree_dialog.h"
#include "fenetre/main_frame.h"
#include "graphique.h"
#include "liste/liste_view.h"
#include "modele_ecran/modele_dialog.h"
#include "principale/principale_view.h"
#include "proprietes/proprietes_dialog.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using testing::RepondDialogue;

QRadioButton* Preset(CProprietesDlg& dlg, const QString& texte) {
  for (int i = 0; i < dlg.NombrePresets(); ++i)
    if (dlg.Bouton(i)->text() == texte) return dlg.Bouton(i);
  return nullptr;
}

class Assistant : public ::testing::Test {
 protected:
  Assistant() {
    frame_ = testing::FenetreEssai(contexte_, SIZE{320, 240});
    frame_->Assistant = [this] { etapes_ = LanceAssistant(*frame_); };
    contexte_.Parametres.StartWizard = 1;
    // The generation dialog is another window's business: the wizard only
    // has to open it.
    QAction* generation = frame_->Action(Commande::Generation);
    QObject::disconnect(generation, &QAction::triggered, nullptr, nullptr);
    QObject::connect(generation, &QAction::triggered, frame_.get(), [this] { ++generations_; });
  }

  const CProjet& Projet() { return contexte_.Projet; }

  testing::TempDir dossier_;
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
  int etapes_ = 0;
  int generations_ = 0;
};

TEST_F(Assistant, FullPathSetsTheResolutionAndTemplateMakesAScreenPerPictureAndOpensTheGeneration) {
  std::vector<std::string> photos;
  for (const char* nom : {"a.bmp", "b.bmp"}) {
    photos.push_back(dossier_.File(nom));
    ASSERT_EQ(talvik::CGraphique::SauveImage(photos.back(),
                                             talvik::HBITMAP::Create(64, 48, 0x00336699), 90, 0, 0),
              1);
  }
  RepondDialogue<CAssistantDlg>([](CAssistantDlg& dlg) {
    testing::CaptureWidget(&dlg, "assistant_dialog");
    QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton);
  });
  RepondDialogue<CProprietesDlg>([](CProprietesDlg& dlg) {
    testing::Clique(Preset(dlg, "640x480"));
    QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton);
  });
  RepondDialogue<CModeleDlg>([](CModeleDlg& dlg) {
    RepondDialogue<CDureeDlg>([](CDureeDlg& d) {
      d.Champ()->Edit()->selectAll();
      QTest::keyClick(d.Champ()->Edit(), Qt::Key_Delete);
      QTest::keyClicks(d.Champ()->Edit(), "6");
      QTest::mouseClick(d.BoutonOk(), Qt::LeftButton);
    });
    QTest::mouseClick(dlg.BoutonEditeur(CModeleDlg::kDuree), Qt::LeftButton);
    EXPECT_EQ(dlg.BoutonOkPourTous(), nullptr);
    testing::CaptureWidget(&dlg, "modele_dialog_assistant");
    QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton);
  });
  const QString dossier = QString::fromStdString(dossier_.Path());
  RepondDialogue<QFileDialog>([dossier](QFileDialog& choix) {
    choix.setDirectory(dossier);
    testing::TapeNom(choix, "\"a.bmp\" \"b.bmp\"");
    QMetaObject::invokeMethod(&choix, "accept");
  });
  frame_->NouveauProjet();

  EXPECT_EQ(etapes_, 5);
  EXPECT_EQ(generations_, 1);
  EXPECT_EQ(Projet().ResolutionCible.cx, 640);
  EXPECT_EQ(Projet().ResolutionCible.cy, 480);
  EXPECT_EQ(Projet().ModeleEcran.DureeAffichage, 6);
  ASSERT_EQ(Projet().NombreEcrans(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Projet().Ecran(i).CheminImage, photos[std::size_t(i)]) << i;
    EXPECT_EQ(Projet().Ecran(i).DureeAffichage, 6) << i;
    EXPECT_EQ(Projet().Ecran(i).TailleCible.cx, 640) << i;
  }
  EXPECT_EQ(Projet().Selection(), 1);
  EXPECT_EQ(contexte_.EcranCourant->CheminImage, photos[1]);
  EXPECT_FALSE(frame_->Doc().EstModifie());
}

TEST_F(Assistant, AnyOtherAnswerEndsItKeepingWhatEarlierStepsStored) {
  // "Finish" in the first dialog: nothing else, and no screen: the working
  // screen shown is the template's, in no list.
  RepondDialogue<CAssistantDlg>(
      [](CAssistantDlg& dlg) { QTest::mouseClick(dlg.BoutonTerminer(), Qt::LeftButton); });
  frame_->NouveauProjet();
  EXPECT_EQ(etapes_, 1);
  EXPECT_EQ(Projet().NombreEcrans(), 0);
  EXPECT_EQ(frame_->ListeView()->model()->rowCount(), 0);
  EXPECT_EQ(Projet().ResolutionCible.cx, 320);
  ASSERT_NE(contexte_.EcranCourant, nullptr);
  EXPECT_FALSE(frame_->Doc().EstModifie());
  testing::CaptureWidget(frame_.get(), "nouveau_projet_vide");
  // That working screen follows the project's settings.
  contexte_.Controleur.FixeResolutionCible(SIZE{640, 480});
  EXPECT_EQ(contexte_.EcranCourant->TailleCible.cx, 640);
  EXPECT_EQ(Projet().NombreEcrans(), 0);
  // A picture loaded then is screen 1 (001), the only one, at that size;
  // undone, the project is empty again.
  const std::string photo = dossier_.File("photo.bmp");
  ASSERT_EQ(talvik::CGraphique::SauveImage(photo, talvik::HBITMAP::Create(64, 48, 0x00336699), 90,
                                           0, 0),
            1);
  testing::ChoisitFichier(QString::fromStdString(photo));
  frame_->Action(Commande::ChargementImage)->trigger();
  ASSERT_EQ(Projet().NombreEcrans(), 1);
  EXPECT_EQ(Projet().Ecran(0).CheminImage, photo);
  EXPECT_EQ(Projet().Ecran(0).TailleCible.cx, 640);
  EXPECT_EQ(Projet().Selection(), 0);
  ASSERT_EQ(frame_->ListeView()->model()->rowCount(), 1);
  EXPECT_EQ(frame_->ListeView()->Ligne(0).data().toString(), "001");
  EXPECT_TRUE(frame_->Doc().EstModifie());
  frame_->Action(Commande::Annuler)->trigger();
  EXPECT_EQ(Projet().NombreEcrans(), 0);
  ASSERT_NE(contexte_.EcranCourant, nullptr);
  EXPECT_EQ(contexte_.EcranCourant->CheminImage, "");

  // "Finish" in the display properties stores the size and ends.
  RepondDialogue<CAssistantDlg>(
      [](CAssistantDlg& dlg) { QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton); });
  RepondDialogue<CProprietesDlg>([](CProprietesDlg& dlg) {
    testing::Clique(Preset(dlg, "800x600"));
    QTest::mouseClick(dlg.BoutonTerminer(), Qt::LeftButton);
  });
  frame_->NouveauProjet();
  EXPECT_EQ(etapes_, 2);
  EXPECT_EQ(Projet().ResolutionCible.cx, 800);
  EXPECT_EQ(Projet().NombreEcrans(), 0);
  ASSERT_NE(contexte_.EcranCourant, nullptr);
  EXPECT_EQ(contexte_.EcranCourant->TailleCible.cx, 800);

  // Closing the template dialog keeps the template; a cancelled chooser
  // adds nothing and opens no generation.
  RepondDialogue<CAssistantDlg>(
      [](CAssistantDlg& dlg) { QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton); });
  RepondDialogue<CProprietesDlg>(
      [](CProprietesDlg& dlg) { QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton); });
  RepondDialogue<CModeleDlg>([](CModeleDlg& dlg) {
    RepondDialogue<CDureeDlg>([](CDureeDlg& d) {
      d.Champ()->Edit()->selectAll();
      QTest::keyClicks(d.Champ()->Edit(), "9");
      QTest::mouseClick(d.BoutonOk(), Qt::LeftButton);
    });
    QTest::mouseClick(dlg.BoutonEditeur(CModeleDlg::kDuree), Qt::LeftButton);
    dlg.close();
  });
  frame_->NouveauProjet();
  EXPECT_EQ(etapes_, 3);
  EXPECT_EQ(Projet().ModeleEcran.DureeAffichage, kDureeDefaut);

  RepondDialogue<CAssistantDlg>(
      [](CAssistantDlg& dlg) { QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton); });
  RepondDialogue<CProprietesDlg>(
      [](CProprietesDlg& dlg) { QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton); });
  RepondDialogue<CModeleDlg>(
      [](CModeleDlg& dlg) { QTest::mouseClick(dlg.BoutonSuivant(), Qt::LeftButton); });
  testing::ChoisitFichier(QString());
  frame_->NouveauProjet();
  EXPECT_EQ(etapes_, 4);
  EXPECT_EQ(generations_, 0);
  EXPECT_EQ(Projet().NombreEcrans(), 0);
}

}  // namespace
}  // namespace lumaveil
