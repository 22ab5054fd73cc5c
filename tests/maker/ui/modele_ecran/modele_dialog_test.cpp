// The template dialog through its buttons: "OK for all" gives every screen
// the template and keeps each screen's picture and rotation; Reset then OK
// makes new screens default again; Cancel changes nothing; a template is
// saved under a new name and loaded back; the demo picture's size.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "fenetre_essai.h"
#include "projet_essai.h"
#include "commun/dialogue_qt.h"
#include "assistant/assistant_dialog.h"
#include "capture_ecran.h"
#include "commun/champ_nombre.h"
#include "dialogs/commun/boite_message.h"
#include "dialogue_essai.h"
#include "dialogues_essai.h"
#include "duree/duree_dialog.h"
#include "fenetre/main_frame.h"
#include "fichier_modele.h"
#include "graphique.h"
#include "liste/liste_view.h"
#include "modele_ecran/modele_dialog.h"
#include "principale/principale_view.h"
#include "redimension.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using testing::ChoisitFichier;
using testing::RepondDialogue;

// Types `duree` in the duration dialog that the click opens, then OK.
void ChoisitDuree(QAbstractButton* bouton, const QString& duree) {
  RepondDialogue<CDureeDlg>([duree](CDureeDlg& d) {
    d.Champ()->Edit()->selectAll();
    QTest::keyClick(d.Champ()->Edit(), Qt::Key_Delete);
    QTest::keyClicks(d.Champ()->Edit(), duree);
    QTest::mouseClick(d.BoutonOk(), Qt::LeftButton);
  });
  QTest::mouseClick(bouton, Qt::LeftButton);
}

class CommandeModele : public ::testing::Test {
 protected:
  CommandeModele() {
    frame_ = testing::FenetreEssai(contexte_, SIZE{320, 240});
    frame_->Doc().FixeModifie(false);
  }

  // Opens the dialog of the "Template" command and lets `action` drive it.
  void Modele(std::function<void(CModeleDlg&)> action) {
    bool ouvert = false;
    RepondDialogue<CModeleDlg>([&](CModeleDlg& dlg) {
      ouvert = true;
      action(dlg);
    });
    frame_->Action(Commande::Modele)->trigger();
    EXPECT_TRUE(ouvert);
  }

  CListeView& Liste() { return *frame_->ListeView(); }
  CProjet& Projet() { return testing::ProjetEssai(contexte_); }

  testing::TempDir dossier_;
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(CommandeModele, OkForAllKeepsEachRotationAndGivesEveryScreenTheTemplatesTextsAndDuration) {
  // Three screens with their own pictures and rotations (none, a quarter
  // and a half turn).
  const int angles[3] = {0, 180, 360};
  std::string photos[3];
  for (int i = 0; i < 3; ++i) {
    photos[i] = dossier_.File("photo" + std::to_string(i) + ".bmp");
    ASSERT_EQ(talvik::CGraphique::SauveImage(
                  photos[i], talvik::HBITMAP::Create(60 + 10 * i, 40, talvik::RGB(0, 80 * i, 200)),
                  90, 0, 0),
              1);
    CEcran e(SIZE{320, 240});
    ASSERT_EQ(e.ChargeImage(photos[i]), 1);
    e.RotationAngle = angles[i];
    e.RotationUtilisation = angles[i];
    e.DureeAffichage = 20 + i;
    if (i == 0) {
      Liste().Selectionne(0);
      frame_->Contexte().Controleur.RemplaceSelection(e);
    } else {
      frame_->Contexte().Controleur.InsereEcran(e, true);
    }
  }
  Liste().Selectionne(1);

  // A template file with a text; the duration is then typed in the dialog.
  CEcran fichier(SIZE{320, 240});
  fichier.Textes[0].Utilisation = 1;
  fichier.Textes[0].Libelle = "Holidays";
  fichier.DureeAffichage = 9;
  testing::CDialogueTest silencieux;
  const std::string chemin = dossier_.File("vacances.mod");
  ASSERT_EQ(SauveModele(chemin, fichier, silencieux), 1);

  QString lignes[3];
  Modele([&](CModeleDlg& dlg) {
    ChoisitFichier(QString::fromStdString(chemin));
    QTest::mouseClick(dlg.BoutonChargement(), Qt::LeftButton);
    ChoisitDuree(dlg.BoutonEditeur(CModeleDlg::kDuree), "7");
    lignes[0] = dlg.Ligne(CModeleDlg::kTextes);
    lignes[1] = dlg.Ligne(CModeleDlg::kDuree);
    lignes[2] = dlg.Ligne(CModeleDlg::kNombreEditeurs);
    testing::CaptureWidget(&dlg, "modele_dialog");
    QTest::mouseClick(dlg.BoutonOkPourTous(), Qt::LeftButton);
  });
  EXPECT_EQ(lignes[0], "Defined text(s).");
  EXPECT_EQ(lignes[1], "Defined duration to 7 second(s)");
  EXPECT_EQ(lignes[2], "Loaded template 'vacances.mod'.");

  ASSERT_EQ(Projet().NombreEcrans(), 3);
  for (int i = 0; i < 3; ++i) {
    const CEcran& e = Projet().Ecran(i);
    EXPECT_EQ(e.CheminImage, photos[i]) << i;
    EXPECT_EQ(e.RotationAngle, angles[i]) << i;
    EXPECT_EQ(e.RotationUtilisation, angles[i]) << i;
    EXPECT_EQ(e.DureeAffichage, 7) << i;
    EXPECT_EQ(e.Textes[0].Utilisation, 1) << i;
    EXPECT_EQ(e.Textes[0].Libelle, "Holidays") << i;
    EXPECT_EQ(e.TailleCible.cx, 320) << i;
  }
  EXPECT_EQ(Projet().Selection(), 1);
  EXPECT_EQ(contexte_.EcranCourant->CheminImage, photos[1]);
  EXPECT_EQ(contexte_.EcranCourant->DureeAffichage, 7);
  EXPECT_EQ(Projet().ModeleEcran.DureeAffichage, 7);
  EXPECT_EQ(Projet().NomModele, chemin);
  EXPECT_EQ(Projet().ModeleCharge, 1);
  // The demo picture is not the template's: new screens have no picture size.
  EXPECT_EQ(Projet().ModeleEcran.TailleImage.cx, 0);
  EXPECT_TRUE(frame_->Doc().EstModifie());
}

TEST_F(CommandeModele, ResetThenOkMakesDefaultScreensAndCancelChangesNothing) {
  Projet().ModeleEcran.DureeAffichage = 12;
  Projet().ModeleEcran.CadreUtilisation = 1;
  Projet().ModeleEcran.RedimensionUtilisation = 0;  // a template that says no resizing
  Projet().NomModele = "/tmp/ancien.mod";
  Projet().ModeleCharge = 1;
  const int dureeEcran = Projet().Ecran(0).DureeAffichage;

  // Cancel after a change keeps the project's template.
  Modele([&](CModeleDlg& dlg) {
    EXPECT_EQ(dlg.Ligne(CModeleDlg::kDuree), "Defined duration to 12 second(s)");
    EXPECT_EQ(dlg.Ligne(CModeleDlg::kNombreEditeurs), "Loaded template 'ancien.mod'.");
    ChoisitDuree(dlg.BoutonEditeur(CModeleDlg::kDuree), "5");
    dlg.reject();
  });
  EXPECT_EQ(Projet().ModeleEcran.DureeAffichage, 12);
  EXPECT_FALSE(frame_->Doc().EstModifie());

  int bips = 0;
  const auto ancienBip = talvik::InstalleHookBip([&] { ++bips; });
  Modele([&](CModeleDlg& dlg) {
    QTest::mouseClick(dlg.BoutonReset(), Qt::LeftButton);
    EXPECT_EQ(dlg.Ligne(CModeleDlg::kDuree), "Defined duration to 3 second(s)");
    EXPECT_EQ(dlg.Ligne(CModeleDlg::kCadre), "No defined border.");
    EXPECT_EQ(dlg.Ligne(CModeleDlg::kRedimension), "Stretching to fit the screen.");
    EXPECT_EQ(dlg.Ligne(CModeleDlg::kNombreEditeurs), "No loaded template.");
    QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  });
  talvik::InstalleHookBip(ancienBip);
  EXPECT_EQ(bips, 1);
  EXPECT_EQ(Projet().NomModele, "");
  EXPECT_EQ(Projet().ModeleCharge, 0);
  // OK alone leaves the existing screens; a new one is a default screen.
  EXPECT_EQ(Projet().Ecran(0).DureeAffichage, dureeEcran);
  frame_->Action(Commande::EcranNouveau)->trigger();
  ASSERT_EQ(Projet().NombreEcrans(), 2);
  EXPECT_EQ(Projet().Ecran(1).DureeAffichage, 3);    // the default display time
  EXPECT_EQ(Projet().Ecran(1).CadreUtilisation, 0);  // no border by default
  // The template is part of the project: OK marks it modified.
  EXPECT_TRUE(frame_->Doc().EstModifie());
  // New screens show the whole picture as large as fits the screen.
  EXPECT_TRUE(EstAjusteEcran(Projet().Ecran(1)));
}

TEST_F(CommandeModele, SavesUnderANewNameAndTheFileReadsBack) {
  const std::string chemin = dossier_.File("nouveau.mod");
  QString ligne;
  Modele([&](CModeleDlg& dlg) {
    ChoisitDuree(dlg.BoutonEditeur(CModeleDlg::kDuree), "42");
    ChoisitFichier(QString::fromStdString(chemin));
    QTest::mouseClick(dlg.BoutonSauvegarde(), Qt::LeftButton);
    ligne = dlg.Ligne(CModeleDlg::kNombreEditeurs + 1);
    QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
  });
  EXPECT_EQ(ligne, "Saved template 'nouveau.mod'.");
  EXPECT_EQ(Projet().ModeleSauve, 1);
  EXPECT_EQ(Projet().NomModele, chemin);
  CEcran relu(SIZE{320, 240});
  testing::CDialogueTest silencieux;
  ASSERT_EQ(ChargeModele(chemin, relu, silencieux), 1);
  EXPECT_EQ(relu.DureeAffichage, 42);
}

TEST(ModeleDlg, DemoPictureIsFourFifthsOfTheResolutionAnd800x600For1024x768) {
  talvik::CGraphique graphique;
  testing::CDialogueTest dialogue;
  const SIZE cas[][2] = {{{1024, 768}, {800, 600}},
                         {{1280, 960}, {1024, 768}},
                         {{240, 320}, {192, 256}},
                         {{1366, 768}, {1092, 614}}};
  for (const auto& [resolution, demo] : cas) {
    CProjet projet;
    projet.ResolutionCible = resolution;
    CModeleDlg dlg(projet, talvik::HBITMAP::Create(140, 100, 0x00808080), graphique, dialogue,
                   true);
    EXPECT_EQ(dlg.Modele().ImageSource.Width(), demo.cx) << resolution.cx;
    EXPECT_EQ(dlg.Modele().ImageSource.Height(), demo.cy) << resolution.cx;
    EXPECT_EQ(dlg.Modele().TailleCible.cx, resolution.cx);
    EXPECT_EQ(dlg.BoutonOk(), nullptr);
    ASSERT_NE(dlg.BoutonSuivant(), nullptr);
  }
}

TEST(ModeleDlg, EveryControlOfTheTemplateAndWizardDialogsHasAName) {
  talvik::CGraphique graphique;
  testing::CDialogueTest dialogue;
  CProjet projet;
  projet.ResolutionCible = SIZE{320, 240};
  CModeleDlg normal(projet, talvik::HBITMAP(), graphique, dialogue, false);
  CModeleDlg assistant(projet, talvik::HBITMAP(), graphique, dialogue, true);
  CAssistantDlg accueil;
  for (QDialog* dlg : std::initializer_list<QDialog*>{&normal, &assistant, &accueil}) {
    dlg->show();
    QStringList sans;
    for (QWidget* w : dlg->findChildren<QWidget*>())
      if ((qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)) &&
          w->accessibleName().isEmpty())
        sans << w->metaObject()->className();
    EXPECT_TRUE(sans.isEmpty()) << dlg->windowTitle().toStdString() << ": "
                                << sans.join(", ").toStdString();
  }
}

}  // namespace
}  // namespace lumaveil
