// The maker's command line end to end: pictures made here in every format
// become a project, screens rendered one by one, and screen savers for
// both platforms; the Linux saver is played on the player's virtual
// display and must show every rendered screen, in order, with its effect
// and duration.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "dialogue_essai.h"
#include "effets_transition.h"
#include "empreinte_fichier.h"
#include "fichier_modele.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "images_comparees.h"
#include "lecture_paquet.h"
#include "motifs_utilisateur.h"
#include "lecture_options.h"
#include "sortie_commande.h"
#include "registre.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using talvik::RGB;
namespace fs = std::filesystem;

const std::string kBin = LUMAVEIL_BIN_DIR;

std::string Texte(const std::string& chemin) {
  const std::vector<std::uint8_t> octets = testing::Contenu(chemin);
  return std::string(octets.begin(), octets.end());
}

struct Sortie {
  int code = -1;
  std::string erreur;
};

class BoutEnBout : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LUMAVEIL_REGISTRY", dir_.File("registry.reg").c_str(), 1);
    // Pictures in the five formats, each with its own four colours (values
    // the GIF palette holds exactly).
    const COLORREF couleurs[5][4] = {
        {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)},
        {RGB(0, 255, 255), RGB(255, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)},
        {RGB(204, 102, 0), RGB(0, 102, 204), RGB(102, 204, 0), RGB(51, 51, 51)},
        {RGB(153, 0, 153), RGB(255, 204, 153), RGB(0, 153, 102), RGB(102, 0, 0)},
        {RGB(255, 255, 0), RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 255, 0)},
    };
    const char* noms[5] = {"a.bmp", "b.png", "c.jpg", "d.tif", "e.gif"};
    const int tailles[5][2] = {{400, 300}, {300, 400}, {800, 200}, {640, 480}, {200, 200}};
    for (int i = 0; i < 5; ++i) {
      images_.push_back(dir_.File(noms[i]));
      ASSERT_EQ(talvik::CGraphique::SauveImage(
                    images_.back(),
                    testing::Quadrants(tailles[i][0], tailles[i][1], couleurs[i]), 95, 0, 0),
                1)
          << noms[i];
    }
    // A template: effect 0, 2 seconds, a caption at the bottom right, a
    // border of 4 pixels.
    std::ofstream(dir_.File("t.mod"), std::ios::binary)
        << "Fichier mod\xE8le de : Lumaveil\r\n\r\n"
           "[Texte n\xB0" "1 Utilisation] 1\r\n"
           "[Texte n\xB0" "1 Libelle] Lumaveil\r\n"
           "[Texte n\xB0" "1 Position Automatique Verticale] 1\r\n"
           "[Texte n\xB0" "1 Position Automatique Horizontale] 1\r\n"
           "[Texte n\xB0" "1 Couleur Encre] 16777215\r\n"
           "[Cadre Utilisation] 1\r\n[Cadre Taille] 4\r\n[Fond Couleur] 8421504\r\n"
           "[Effet Transition] 0\r\n[Duree Affichage] 2\r\n";
  }

  Sortie Lance(const std::string& arguments) {
    std::string erreur = dir_.File("stderr.txt");
    std::string commande = "cd '" + dir_.Path() + "' && " + kBin + "/lumaveil " + arguments +
                           " 2>'" + erreur + "'; echo $?";
    Sortie s;
    s.code = std::atoi(lumaveil::testing::RunAndCapture(commande).c_str());
    std::ifstream f(erreur);
    s.erreur.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return s;
  }

  std::string Nouveau(const std::string& projet) {
    std::string args = "--new " + projet + " --resolution 640x480 --template t.mod";
    for (const auto& i : images_) args += " " + fs::path(i).filename().string();
    Sortie s = Lance(args);
    EXPECT_EQ(s.code, 0) << s.erreur;
    return dir_.File(projet);
  }

  // Draw lines of the player on the virtual display.
  std::vector<std::string> Joue(const std::string& paquet, int tirages,
                                const std::string& images) {
    fs::create_directories(images);
    std::string sortie = lumaveil::testing::RunAndCapture(
        "'" + paquet + "' --virtual 640x480 --frames '" + images + "' --draws " +
        std::to_string(tirages) + " 2>&1");
    std::vector<std::string> lignes;
    std::istringstream flux(sortie);
    for (std::string l; std::getline(flux, l);)
      if (l.rfind("draw ", 0) == 0) lignes.push_back(l);
    return lignes;
  }

  lumaveil::testing::TempDir dir_;
  std::vector<std::string> images_;
};

TEST_F(BoutEnBout, LinuxSaverShowsEveryRenderedScreenInOrder) {
  Nouveau("p.lmv");
  for (int k = 1; k <= 5; ++k) {
    Sortie s = Lance("--render p.lmv --screen " + std::to_string(k) + " --output r" +
                     std::to_string(k) + ".bmp");
    ASSERT_EQ(s.code, 0) << s.erreur;
  }
  Sortie g = Lance("--generate p.lmv --output saver --platform linux");
  ASSERT_EQ(g.code, 0) << g.erreur;
  EXPECT_NE(g.erreur.find("(5 / 5)"), std::string::npos) << g.erreur;
  EXPECT_NE(g.erreur.find("*** Treatment of screen n°3 ***"), std::string::npos);

  std::vector<std::string> tirages = Joue(dir_.File("saver"), 6, dir_.File("frames"));
  ASSERT_EQ(tirages.size(), 6u);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(tirages[std::size_t(k)], "draw record=" + std::to_string(k % 5 + 1) +
                                           " effect=0 duration=2 at=" + std::to_string(2 * k));
  }
  for (int k = 1; k <= 5; ++k) {
    char nom[32];
    std::snprintf(nom, sizeof nom, "/frame-%04d.ppm", k);
    talvik::Bitmap image = testing::LitPpm(dir_.File("frames") + nom);
    talvik::Bitmap rendu =
        talvik::CGraphique::ChargeImage(dir_.File("r" + std::to_string(k) + ".bmp"), 0);
    ASSERT_TRUE(image) << nom;
    ASSERT_TRUE(rendu);
    EXPECT_EQ(rendu.Width(), 640);
    // The frame shows the whole screen: same size, so the mean difference
    // below compares every pixel (it is -1 for pictures that do not fit).
    ASSERT_EQ(image.Width(), rendu.Width()) << nom;
    ASSERT_EQ(image.Height(), rendu.Height()) << nom;
    double ecart = testing::EcartMoyen(rendu, image);
    EXPECT_LT(ecart, 4.0) << "screen " << k;
    // Each frame is its own screen, not the one before it.
    if (k > 1) {
      talvik::Bitmap autre =
          talvik::CGraphique::ChargeImage(dir_.File("r" + std::to_string(k - 1) + ".bmp"), 0);
      EXPECT_GT(testing::EcartMoyen(autre, image), 10.0) << "screen " << k;
    }
  }
}

TEST_F(BoutEnBout, EffectsAndDurationsOfEachScreenArePlayed) {
  std::string p = Nouveau("p.lmv");
  CProjet projet;
  testing::CDialogueTest d;
  ASSERT_EQ(ChargeProjet(projet, p, d), 1);
  ASSERT_EQ(projet.NombreEcrans(), 5);
  for (int i = 0; i < 5; ++i) {
    projet.Ecran(i).EffetTransition = i + 1;  // 1 to 5
    projet.Ecran(i).DureeAffichage = 5 - i;
  }
  ASSERT_EQ(SauveProjet(projet, dir_.File("q.lmv"), d), 1);
  Sortie g = Lance("--generate q.lmv --output q --platform linux");
  ASSERT_EQ(g.code, 0) << g.erreur;
  std::vector<std::string> tirages = Joue(dir_.File("q"), 400, dir_.File("qframes"));
  ASSERT_GE(tirages.size(), 6u);
  // The player draws the very first screen without an effect; a screen
  // stays at least its duration (the transition itself takes time too).
  std::regex forme(R"(draw record=(\d+) effect=(\d+) duration=(\d+) at=(\d+))");
  int avant = -1, dureeAvant = 0;
  for (int i = 0; i < 6; ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(tirages[std::size_t(i)], m, forme)) << tirages[std::size_t(i)];
    int ecran = i % 5;
    EXPECT_EQ(std::stoi(m[1]), ecran + 1);
    EXPECT_EQ(std::stoi(m[2]), i == 0 ? 0 : ecran + 1);
    EXPECT_EQ(std::stoi(m[3]), 5 - ecran);
    int a = std::stoi(m[4]);
    if (avant >= 0) {
      EXPECT_GE(a - avant, dureeAvant) << tirages[std::size_t(i)];
    }
    avant = a;
    dureeAvant = 5 - ecran;
  }
}

TEST_F(BoutEnBout, WindowsSaverIsTheWindowsEngineWithTheSameRecords) {
  if (!fs::exists(kBin + "/LmvEngine.exe")) GTEST_SKIP() << "LmvEngine.exe is not built";
  Nouveau("p.lmv");
  ASSERT_EQ(Lance("--generate p.lmv --output w.scr").code, 0);
  ASSERT_EQ(Lance("--generate p.lmv --output l --platform linux").code, 0);
  testing::Paquet w = testing::LitPaquet(dir_.File("w.scr"));
  testing::Paquet l = testing::LitPaquet(dir_.File("l"));
  ASSERT_TRUE(w.lu);
  ASSERT_TRUE(l.lu);
  std::vector<std::uint8_t> exe = testing::Contenu(kBin + "/LmvEngine.exe");
  ASSERT_EQ(std::size_t(w.debut), exe.size());
  EXPECT_TRUE(std::equal(exe.begin(), exe.end(), w.octets.begin()));
  EXPECT_EQ(w.octets[0], 'M');
  EXPECT_EQ(w.octets[1], 'Z');
  EXPECT_EQ(w.largeur, 640);
  EXPECT_EQ(w.hauteur, 480);
  EXPECT_EQ(w.nombre, 5);
  // Same screens whatever the engine.
  EXPECT_TRUE(std::equal(w.octets.begin() + w.debut, w.octets.end() - 16,
                         l.octets.begin() + l.debut, l.octets.end() - 16));
}

TEST_F(BoutEnBout, WebPageFolderHoldsThePageWithItsPlayerAndSaversOfTheSameScreens) {
  Nouveau("summer.lmv");
  Sortie s = Lance("--web-page summer.lmv --output site");
  ASSERT_EQ(s.code, 0) << s.erreur;
  const std::string page = Texte(dir_.File("site/index.html"));
  const std::string module = Texte(kBin + "/lumaveil_player.js");
  ASSERT_FALSE(module.empty());
  // The player is inside the page (a page opened from the disk loads no
  // module file) and beside it for other pages.
  EXPECT_NE(page.find("<script type=\"module\">\n" + module), std::string::npos);
  EXPECT_EQ(Texte(dir_.File("site/lumaveil_player.js")), module);
  EXPECT_EQ(Texte(dir_.File("site/lumaveil_page.js")), Texte(kBin + "/lumaveil_page.js"));
  EXPECT_NE(page.find("data-src=\"summer"), std::string::npos);
  EXPECT_NE(page.find("data-name=\"summer\""), std::string::npos);
  EXPECT_FALSE(std::regex_search(page, std::regex(R"(\*\*[A-Z]+\*\*)")));  // every placeholder filled

  // The Linux saver plays; the Windows one, when its engine is built, has
  // the same records.
  testing::Paquet l = testing::LitPaquet(dir_.File("site/summer"));
  ASSERT_TRUE(l.lu);
  EXPECT_EQ(l.nombre, 5);
  EXPECT_NE(page.find("href=\"summer\" download>Download for Linux"), std::string::npos);
  EXPECT_EQ(Joue(dir_.File("site/summer"), 6, dir_.File("webframes")).size(), 6u);
  if (fs::exists(kBin + "/LmvEngine.exe")) {
    testing::Paquet w = testing::LitPaquet(dir_.File("site/summer.scr"));
    ASSERT_TRUE(w.lu);
    EXPECT_EQ(std::size_t(w.debut), testing::Contenu(kBin + "/LmvEngine.exe").size());
    EXPECT_TRUE(std::equal(w.octets.begin() + w.debut, w.octets.end() - 16,
                           l.octets.begin() + l.debut, l.octets.end() - 16));
    EXPECT_NE(page.find("data-src=\"summer.scr\""), std::string::npos);
  }

  // Written again over itself; a project of one screen writes nothing.
  EXPECT_EQ(Lance("--web-page summer.lmv --output site").code, 0);
  Lance("--new one.lmv --resolution 640x480 a.bmp");
  Sortie un = Lance("--web-page one.lmv --output one");
  EXPECT_EQ(un.code, 1);
  EXPECT_NE(un.erreur.find("at least 2 screens"), std::string::npos) << un.erreur;
  EXPECT_FALSE(fs::exists(dir_.File("one/index.html")));
}

// A folder that holds the user's own page: the command line answers No,
// leaves it as it was and ends with 1.
TEST_F(BoutEnBout, WebPageRefusesToReplaceFilesItDidNotWrite) {
  Nouveau("summer.lmv");
  fs::create_directories(dir_.File("public_html"));
  std::ofstream(dir_.File("public_html/index.html")) << "my home page";
  Sortie s = Lance("--web-page summer.lmv --output public_html");
  EXPECT_EQ(s.code, 1);
  EXPECT_NE(s.erreur.find("    index.html\n"), std::string::npos) << s.erreur;
  EXPECT_NE(s.erreur.find("Replace them? A link is replaced itself, never the file it names.\nNo\n"),
            std::string::npos)
      << s.erreur;
  EXPECT_NE(s.erreur.find("The web page was not written: the folder is left as it was."),
            std::string::npos);
  EXPECT_EQ(Texte(dir_.File("public_html/index.html")), "my home page");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.File("public_html")), fs::directory_iterator()), 1);
}

TEST_F(BoutEnBout, TemplateSavedFromAProjectIsTheProjectsTemplate) {
  std::string p = Nouveau("p.lmv");
  ASSERT_EQ(Lance("--save-template p.lmv --output back.mod").code, 0);
  CProjet projet;
  testing::CDialogueTest d;
  ASSERT_EQ(ChargeProjet(projet, p, d), 1);
  std::vector<std::uint8_t> fichier = testing::Contenu(dir_.File("back.mod"));
  EXPECT_EQ(std::string(fichier.begin(), fichier.end()), EcritModele(projet.ModeleEcran));
  EXPECT_EQ(projet.ModeleEcran.Textes[0].Libelle, "Lumaveil");
  EXPECT_EQ(projet.ModeleEcran.CadreTaille, 4);
}

// A new project without pictures starts empty; a blank screen added to a
// project later is left out of its saver and of its web page, with one
// line that names it, and the command still succeeds.
TEST_F(BoutEnBout, NewProjectWithoutPicturesIsEmptyAndBlankScreensAreLeftOutWithALine) {
  ASSERT_EQ(Lance("--new blank.lmv").code, 0);
  CProjet projet;
  testing::CDialogueTest d;
  ASSERT_EQ(ChargeProjet(projet, dir_.File("blank.lmv"), d), 1);
  EXPECT_EQ(projet.NombreEcrans(), 0);
  EXPECT_EQ(projet.ResolutionCible.cx, 1024);
  EXPECT_EQ(projet.ResolutionCible.cy, 768);

  ASSERT_EQ(Lance("--new p.lmv --resolution 640x480 a.bmp b.png").code, 0);
  ASSERT_EQ(ChargeProjet(projet, dir_.File("p.lmv"), d), 1);
  projet.InsereA(1, projet.NouvelEcranDepuisModele());
  ASSERT_TRUE(SauveProjet(projet, dir_.File("p.lmv"), d));
  const std::string ligne = "Screen 2 has no picture and no text; it was left out.\n";
  for (const std::string& commande :
       {std::string("--generate p.lmv --output saver --platform linux"),
        std::string("--web-page p.lmv --output site")}) {
    Sortie s = Lance(commande);
    EXPECT_EQ(s.code, 0) << commande << "\n" << s.erreur;
    const std::size_t a = s.erreur.find(ligne);
    ASSERT_NE(a, std::string::npos) << commande << "\n" << s.erreur;
    EXPECT_EQ(s.erreur.find(ligne, a + 1), std::string::npos) << s.erreur;  // once
  }
  EXPECT_EQ(testing::LitPaquet(dir_.File("saver")).nombre, 2);
  EXPECT_EQ(testing::LitPaquet(dir_.File("site/p")).nombre, 2);
}

// The stored JPEGQuality of the window's Configuration dialog is the
// quality of the command line too, unless --quality is given.
TEST_F(BoutEnBout, RenderUsesTheStoredQualityUnlessTheOptionGivesOne) {
  ASSERT_EQ(Lance("--new one.lmv d.tif").code, 0);
  {
    talvik::CBaseRegistre registre;
    ASSERT_TRUE(registre.OuvreEcriture("Lumaveil", ""));
    registre.Ecriture("JPEGQuality", 5);
    ASSERT_TRUE(registre.Ferme());
  }
  ASSERT_EQ(Lance("--render one.lmv --screen 1 --output stored.jpg").code, 0);
  ASSERT_EQ(Lance("--render one.lmv --screen 1 --output q5.jpg --quality 5").code, 0);
  ASSERT_EQ(Lance("--render one.lmv --screen 1 --output q95.jpg --quality 95").code, 0);
  const auto stockee = fs::file_size(dir_.File("stored.jpg"));
  EXPECT_EQ(stockee, fs::file_size(dir_.File("q5.jpg")));
  EXPECT_LT(stockee, fs::file_size(dir_.File("q95.jpg")));

  ASSERT_EQ(Lance("--help >help.txt").code, 0);
  std::ifstream f(dir_.File("help.txt"));
  const std::string aide((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_NE(aide.find("--quality overrides it"), std::string::npos) << aide;
}

// The command line uses the user patterns of the settings store and
// leaves the store as it found it: a maker open beside it keeps its list.
TEST_F(BoutEnBout, RenderAndGenerateReadTheUserPatternsAndNeverWriteTheSettings) {
  std::string p = Nouveau("p.lmv");
  const COLORREF couleurMotif = RGB(10, 200, 30);
  ASSERT_EQ(talvik::CGraphique::SauveImageBMP(dir_.File("motif.bmp"),
                                              talvik::Bitmap::Create(8, 8, couleurMotif)),
            1);
  ASSERT_EQ(talvik::SauveMotifsUtilisateur({dir_.File("motif.bmp")}), 1);
  {
    CProjet projet;
    testing::CDialogueTest d;
    ASSERT_EQ(ChargeProjet(projet, p, d), 1);
    projet.Ecran(0).CadreMotifUtilisation = 1;
    projet.Ecran(0).CadreMotif = 50;
    ASSERT_EQ(SauveProjet(projet, p, d), 1);
  }
  const std::string store = dir_.File("registry.reg");
  ASSERT_TRUE(testing::EmpreinteFichier::Vieillit(store));
  const testing::EmpreinteFichier avant = testing::EmpreinteFichier::De(store);

  Sortie s = Lance("--render p.lmv --screen 1 --output r.bmp");
  ASSERT_EQ(s.code, 0) << s.erreur;
  talvik::Bitmap rendu = talvik::CGraphique::ChargeImage(dir_.File("r.bmp"), 0);
  ASSERT_TRUE(rendu);
  EXPECT_NE(std::count(rendu.Pixels(), rendu.Pixels() + rendu.PixelCount(),
                       talvik::PixelFromColor(couleurMotif)),
            0);
  EXPECT_TRUE(testing::EmpreinteFichier::De(store) == avant);
  s = Lance("--generate p.lmv --output saver --platform linux");
  ASSERT_EQ(s.code, 0) << s.erreur;
  EXPECT_TRUE(testing::EmpreinteFichier::De(store) == avant);
}

// Nothing the user made is overwritten: the project, its pictures and its
// template file are refused as outputs of every command, and left as they
// were.
TEST_F(BoutEnBout, TheProjectAndItsPicturesAreNeverOverwritten) {
  std::string p = Nouveau("p.lmv");
  const std::vector<std::uint8_t> projet = testing::Contenu(p);
  const std::vector<std::uint8_t> image = testing::Contenu(images_[0]);
  const std::vector<std::uint8_t> png = testing::Contenu(images_[1]);
  const std::vector<std::uint8_t> modele = testing::Contenu(dir_.File("t.mod"));
  for (const std::string& commande :
       {std::string("--generate p.lmv --output p.lmv --platform linux"),
        std::string("--generate p.lmv --output ./a.bmp"),
        std::string("--render p.lmv --screen 2 --output a.bmp"),
        std::string("--save-template p.lmv --output p.lmv"),
        std::string("--save-template p.lmv --output ./b.png"),
        std::string("--new a.bmp a.bmp"),
        std::string("--new t.mod --template t.mod a.bmp"),
        std::string("--render p.lmv --screen 1 --output ../") +
            fs::path(dir_.Path()).filename().string() + "/p.lmv"}) {
    Sortie s = Lance(commande);
    EXPECT_EQ(s.code, 1) << commande;
    EXPECT_NE(s.erreur.find("Unable to write-open file"), std::string::npos) << s.erreur;
  }
  EXPECT_EQ(testing::Contenu(p), projet);
  EXPECT_EQ(testing::Contenu(images_[0]), image);
  EXPECT_EQ(testing::Contenu(images_[1]), png);
  EXPECT_EQ(testing::Contenu(dir_.File("t.mod")), modele);
}

// A picture that cannot be loaded any more (gone, damaged) is named on
// standard error with the designed message, once per use, and the run goes
// on: its screen is the background alone.
TEST_F(BoutEnBout, APictureThatCannotBeLoadedIsNamedAndTheRunGoesOn) {
  fs::remove(dir_.File("c.jpg"));
  std::ofstream(dir_.File("d.tif"), std::ios::binary | std::ios::trunc) << "damaged";
  const std::string parti = "Unable to load file: " + dir_.File("c.jpg");
  const std::string abime = "Unable to load file: " + dir_.File("d.tif");
  auto fois = [](const std::string& texte, const std::string& quoi) {
    int n = 0;
    for (std::size_t i = texte.find(quoi); i != std::string::npos; i = texte.find(quoi, i + 1))
      ++n;
    return n;
  };
  Sortie s = Lance("--new p.lmv --resolution 640x480 a.bmp c.jpg d.tif");
  EXPECT_EQ(s.code, 0);
  EXPECT_EQ(fois(s.erreur, parti), 1) << s.erreur;
  EXPECT_EQ(fois(s.erreur, abime), 1) << s.erreur;
  s = Lance("--render p.lmv --screen 2 --output r.bmp");
  EXPECT_EQ(s.code, 0);
  EXPECT_EQ(fois(s.erreur, parti), 1) << s.erreur;
  talvik::Bitmap rendu = talvik::CGraphique::ChargeImage(dir_.File("r.bmp"), 0);
  ASSERT_TRUE(rendu);
  EXPECT_EQ(rendu.GetPixel(320, 240), rendu.GetPixel(0, 0));  // the background alone
  // A saver is written, but it is not the one the project describes: the
  // status says so.
  s = Lance("--generate p.lmv --output saver --platform linux");
  EXPECT_EQ(s.code, 2);
  EXPECT_EQ(fois(s.erreur, parti), 1) << s.erreur;
  EXPECT_EQ(fois(s.erreur, abime), 1) << s.erreur;
  EXPECT_EQ(testing::LitPaquet(dir_.File("saver")).nombre, 3);
  // The order of the screens: the gone picture before the damaged one.
  EXPECT_LT(s.erreur.find(parti), s.erreur.find(abime));
}

// Every screen failing leaves no saver and says so; --help names the
// statuses a script can test.
TEST_F(BoutEnBout, AGenerationWithoutOneScreenSaysSoAndHelpNamesTheStatuses) {
  std::ofstream(dir_.File("x.mod"), std::ios::binary)
      << "Fichier mod\xE8le de : Lumaveil\r\n\r\n[Fond Utilisation] 0\r\n";
  ASSERT_EQ(Lance("--new n.lmv --template x.mod").code, 0);
  // Two screens with a text but neither picture nor background: nothing
  // to encode.
  CProjet p;
  testing::CDialogueTest d;
  ASSERT_TRUE(ChargeProjet(p, dir_.File("n.lmv"), d));
  for (int i = 0; i < 2; ++i) {
    CEcran& e = p.Ecran(p.Ajoute(p.NouvelEcranDepuisModele()));
    e.Textes[0].Utilisation = 1;
    e.Textes[0].Libelle = "title";
  }
  ASSERT_TRUE(SauveProjet(p, dir_.File("n.lmv"), d));
  Sortie s = Lance("--generate n.lmv --output n.scr --platform linux");
  EXPECT_EQ(s.code, 1);
  EXPECT_NE(s.erreur.find("No screen was saved, so no screen saver was written."),
            std::string::npos)
      << s.erreur;
  EXPECT_FALSE(fs::exists(dir_.File("n.scr")));
  const std::string aide = lumaveil::testing::RunAndCapture(kBin + "/lumaveil --help");
  EXPECT_NE(aide.find("2 when --generate wrote the screen saver but some pictures could not be"),
            std::string::npos)
      << aide;
}

// A disk that fills up while the engine is copied (here: a file-size limit
// of a few kilobytes) is named on the line after the designed message.
TEST_F(BoutEnBout, AFullDiskGivesTheSystemsReasonAfterTheEngineMessage) {
  Nouveau("p.lmv");
  const std::string erreur = dir_.File("stderr.txt");
  const std::string sortie = lumaveil::testing::RunAndCapture(
      "cd '" + dir_.Path() + "' && trap '' XFSZ && ulimit -f 8 && " + kBin +
      "/lumaveil --generate p.lmv --output full --platform linux 2>'" + erreur + "'; echo $?");
  EXPECT_EQ(std::atoi(sortie.c_str()), 1);
  std::ifstream f(erreur);
  const std::string texte((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_NE(texte.find("Unable to put software engine !\nFile too large\n"), std::string::npos)
      << texte;
  EXPECT_FALSE(fs::exists(dir_.File("full")));
}

// The moving effects and the playing choices from the command line: --new
// gives every screen its effect and transition length, --generate and
// --web-page add shuffle and the monitor choice to the saver (not to the
// project), and what cannot be understood is refused before anything is
// written.
TEST_F(BoutEnBout, EffectTransitionShuffleAndMonitorsReachTheSaver) {
  Sortie s = Lance("--new m.lmv --resolution 640x480 --effect pan-zoom --transition 2.5 a.bmp "
                   "b.png c.jpg");
  ASSERT_EQ(s.code, 0) << s.erreur;
  ASSERT_EQ(Lance("--new n.lmv --effect 8 a.bmp b.png").code, 0);
  for (const auto& [fichier, effet, duree] :
       {std::tuple{"m.lmv", 9, 2500}, {"n.lmv", 8, kDureeTransitionDefautMs}}) {
    CProjet projet;
    testing::CDialogueTest d;
    ASSERT_EQ(ChargeProjet(projet, dir_.File(fichier), d), 1);
    EXPECT_EQ(projet.ModeleEcran.EffetTransition, effet);
    for (int i = 0; i < projet.NombreEcrans(); ++i) {
      EXPECT_EQ(projet.Ecran(i).EffetTransition, effet) << fichier;
      EXPECT_EQ(projet.Ecran(i).DureeTransition, duree) << fichier;
    }
  }

  s = Lance("--generate m.lmv --output m --platform linux --shuffle --monitors different");
  ASSERT_EQ(s.code, 0) << s.erreur;
  lmvengine::OptionsBlock bloc;
  ASSERT_TRUE(testing::LitBlocOptions(dir_.File("m"), bloc));
  EXPECT_EQ(bloc.flags, lmvengine::kOptionShuffle | lmvengine::kOptionDifferentMonitors);
  ASSERT_EQ(bloc.entries.size(), 3u);
  for (const auto& e : bloc.entries) {
    EXPECT_EQ(e.transitionMs, 2500);
    EXPECT_EQ(e.pictureWidth, 800);
    EXPECT_EQ(e.pictureHeight, 600);
  }
  // The project keeps its own choices.
  CProjet relu;
  testing::CDialogueTest d;
  ASSERT_EQ(ChargeProjet(relu, dir_.File("m.lmv"), d), 1);
  EXPECT_EQ(relu.MelangeEcrans, 0);
  EXPECT_EQ(relu.MoniteursDifferents, 0);

  const char* refus[] = {"--new x.lmv --effect wipe a.bmp", "--new x.lmv --effect 11 a.bmp",
                         "--new x.lmv --transition 9 a.bmp", "--new x.lmv --transition a.bmp",
                         "--new x.lmv --shuffle a.bmp",
                         "--generate m.lmv --output x --monitors both",
                         "--generate m.lmv --output x --effect 8",
                         "--render m.lmv --screen 1 --output x --monitors same"};
  for (const char* r : refus) {
    Sortie e = Lance(r);
    EXPECT_EQ(e.code, 1) << r;
    EXPECT_NE(e.erreur.find("usage:"), std::string::npos) << r;
  }
  EXPECT_FALSE(fs::exists(dir_.File("x.lmv")));
  EXPECT_FALSE(fs::exists(dir_.File("x")));
  const std::string aide = lumaveil::testing::RunAndCapture(kBin + "/lumaveil --help");
  for (const char* option : {"[--effect cross-fade|pan-zoom|N] [--transition SECONDS]",
                             "[--shuffle] [--monitors same|different]"})
    EXPECT_NE(aide.find(option), std::string::npos) << option;
}

TEST_F(BoutEnBout, FailuresExitWithOneAndLeaveNothingBehind) {
  ASSERT_EQ(Lance("--new one.lmv a.bmp").code, 0);
  Sortie s = Lance("--generate one.lmv --output one.scr --platform linux");
  EXPECT_EQ(s.code, 1);
  EXPECT_NE(s.erreur.find("You must create at least 2 screens before generating a screen saver !"),
            std::string::npos)
      << s.erreur;
  s = Lance("--render one.lmv --screen 2 --output x.bmp");
  EXPECT_EQ(s.code, 1);
  s = Lance("--generate missing.lmv --output m.scr");
  EXPECT_EQ(s.code, 1);
  EXPECT_FALSE(s.erreur.empty());
  std::ofstream(dir_.File("bad.lmv")) << "not a project";
  s = Lance("--render bad.lmv --screen 1 --output x.bmp");
  EXPECT_EQ(s.code, 1);
  EXPECT_NE(s.erreur.find("This file isn't correct."), std::string::npos);
  EXPECT_EQ(Lance("--render").code, 1);
  EXPECT_EQ(Lance("--new small.lmv --resolution 200x300").code, 1);
  EXPECT_EQ(Lance("--new wide.lmv --resolution 20000x300").code, 1);
  EXPECT_EQ(Lance("--generate one.lmv --output y --platform beos").code, 1);
  std::ofstream(dir_.File("t2.mod")) << "";
  EXPECT_EQ(Lance("--new z.lmv --template absent.mod").code, 1);
  for (const char* f : {"one.scr", "x.bmp", "m.scr", "y", "z.lmv", "small.lmv", "wide.lmv"})
    EXPECT_FALSE(fs::exists(dir_.File(f))) << f;
  // Nothing temporary left beside the outputs.
  for (const auto& e : fs::directory_iterator(dir_.Path()))
    EXPECT_EQ(e.path().filename().string().find(".lmv."), std::string::npos);
}

}  // namespace
}  // namespace lumaveil
