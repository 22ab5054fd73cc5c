// The real maker on a private X server: started with a project, a screen
// added with the top-bar button, one deleted with the Delete key in the
// list, saved with Ctrl+S, quit through the File menu; the saved project
// and the ten settings written at exit are checked.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "fichier_projet.h"
#include "fichier_registre.h"
#include "graphique.h"
#include "maker_sous_x.h"

namespace lumaveil {
namespace {

namespace reg = talvik::registre;
using namespace std::chrono_literals;
using testing::TitreTraduit;
using testing::ToucheTraduite;

class Silence : public IDialogue {
 public:
  void Message(const MessageUtilisateur&) override {}
  int Question(const MessageUtilisateur&) override { return 0; }
};

class FenetreBoutEnBout : public ::testing::Test, public testing::MakerSousX {
 protected:
  FenetreBoutEnBout() : MakerSousX(1024, 768, false) {}
  void SetUp() override {
    ASSERT_TRUE(Ok());
    images_ = Images({talvik::RGB(200, 40, 40), talvik::RGB(40, 40, 200)});
    ASSERT_EQ(images_.size(), 2u);
    registre_ = Dossier().File("registry.reg");
    projet_ = Projet(images_);
    ASSERT_FALSE(projet_.empty());
  }
  // Return in the window named `nom` until it closes: the first Return
  // may only take the entry of a completion list.
  bool Accepte(const std::string& nom) {
    for (int essai = 0; essai < 4; ++essai) {
      std::string id = Xdotool("search --onlyvisible --name '" + nom + "'");
      if (id.empty()) return true;
      Touches(id.substr(0, id.find('\n')), "Return");
      if (AttendFermeture(nom, 3)) return true;
    }
    return false;
  }

  std::string registre_, projet_;
  std::vector<std::string> images_;
};

TEST_F(FenetreBoutEnBout, AddDeleteSaveQuitWritesTheProjectAndTheTenSettings) {
  Lance(projet_, registre_);
  const std::string fenetre = AttendFenetre("projet.lmv.*Lumaveil", 30);
  ASSERT_FALSE(fenetre.empty()) << "the main window did not show";
  // The start-up picture shows for 3 seconds; the project is read after it.
  ASSERT_FALSE(AttendFenetre(TitreTraduit("lumaveil::CMainFrame", "About Lumaveil"), 10).empty());
  for (int i = 0; i < 100 && !Xdotool("search --onlyvisible --name '" +
                                      TitreTraduit("lumaveil::CMainFrame", "About Lumaveil") + "'")
                                  .empty();
       ++i)
    std::this_thread::sleep_for(100ms);
  std::this_thread::sleep_for(1500ms);

  // "Create a new screen", the fourth button of the top bar: after the
  // selected (last) screen.
  Xdotool("mousemove --window " + fenetre + " 165 42 click 1");
  std::this_thread::sleep_for(800ms);
  // The first thumbnail of the list, then Delete.
  Xdotool("mousemove --window " + fenetre + " 82 120 click 1");
  std::this_thread::sleep_for(800ms);
  Xdotool("key --window " + fenetre + " Delete");
  std::this_thread::sleep_for(800ms);
  Xdotool("key --window " + fenetre + " ctrl+s");
  std::this_thread::sleep_for(1000ms);
  Xdotool("key --window " + fenetre + " alt+" + ToucheTraduite("lumaveil::CMainFrame", "&File"));
  std::this_thread::sleep_for(500ms);
  Xdotool("key " + ToucheTraduite("Commandes", "&Quit"));
  int statut = -1;
  ASSERT_TRUE(AttendFin(20, &statut)) << "the maker did not quit";
  EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);

  CProjet lu;
  Silence silence;
  ASSERT_EQ(ChargeProjet(lu, projet_, silence), 1);
  ASSERT_EQ(lu.NombreEcrans(), 2);
  EXPECT_EQ(lu.Ecran(0).CheminImage, images_[1]);
  EXPECT_EQ(lu.Ecran(1).CheminImage, "");

  reg::Base base;
  ASSERT_TRUE(reg::ChargeFichier(registre_, base));
  const reg::Cle* cle = base.Trouve("HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil");
  ASSERT_NE(cle, nullptr);
  for (const char* nom : {"ServerName", "PortNumber", "PassiveMode", "UserName", "Password",
                          "ServerDirectory", "WebPageCreating", "JPEGQuality", "MailCompression",
                          "StartWizard"})
    EXPECT_NE(cle->Trouve(nom), nullptr) << nom;
  const reg::Cle* recents = base.Trouve(
      "HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Lumaveil\\Recent File "
      "List");
  ASSERT_NE(recents, nullptr);
  ASSERT_NE(recents->Trouve("File1"), nullptr);
}

// A first start (no settings stored, so the wizard is on): the wizard's
// steps taken with Return, two pictures typed into the chooser, then the
// new project saved with Ctrl+S and the maker quit.
TEST_F(FenetreBoutEnBout, FirstStartRunsTheWizardToASavedProjectOfTheChosenPictures) {
  const std::string registre = Dossier().File("premier.reg");
  Lance("", registre);
  // The start-up picture shows for 3 seconds; then New runs the wizard.
  std::string id =
      AttendFenetre(TitreTraduit("lumaveil::CAssistantDlg", "Screen saver creation wizard"), 40);
  ASSERT_FALSE(id.empty()) << "the wizard did not show";
  Touches(id, "Return");
  id = AttendFenetre(TitreTraduit("lumaveil::CProprietesDlg", "Displaying properties"), 10);
  ASSERT_FALSE(id.empty()) << "no display properties";
  Touches(id, "Return");
  id = AttendFenetre(TitreTraduit("lumaveil::CModeleDlg", "Template definition"), 10);
  ASSERT_FALSE(id.empty()) << "no template dialog";
  Touches(id, "Return");
  const std::string choixImages = TitreTraduit(
      "lumaveil::CKSFileDialog", "Select images to load (use 'CTRL' for multiple selection)");
  id = AttendFenetre(choixImages, 10);
  ASSERT_FALSE(id.empty()) << "no picture chooser";
  Ecrit(id, "\"" + images_[0] + "\" \"" + images_[1] + "\"");
  ASSERT_TRUE(Accepte(choixImages));
  // The last step opens the generation dialog, when there is one.
  id = AttendFenetre(TitreTraduit("lumaveil::CGenerationDlg", "Screen saver Generation"), 5);
  if (!id.empty()) Touches(id, "Escape");

  const std::string fenetre = AttendFenetre(" - Lumaveil$", 10);
  ASSERT_FALSE(fenetre.empty()) << "the main window did not come back";
  std::this_thread::sleep_for(1000ms);
  Touches(fenetre, "ctrl+s");
  id = AttendFenetre(TitreTraduit("QFileDialog", "Save As"), 10);
  ASSERT_FALSE(id.empty()) << "no save chooser";
  const std::string sauve = Dossier().File("assistant.lmv");
  Ecrit(id, sauve);
  ASSERT_TRUE(Accepte(TitreTraduit("QFileDialog", "Save As")));
  // Saved: the window is named after the file.
  ASSERT_FALSE(AttendFenetre("assistant.lmv.*Lumaveil", 20).empty()) << "not saved";
  // File > Quit; the menu may open late on a busy machine, so again if need be.
  int statut = -1;
  bool fini = false;
  for (int essai = 0; essai < 3 && !fini; ++essai) {
    if (essai > 0) Touches(fenetre, "Escape");  // a menu left open by a late try
    Touches(fenetre, "alt+" + ToucheTraduite("lumaveil::CMainFrame", "&File"));
    std::this_thread::sleep_for(1000ms);
    Xdotool("key " + ToucheTraduite("Commandes", "&Quit"));
    fini = AttendFin(10, &statut);
  }
  ASSERT_TRUE(fini) << "the maker did not quit";
  EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);

  CProjet lu;
  Silence silence;
  ASSERT_EQ(ChargeProjet(lu, sauve, silence), 1);
  ASSERT_EQ(lu.NombreEcrans(), 2);
  EXPECT_EQ(lu.Ecran(0).CheminImage, images_[0]);
  EXPECT_EQ(lu.Ecran(1).CheminImage, images_[1]);
  // The display's own size, kept by the wizard's display properties.
  EXPECT_EQ(lu.ResolutionCible.cx, 1024);
  EXPECT_EQ(lu.ResolutionCible.cy, 768);
  EXPECT_EQ(lu.Ecran(1).TailleCible.cx, 1024);
  reg::Base base;
  ASSERT_TRUE(reg::ChargeFichier(registre, base));
  const reg::Cle* cle = base.Trouve("HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil");
  ASSERT_NE(cle, nullptr);
  ASSERT_NE(cle->Trouve("StartWizard"), nullptr);
}

}  // namespace
}  // namespace lumaveil
