// Sharing under the real pointer: "Save as web page" chosen in the
// Generate menu or in the generation dialog, the folder typed into the
// folder chooser and Choose clicked, writes the page, its player and the
// saver, and says so; in the Internet dialog, "Web address of the page"
// clicked into and typed: an address that is not a web address is refused
// with the field ready for another, a right one is kept, and an emptied
// field keeps none. Screenshots at this screen size.
#include <QApplication>
#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "dialogs/commun/boite_message.h"
#include "projet_essai.h"
#include "fenetre_essai.h"
#include "fenetre/outil_dialog.h"
#include "generation/commandes_generation.h"
#include "generation/generation_dlg.h"
#include "internet/internet_dialog.h"
#include "package_reader.h"
#include "pointeur_x.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;
using testing::Attend;
using testing::CaptureEcran;
using testing::Clique;
using testing::PendantModal;

QString Taille() {
  const QSize s = QGuiApplication::primaryScreen()->size();
  return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

QPoint Centre(QWidget* w) { return w->rect().center(); }

// A project of three screens in the shown main window; the folder chooser
// and the closing message answered with the pointer.
class PageWebSouris : public ::testing::Test {
 protected:
  static constexpr SIZE kTaille{320, 240};

  void SetUp() override {
    testing::ProjetEssai(contexte_).ModeleEcran.TailleCible = kTaille;
    frame_ = testing::FenetreEssai(contexte_, kTaille);
    // Title screens: a screen with neither a picture nor a text would be
    // left out of the saver.
    T_TEXTE titre;
    titre.Utilisation = 1;
    titre.Libelle = "Summer";
    testing::ProjetEssai(contexte_).Ecran(0).Textes[0] = titre;
    for (int i = 0; i < 2; ++i) {
      CEcran ecran(kTaille);
      ecran.FondCouleur = talvik::RGB(talvik::BYTE(60 + 80 * i), 90, 200);
      ecran.Textes[0] = titre;
      frame_->Contexte().Controleur.InsereEcran(ecran, true);
    }
    ASSERT_EQ(contexte_.Projet.NombreEcrans(), 3);
    ASSERT_TRUE(testing::MontreEtActive(frame_.get()));
    const std::string moteur = dossier_.File("LmvEngine");
    std::ofstream(moteur, std::ios::binary) << std::string(3000, 'E');
    frame_->Generation().MoteurWindows = dossier_.File("absent.exe");
    frame_->Generation().MoteurLinux = moteur;
    fs::create_directory(site_);
  }

  // The chooser gets the folder typed into its name field and Choose
  // clicked; the message at the end is kept and OK clicked. Call before
  // the gesture that starts the command.
  void RepondAvecLaSouris(const QString& nom) {
    PendantModal(
        [this, nom](QWidget* fenetre) {
          auto* choix = static_cast<QFileDialog*>(fenetre);
          auto* champ = choix->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
          auto* boutons = choix->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
          QPushButton* choisir = nullptr;
          for (QAbstractButton* b : boutons ? boutons->buttons() : QList<QAbstractButton*>())
            if (boutons->buttonRole(b) == QDialogButtonBox::AcceptRole)
              choisir = qobject_cast<QPushButton*>(b);
          if (!champ || !choisir) {
            choix->reject();
            return;
          }
          choixVu_ = true;
          Clique(champ, QPoint(8, champ->height() / 2));
          testing::Touches("ctrl+a BackSpace");
          // Ending in "/": the folder's own content, empty, leaves no
          // completion list over the buttons.
          testing::Tape(site_ + "/");
          Attend([champ] { return !champ->completer() || !champ->completer()->popup()->isVisible(); });
          CaptureEcran(QStringLiteral("%1_dossier_").arg(nom) + Taille());
          Clique(choisir, Centre(choisir));
          // A chooser still open (a click lost under load) is closed rather
          // than left waiting: the checks then fail.
          if (choix->isVisible()) choix->reject();
        },
        [](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; });
    PendantModal(
        [this, nom](QWidget* fenetre) {
          auto* boite = static_cast<QMessageBox*>(fenetre);
          Attend([boite] {
            const QRect avant = boite->geometry();
            QTest::qWait(100);
            return avant == boite->geometry();
          });
          // Client areas: both have the same window manager's frame.
          ecartBoite_ = boite->geometry().center() - frame_->geometry().center();
          message_ = boite->text();
          CaptureEcran(QStringLiteral("%1_prete_").arg(nom) + Taille());
          QAbstractButton* ok = boite->button(QMessageBox::Ok);
          if (ok) Clique(ok, Centre(ok));
          if (boite->isVisible()) boite->reject();
        },
        [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; });
  }

  // The folder holds the page, its player and the saver of every screen.
  void VerifieDossier() {
    EXPECT_TRUE(Attend([this] { return !message_.isEmpty(); }, 30000)) << "no message at the end";
    EXPECT_TRUE(choixVu_) << "no folder chooser with a name field and a Choose button";
    EXPECT_TRUE(message_.contains("index.html")) << message_.toStdString();
    // The message opens centred on the main window, at the size its wrapped
    // text takes.
    EXPECT_LE(ecartBoite_.manhattanLength(), 12)
        << "message box off centre by " << ecartBoite_.x() << "," << ecartBoite_.y();
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_TRUE(frame_->isEnabled());
    std::ifstream page(site_ + "/index.html");
    const std::string html((std::istreambuf_iterator<char>(page)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(html.find("data-lumaveil-saver"), std::string::npos);
    EXPECT_TRUE(fs::exists(site_ + "/lumaveil_player.js"));
    const std::string saver = contexte_.Projet.CheminEcranDeVeille;
    ASSERT_FALSE(saver.empty());
    EXPECT_TRUE(fs::equivalent(fs::path(saver).parent_path(), site_)) << saver;
    lmvengine::PackageReader paquet;
    ASSERT_EQ(paquet.Open(saver), lmvengine::OpenStatus::kOk);
    EXPECT_EQ(paquet.Trailer().screenCount, 3);
  }

  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
  testing::TempDir dossier_;
  const std::string site_ = dossier_.File("site");
  bool choixVu_ = false;
  QString message_;
  QPoint ecartBoite_;
};

TEST_F(PageWebSouris, ChosenInTheGenerateMenuItWritesThePageItsPlayerAndTheSaver) {
  RepondAvecLaSouris(QStringLiteral("page_web_menu"));
  QMenu* menu = frame_->Menu(QStringLiteral("Generate"));
  ASSERT_NE(menu, nullptr);
  QMenuBar* barre = frame_->menuBar();
  Clique(barre, barre->actionGeometry(menu->menuAction()).center());
  ASSERT_TRUE(Attend([menu] { return menu->isVisible(); })) << "the Generate menu did not open";
  const QPoint article = menu->actionGeometry(frame_->Action(Commande::SauvePageWeb)).center();
  testing::Survole(menu, article);
  CaptureEcran("menu_generer_" + Taille());
  // The command runs from the click: the chooser, the work and the message
  // are answered on the way.
  Clique(menu, article);
  VerifieDossier();
}

TEST_F(PageWebSouris, ChosenInTheGenerationDialogItDoesTheSame) {
  RepondAvecLaSouris(QStringLiteral("page_web_generation"));
  PendantModal(
      [](QWidget* fenetre) {
        QToolButton* bouton = static_cast<CGenerationDlg*>(fenetre)->Bouton(CGenerationDlg::kSauvePageWeb);
        if (bouton) Clique(bouton, Centre(bouton));
        if (fenetre->isVisible()) static_cast<QDialog*>(fenetre)->reject();
      },
      [](QWidget* w) { return qobject_cast<CGenerationDlg*>(w) != nullptr; });
  // The top bar's "Generate a screen saver".
  QToolButton* generer = frame_->OutilDialog()->Bouton(8);
  ASSERT_EQ(generer->defaultAction(), frame_->Action(Commande::Generation));
  Clique(generer, Centre(generer));
  VerifieDossier();
}

TEST(InternetSouris, WebAddressOfThePageTypedWithThePointerIsCheckedThenKept) {
  int bips = 0;
  const talvik::HookBip ancienBip = talvik::InstalleHookBip([&] { ++bips; });
  CInternetDlg dlg;
  dlg.m_strNomServeur = "ftp.example.org";
  dlg.m_strNomFichier = "summer.scr";
  dlg.m_strNomPage = "summer.html";
  QLineEdit* adresse = dlg.AdressePage();
  QPushButton* ok = dlg.BoutonOk();

  bool focusAuClic = false, refusee = false;
  QRect cadre;
  PendantModal([&](QWidget*) {
    Clique(adresse, QPoint(8, adresse->height() / 2));
    focusAuClic = QApplication::focusWidget() == adresse;
    testing::Tape("example.org/pub/summer.html");
    Clique(ok, Centre(ok));
    // Refused: still open, the field selected, so typing replaces it.
    refusee = dlg.isVisible() && QApplication::focusWidget() == adresse &&
              adresse->selectedText() == adresse->text();
    testing::Tape("https://example.org/pub/summer.html");
    cadre = dlg.frameGeometry();
    CaptureEcran("internet_adresse_" + Taille());
    Clique(ok, Centre(ok));
    if (dlg.isVisible()) dlg.reject();
  });
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  EXPECT_TRUE(focusAuClic) << "a click in the field did not give it the focus";
  EXPECT_TRUE(refusee) << "an address without http(s) was not refused with the field selected";
  EXPECT_EQ(bips, 1);
  EXPECT_EQ(dlg.m_strAdressePage, "https://example.org/pub/summer.html");
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(cadre))
      << "the dialog at " << cadre.x() << "," << cadre.y() << " " << cadre.width() << "x"
      << cadre.height();

  // The address is optional: emptied, OK keeps none (mail sends the file).
  PendantModal([&](QWidget*) {
    Clique(adresse, QPoint(8, adresse->height() / 2));
    testing::Touches("ctrl+a BackSpace");
    Clique(ok, Centre(ok));
    if (dlg.isVisible()) dlg.reject();
  });
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_strAdressePage, "");
  EXPECT_EQ(bips, 1);
  talvik::InstalleHookBip(ancienBip);
}

}  // namespace
}  // namespace lumaveil
