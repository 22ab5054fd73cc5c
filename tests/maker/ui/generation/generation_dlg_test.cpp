// The generation dialog and what its buttons start: each picture button
// ends the dialog with its id, and "Save for Linux" through the real
// chooser and progress window writes a saver the package reader reads back.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "fenetre_essai.h"
#include "projet_essai.h"
#include "capture_ecran.h"
#include "dialogs/commun/boite_message.h"
#include "dialogues_essai.h"
#include "fenetre/main_frame.h"
#include "generation/commandes_generation.h"
#include "generation/choix_dossier_qt.h"
#include "generation/generation_dlg.h"
#include "lecture_options.h"
#include "liste/liste_view.h"
#include "package_reader.h"
#include "fenetre/outil_dialog.h"
#include "principale/principale_view.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

TEST(GenerationDlg, EachPictureButtonIsNamedByItsTooltipAndEndsTheDialogWithItsId) {
  const std::pair<CGenerationDlg::Resultat, QString> boutons[] = {
      {CGenerationDlg::kAffichage, "Display"},
      {CGenerationDlg::kSauveWindows, "Save for Windows"},
      {CGenerationDlg::kSauveLinux, "Save for Linux"},
      {CGenerationDlg::kSauvePageWeb, "Save as web page"},
      {CGenerationDlg::kEnvoiMail, "Send by email"},
      {CGenerationDlg::kEnvoiInternet, "Send to Internet"}};
  for (const auto& [resultat, texte] : boutons) {
    CGenerationDlg dlg(nullptr, true);
    dlg.show();
    QToolButton* b = dlg.Bouton(resultat);
    ASSERT_NE(b, nullptr) << texte.toStdString();
    EXPECT_EQ(b->toolTip(), texte);
    EXPECT_EQ(b->accessibleName(), texte);
    EXPECT_FALSE(b->icon().pixmap(48, 48).isNull()) << texte.toStdString();
    if (resultat == CGenerationDlg::kAffichage) {
      EXPECT_EQ(dlg.windowTitle(), "Screen saver Generation");
      testing::CaptureWidget(&dlg, "generation_dialog");
    }
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), int(resultat)) << texte.toStdString();
    EXPECT_FALSE(dlg.isVisible());
  }
}

TEST(GenerationDlg, EscapeGivesNoChoiceAndTheWindowsOnlyDialogHasNoLinuxSaver) {
  CGenerationDlg dlg(nullptr, false);
  EXPECT_EQ(dlg.Bouton(CGenerationDlg::kSauveLinux), nullptr);
  EXPECT_NE(dlg.Bouton(CGenerationDlg::kSauveWindows), nullptr);
  dlg.show();
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_EQ(dlg.result(), 0);
}

class GenerationDepuisFenetre : public ::testing::Test {
 protected:
  GenerationDepuisFenetre() {
    // The smallest size the player accepts.
    testing::ProjetEssai(contexte_).ModeleEcran.TailleCible = kTaille;
    frame_ = testing::FenetreEssai(contexte_, kTaille);
    // The window's first screen is a title: a screen with neither a
    // picture nor a text would be left out of the savers.
    testing::ProjetEssai(contexte_).Ecran(0).Textes[0] = Titre("Summer");
    frame_->show();
    talvik::InstalleHookBoiteMessage([this](const std::string& texte, const std::string& titre,
                                            talvik::IconeMessage, talvik::BoutonsMessage) {
      boites_.emplace_back(titre, texte);
      return int(talvik::IDNO);
    });
  }
  ~GenerationDepuisFenetre() override { talvik::InstalleHookBoiteMessage({}); }

  static T_TEXTE Titre(const char* texte) {
    T_TEXTE t;
    t.Utilisation = 1;
    t.Libelle = texte;
    return t;
  }
  // Title screens, each of its own colour.
  void AjouteEcrans(int n) {
    for (int i = 0; i < n; ++i) {
      CEcran ecran(kTaille);
      ecran.FondCouleur = talvik::RGB(talvik::BYTE(40 * i), 90, 200);
      ecran.Textes[0] = Titre("Day");
      frame_->Contexte().Controleur.InsereEcran(ecran, true);
    }
  }
  void CliqueDansDialogue(CGenerationDlg::Resultat resultat) {
    testing::RepondDialogue<CGenerationDlg>(
        [resultat](CGenerationDlg& dlg) { QTest::mouseClick(dlg.Bouton(resultat), Qt::LeftButton); });
  }

  static constexpr SIZE kTaille{320, 240};
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
  std::vector<std::pair<std::string, std::string>> boites_;  // caption, text
};

// A blank screen (Screen > New, left so) is left out and named in a box
// before the saver's questions.
TEST_F(GenerationDepuisFenetre, SaveForLinuxWritesASaverThePackageReaderReadsWithEveryScreen) {
  AjouteEcrans(2);  // after the first: 3 screens
  frame_->Action(Commande::EcranNouveau)->trigger();
  ASSERT_EQ(contexte_.Projet.NombreEcrans(), 4);
  testing::TempDir dossier;
  const std::string moteur = dossier.File("LmvEngine");
  std::ofstream(moteur, std::ios::binary) << std::string(3000, 'E');
  frame_->Generation().MoteurLinux = moteur;
  const std::string cible = dossier.File("ete");

  CliqueDansDialogue(CGenerationDlg::kSauveLinux);
  testing::ChoisitFichier(QString::fromStdString(cible));
  // The top bar's "Generate a screen saver" button.
  QToolButton* generer = frame_->OutilDialog()->Bouton(8);
  ASSERT_EQ(generer->toolTip(), "Generate a screen saver");
  QTest::mouseClick(generer, Qt::LeftButton);

  EXPECT_TRUE(frame_->isEnabled());
  lmvengine::PackageReader paquet;
  ASSERT_EQ(paquet.Open(cible), lmvengine::OpenStatus::kOk);
  EXPECT_EQ(paquet.Trailer().screenCount, 3);
  EXPECT_EQ(paquet.Trailer().width, 320);
  EXPECT_EQ(paquet.Trailer().height, 240);
  EXPECT_EQ(paquet.Trailer().dataOffset, 3000);
  for (int i = 1; i <= 3; ++i) {
    lmvengine::DecodedImage image;
    const lmvengine::RecordRead lu = paquet.ReadRecord(image);
    EXPECT_EQ(lu.status, lmvengine::RecordStatus::kDecoded) << i;
    EXPECT_EQ(image.width, 320) << i;
  }
  EXPECT_EQ(contexte_.Projet.CheminEcranDeVeille, cible);
  // The blank screen left out; the install offer came, and No installed
  // nothing; then where the saver went, and No opened nothing.
  ASSERT_EQ(boites_.size(), 3u);
  EXPECT_EQ(boites_[0].first, "Warning");
  EXPECT_EQ(boites_[0].second, "Screen 4 has no picture and no text; it was left out.");
  EXPECT_EQ(boites_[1].first, "Question");
  EXPECT_EQ(boites_[2].first, "Question");
  EXPECT_EQ(boites_[2].second,
            "The screen saver is saved as:\n" + cible + "\n\nOpen the folder that holds it?");
}

// After Save for Windows the saver's place is said, and Yes opens its
// folder.
TEST_F(GenerationDepuisFenetre, SaveForWindowsSaysWhereTheSaverWentAndOpensItsFolderOnYes) {
  AjouteEcrans(2);
  testing::TempDir dossier;
  const std::string moteur = dossier.File("LmvEngine.exe");
  std::ofstream(moteur, std::ios::binary) << "MZ" << std::string(3000, 'E');
  frame_->Generation().MoteurWindows = moteur;
  std::vector<QString> ouverts;
  frame_->Generation().OuvreDossier = [&](const QString& d) { ouverts.push_back(d); };
  talvik::InstalleHookBoiteMessage([this](const std::string& texte, const std::string& titre,
                                          talvik::IconeMessage, talvik::BoutonsMessage) {
    boites_.emplace_back(titre, texte);
    return int(talvik::IDYES);
  });
  const std::string cible = dossier.File("ete.scr");
  CliqueDansDialogue(CGenerationDlg::kSauveWindows);
  testing::ChoisitFichier(QString::fromStdString(cible));
  frame_->Action(Commande::Generation)->trigger();

  ASSERT_TRUE(std::filesystem::exists(cible));
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_EQ(boites_[0].second,
            "The screen saver is saved as:\n" + cible + "\n\nOpen the folder that holds it?");
  EXPECT_EQ(ouverts, std::vector<QString>{QString::fromStdString(dossier.Path())});
}

// The web page's folder chooser takes the name of a folder still to make,
// typed in its name field, and makes it.
TEST_F(GenerationDepuisFenetre, TheWebPageFolderChooserMakesATypedFolderThatDoesNotExist) {
  testing::TempDir dossier;
  testing::RepondDialogue<CChoixDossierQt>([&](CChoixDossierQt& choix) {
    choix.setDirectory(QString::fromStdString(dossier.Path()));
    auto* nom = choix.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nom, nullptr);
    nom->clear();
    QTest::keyClicks(nom, QStringLiteral("site"));
    QPushButton* choisir = choix.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
    EXPECT_TRUE(choisir->isEnabled());
    QTest::mouseClick(choisir, Qt::LeftButton);
  });
  const QString choisi = CChoixDossierQt::Choisit(frame_.get(), QStringLiteral("Save as web page"));
  EXPECT_EQ(choisi, QString::fromStdString(dossier.File("site")));
  EXPECT_TRUE(std::filesystem::is_directory(dossier.File("site")));
  EXPECT_TRUE(boites_.empty());
}

TEST_F(GenerationDepuisFenetre, SaveAsWebPageFromTheMenuWritesThePageItsPlayerAndTheSaver) {
  AjouteEcrans(2);
  testing::TempDir dossier;
  const std::string moteur = dossier.File("LmvEngine");
  std::ofstream(moteur, std::ios::binary) << std::string(3000, 'E');
  frame_->Generation().MoteurWindows = dossier.File("absent.exe");
  frame_->Generation().MoteurLinux = moteur;
  int demandes = 0;
  frame_->Generation().ChoixDossierPageWeb = [&] {
    ++demandes;
    return QString::fromStdString(dossier.File("site"));
  };
  QAction* action = frame_->Action(Commande::SauvePageWeb);
  ASSERT_EQ(action->text().remove('&'), "Save as web page");
  action->trigger();

  EXPECT_EQ(demandes, 1);
  EXPECT_TRUE(frame_->isEnabled());
  std::ifstream page(dossier.File("site/index.html"));
  const std::string html((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
  EXPECT_NE(html.find("data-lumaveil-saver"), std::string::npos);
  EXPECT_NE(html.find("export class Player"), std::string::npos);  // the player, inside
  EXPECT_TRUE(std::filesystem::exists(dossier.File("site/lumaveil_player.js")));
  // Only the Linux player is there: the page plays and offers the Linux saver.
  const std::string saver = contexte_.Projet.CheminEcranDeVeille;
  ASSERT_FALSE(saver.empty());
  EXPECT_EQ(std::filesystem::path(saver).parent_path(), dossier.File("site"));
  lmvengine::PackageReader paquet;
  ASSERT_EQ(paquet.Open(saver), lmvengine::OpenStatus::kOk);
  EXPECT_EQ(paquet.Trailer().screenCount, 3);
  EXPECT_EQ(html.find("Download for Windows"), std::string::npos);
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_EQ(boites_[0].first, "Information");
  EXPECT_NE(boites_[0].second.find("index.html"), std::string::npos);
}

TEST_F(GenerationDepuisFenetre, SaveAsWebPageWithOneScreenWarnsBeforeAskingForAFolder) {
  int demandes = 0;
  frame_->Generation().ChoixDossierPageWeb = [&] {
    ++demandes;
    return QStringLiteral("/nonexistent");
  };
  CliqueDansDialogue(CGenerationDlg::kSauvePageWeb);
  frame_->Action(Commande::Generation)->trigger();
  EXPECT_EQ(demandes, 0);
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_EQ(boites_[0].first, "Warning");
  EXPECT_TRUE(contexte_.Projet.CheminEcranDeVeille.empty());
}

// "Shuffle" and the monitor choice open on the project's own, count for
// every button but Cancel, and reach the saver written.
TEST_F(GenerationDepuisFenetre, ThePlayingChoicesGoWithTheProjectAndItsSaverUnlessCancelled) {
  AjouteEcrans(1);
  auto coche = [](CGenerationDlg& dlg) {
    EXPECT_FALSE(dlg.CaseMelange()->isChecked());
    EXPECT_TRUE(dlg.MemeEcran()->isChecked());
    QTest::mouseClick(dlg.CaseMelange(), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(dlg.EcransDifferents(), Qt::LeftButton, {}, QPoint(8, 8));
  };
  testing::RepondDialogue<CGenerationDlg>([&](CGenerationDlg& dlg) {
    coche(dlg);
    testing::CaptureWidget(&dlg, "generation_dialog_lecture");
    dlg.reject();
  });
  frame_->Action(Commande::Generation)->trigger();
  EXPECT_EQ(contexte_.Projet.MelangeEcrans, 0);
  EXPECT_EQ(contexte_.Projet.MoniteursDifferents, 0);

  testing::TempDir dossier;
  const std::string moteur = dossier.File("LmvEngine");
  std::ofstream(moteur, std::ios::binary) << std::string(3000, 'E');
  frame_->Generation().MoteurLinux = moteur;
  const std::string cible = dossier.File("melange");
  testing::RepondDialogue<CGenerationDlg>([&](CGenerationDlg& dlg) {
    coche(dlg);
    QTest::mouseClick(dlg.Bouton(CGenerationDlg::kSauveLinux), Qt::LeftButton);
  });
  testing::ChoisitFichier(QString::fromStdString(cible));
  frame_->Action(Commande::Generation)->trigger();
  EXPECT_EQ(contexte_.Projet.MelangeEcrans, 1);
  EXPECT_EQ(contexte_.Projet.MoniteursDifferents, 1);
  EXPECT_EQ(contexte_.Projet.CheminEcranDeVeille, cible);
  lmvengine::OptionsBlock bloc;
  ASSERT_TRUE(testing::LitBlocOptions(cible, bloc));
  EXPECT_EQ(bloc.flags, lmvengine::kOptionShuffle | lmvengine::kOptionDifferentMonitors);

  // Opened again, it shows them.
  testing::RepondDialogue<CGenerationDlg>([&](CGenerationDlg& dlg) {
    EXPECT_TRUE(dlg.CaseMelange()->isChecked());
    EXPECT_TRUE(dlg.EcransDifferents()->isChecked());
    dlg.reject();
  });
  frame_->Action(Commande::Generation)->trigger();
}

TEST_F(GenerationDepuisFenetre, OneScreenGivesTheMessageAndSendingWithoutASaverSaysSo) {
  CliqueDansDialogue(CGenerationDlg::kSauveWindows);
  frame_->Action(Commande::Generation)->trigger();
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_EQ(boites_[0].first, "Warning");
  EXPECT_EQ(boites_[0].second, "You must create at least 2 screens before generating a screen saver !");

  CliqueDansDialogue(CGenerationDlg::kEnvoiMail);
  frame_->Action(Commande::Generation)->trigger();
  ASSERT_EQ(boites_.size(), 2u);
  EXPECT_EQ(boites_[1].first, "Error");
  EXPECT_EQ(boites_[1].second, "No saved file.\nFirst, you must save screensaver in file.");
}

}  // namespace
}  // namespace lumaveil
