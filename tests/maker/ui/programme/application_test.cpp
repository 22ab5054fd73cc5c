// The application: the ten settings on a first start and at exit, and a
// project named on the command line.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QApplication>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>

#include "bombe_jpeg_essai.h"
#include "codec/jpeg_limites.h"
#include "parametres.h"
#include "programme/application.h"
#include "dialogue_essai.h"
#include "fenetre/main_frame.h"
#include "fichier_projet.h"
#include "fichier_registre.h"
#include "registre.h"
#include "liste/liste_view.h"
#include "principale/principale_view.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

namespace lumaveil {
namespace {

namespace reg = talvik::registre;

// Each test has a settings store of its own.
class Application : public ::testing::Test {
 protected:
  void SetUp() override {
    ancien_ = std::getenv("LUMAVEIL_REGISTRY") ? std::getenv("LUMAVEIL_REGISTRY") : "";
    setenv("LUMAVEIL_REGISTRY", dossier_.File("registry.reg").c_str(), 1);
  }
  void TearDown() override { setenv("LUMAVEIL_REGISTRY", ancien_.c_str(), 1); }

  // Value `nom` of the application's key as stored ("" when absent).
  std::string Valeur(const std::string& nom) {
    reg::Base base;
    EXPECT_TRUE(reg::ChargeFichier(reg::CheminFichier(), base));
    const reg::Cle* cle = base.Trouve("HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil");
    if (!cle) return "";
    const reg::Valeur* v = cle->Trouve(nom);
    return v ? v->octets.substr(0, v->octets.find('\0')) : "";
  }

  testing::TempDir dossier_;
  std::string ancien_;
};

TEST_F(Application, FirstStartTakesTheDefaults) {
  ParametresApplication p;
  LitParametres(p);
  EXPECT_EQ(p.PortNumber, 21);
  EXPECT_EQ(p.JPEGQuality, 75);
  EXPECT_EQ(p.WebPageCreating, 1);
  EXPECT_EQ(p.MailCompression, 0);
  EXPECT_EQ(p.StartWizard, 1);
  EXPECT_EQ(p.PassiveMode, 0);
  EXPECT_EQ(p.ServerName, "");
}

TEST_F(Application, StoredValuesWinAndMissingOnesKeepTheirDefault) {
  {
    talvik::CBaseRegistre r;
    ASSERT_TRUE(r.OuvreEcriture("Lumaveil", ""));
    r.Ecriture("JPEGQuality", 40);
    r.Ecriture("ServerName", "ftp.example.org");
    r.Ferme();
  }
  ParametresApplication p;
  LitParametres(p);
  EXPECT_EQ(p.JPEGQuality, 40);
  EXPECT_EQ(p.ServerName, "ftp.example.org");
  EXPECT_EQ(p.PortNumber, 21);
}

TEST_F(Application, QuittingWritesAllTenSettingsEvenWhenNoneChanged) {
  {
    CLumaveilApp app;
    ASSERT_TRUE(app.InitInstance(QString(), 0));
    EXPECT_EQ(app.Fenetre()->ListeView()->NombreEcrans(), 0);  // a new project has no screen
    app.ExitInstance(0);
  }
  const std::pair<const char*, const char*> attendus[] = {
      {"ServerName", ""},     {"PortNumber", "21"},     {"PassiveMode", "0"},
      {"UserName", ""},       {"Password", ""},         {"ServerDirectory", ""},
      {"WebPageCreating", "1"}, {"JPEGQuality", "75"},  {"MailCompression", "0"},
      {"StartWizard", "1"}};
  reg::Base base;
  ASSERT_TRUE(reg::ChargeFichier(reg::CheminFichier(), base));
  const reg::Cle* cle = base.Trouve("HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil");
  ASSERT_NE(cle, nullptr);
  for (auto [nom, valeur] : attendus) {
    ASSERT_NE(cle->Trouve(nom), nullptr) << nom;
    EXPECT_EQ(Valeur(nom), valeur) << nom;
  }
}

// Quitting while the thumbnails (and the working screen) of photos that
// take many seconds to decode are still being made: the settings are
// stored before the window is taken down, so that a logout does not lose
// them, and the workers stop at once instead of finishing their photos.
TEST_F(Application, QuitStoresTheSettingsFirstAndDoesNotWaitForSlowPhotos) {
  CProjet projet;
  for (int i = 0; i < 4; ++i) {
    const std::string photo = dossier_.File("lente" + std::to_string(i) + ".jpg");
    // As many scans as a JPEG may have (the DC scan and the empty ones),
    // over the largest picture allowed: seconds of decoding each, so that a
    // quit that waited for them could not end within a second, yet a valid
    // photo.
    ASSERT_TRUE(testing::EcritBombeJPEG(photo, 16384, 8192, talvik::jpeg::kScansMax - 1));
    auto e = projet.NouvelEcranDepuisModele();
    e->CheminImage = photo;
    projet.Ajoute(std::move(e));
  }
  testing::CDialogueTest d;
  const std::string chemin = dossier_.File("lent.lmv");
  ASSERT_TRUE(SauveProjet(projet, chemin, d));

  CLumaveilApp app;
  ASSERT_TRUE(app.InitInstance(QString::fromStdString(chemin), 0));
  ASSERT_EQ(app.Fenetre()->ListeView()->NombreEcrans(), 4);
  app.Contexte().Parametres.JPEGQuality = 42;
  QTest::qWait(300);  // the workers are inside their photos
  ASSERT_GT(app.Fenetre()->ListeView()->VignettesEnAttente(), 0);
  bool stockesAvant = false;
  QObject::connect(app.Fenetre(), &QObject::destroyed,
                   [&] { stockesAvant = Valeur("JPEGQuality") == "42"; });
  const auto debut = std::chrono::steady_clock::now();
  app.Fenetre()->close();
  app.ExitInstance(0);
  const auto duree = std::chrono::steady_clock::now() - debut;
  EXPECT_TRUE(stockesAvant);
  EXPECT_EQ(Valeur("JPEGQuality"), "42");
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(duree).count(), 1000);
}

TEST_F(Application, FtpPasswordWithoutAKeyringStaysInTheOwnerOnlyStore) {
  // No session bus, so no Secret Service.
  const char* const bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  const std::string ancienBus = bus ? bus : "";
  const char* const runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string ancienRuntime = runtime ? runtime : "";
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  setenv("XDG_RUNTIME_DIR", dossier_.Path().c_str(), 1);
  {
    CLumaveilApp app;
    ASSERT_TRUE(app.InitInstance(QString(), 0));
    app.Contexte().Parametres.ServerName = "ftp.example.org";
    app.Contexte().Parametres.UserName = "me";
    app.Contexte().Parametres.Password = "pa ss";
    app.ExitInstance(0);
  }
  EXPECT_EQ(Valeur("Password"), "pa ss");
  struct stat infos {};
  ASSERT_EQ(stat(reg::CheminFichier().c_str(), &infos), 0);
  EXPECT_EQ(infos.st_mode & 0777, 0600u);
  {
    CLumaveilApp app;
    ASSERT_TRUE(app.InitInstance(QString(), 0));
    EXPECT_EQ(app.Contexte().Parametres.Password, "pa ss");
    app.ExitInstance(0);
  }
  if (bus) setenv("DBUS_SESSION_BUS_ADDRESS", ancienBus.c_str(), 1);
  if (runtime) {
    setenv("XDG_RUNTIME_DIR", ancienRuntime.c_str(), 1);
  } else {
    unsetenv("XDG_RUNTIME_DIR");
  }
}

TEST_F(Application, ProjectOnTheCommandLineOpensAfterTheWindowShowsWithoutTheWizard) {
  CProjet projet;
  for (int i = 0; i < 3; ++i) {
    auto e = projet.NouvelEcranDepuisModele();
    e->DureeAffichage = 10 + i;
    projet.Ajoute(std::move(e));
  }
  projet.ResolutionCible = {800, 600};
  testing::CDialogueTest d;
  const std::string chemin = dossier_.File("trois.lmv");
  ASSERT_EQ(SauveProjet(projet, chemin, d), 1);

  CLumaveilApp app;
  int assistant = 0;
  bool visibleALaLecture = false;
  app.Assistant = [&] { ++assistant; };
  ASSERT_TRUE(app.InitInstance(QString::fromStdString(chemin), 0));
  CMainFrame* f = app.Fenetre();
  visibleALaLecture = f->isVisible();
  EXPECT_TRUE(visibleALaLecture);
  EXPECT_FALSE(f->Contexte().DemarrageEnCours);
  EXPECT_EQ(assistant, 0);
  ASSERT_EQ(f->ListeView()->NombreEcrans(), 3);
  EXPECT_EQ(f->ListeView()->Selection(), 2);
  EXPECT_EQ(app.Contexte().EcranCourant->DureeAffichage, 12);
  EXPECT_EQ(f->ListeView()->ResolutionCible().cx, 800);
  EXPECT_FALSE(f->Doc().EstModifie());
  EXPECT_EQ(f->windowTitle(), "trois.lmv[*] - Lumaveil");

  // Without a project the wizard runs on New (StartWizard is on by default).
  CLumaveilApp deuxieme;
  deuxieme.Assistant = [&] { ++assistant; };
  ASSERT_TRUE(deuxieme.InitInstance(QString(), 0));
  EXPECT_EQ(assistant, 1);
}

TEST_F(Application, AProjectThatDoesNotExistEndsTheStart) {
  CLumaveilApp app;
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QMessageBox")) w->close();
  });
  EXPECT_FALSE(app.InitInstance(QString::fromStdString(dossier_.File("absent.lmv")), 0));
}

}  // namespace
}  // namespace lumaveil
