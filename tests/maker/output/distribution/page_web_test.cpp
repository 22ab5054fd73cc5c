// "Save as web page" in a folder that holds other things: only what an
// earlier export wrote is replaced freely, a link is never written
// through, and an export that fails leaves the old page whole.
#include "distribution/page_web.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cctype>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "chaines_maker.h"
#include "dialogue_essai.h"
#include "dossier_temporaire.h"
#include "graphique.h"
#include "temporaires_abandonnes.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;
using talvik::RGB;

std::string Texte(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Progress without a Stop.
class CSansArret : public IProgression {
 public:
  int AfficheEtTeste(unsigned, unsigned, const std::string&, const std::string&) override {
    return 0;
  }
};

class PageWebDossier : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstalleChainesMaker(); }

  void SetUp() override {
    setenv("LUMAVEIL_REGISTRY", dir_.File("registry.reg").c_str(), 1);
    fs::create_directories(dir_.File("outside"));
    std::ofstream(dir_.File("outside/bashrc")) << "the user's bashrc";
    std::ofstream(dir_.File("outside/tool")) << "the user's tool";
    projet_.ResolutionCible = {320, 240};
    Ecran(RGB(200, 0, 0));
    Ecran(RGB(0, 0, 200));
    options_.dossier = dir_.File("site");
    options_.nomBase = "summer";
    options_.moteurWindows = Fichier("windows", "MZ" + std::string(1000, 'w'));
    options_.moteurLinux = Fichier("linux", "\x7F" "ELF" + std::string(1000, 'l'));
    options_.module = Fichier("module.js", "export const lecteur = 1;\n");
    options_.modelePage = Fichier("Page.html", "<a href=\"**SCREENSAVERNFILEAME**\">"
                                               "<a href=\"**LINUXSAVERFILENAME**\">**PLAYERSCRIPT**");
    options_.fils = 1;
  }

  std::string Fichier(const std::string& nom, const std::string& contenu) {
    std::ofstream(dir_.File(nom), std::ios::binary) << contenu;
    return dir_.File(nom);
  }

  void Ecran(COLORREF couleur) {
    const std::string image = dir_.File("p" + std::to_string(projet_.NombreEcrans()) + ".bmp");
    ASSERT_EQ(talvik::CGraphique::SauveImage(image, HBITMAP::Create(320, 240, couleur), 90, 0, 0), 1);
    auto e = projet_.NouvelEcranDepuisModele();
    e->CheminImage = image;
    projet_.Ajoute(std::move(e));
  }

  BilanPageWeb Exporte() {
    CSansArret progression;
    return EcritPageWeb(projet_, graphique_, options_, dialogue_, progression);
  }

  // Every entry of the folder and outside: a file's content, a link's
  // target.
  std::map<std::string, std::string> Etat() {
    std::map<std::string, std::string> etat;
    for (const char* dossier : {"site", "outside"}) {
      std::error_code ec;
      for (const auto& e : fs::directory_iterator(dir_.File(dossier), ec)) {
        const std::string nom = std::string(dossier) + "/" + e.path().filename().string();
        if (e.is_symlink()) etat[nom] = "-> " + fs::read_symlink(e.path()).string();
        else etat[nom] = Texte(e.path().string());
      }
    }
    return etat;
  }

  bool DitNonEcrite() const {
    for (const auto& m : dialogue_.messages)
      if (m.texte == kPageNonEcrite) return true;
    return false;
  }

  testing::TempDir dir_;
  talvik::CGraphique graphique_;
  CProjet projet_;
  OptionsPageWeb options_;
  testing::CDialogueTest dialogue_;
};

struct Intrus {
  const char* nom;     // in the folder
  const char* lien;    // "": a file of the user's; else the link's target
};

class Etranger : public PageWebDossier, public ::testing::WithParamInterface<Intrus> {};

TEST_P(Etranger, IsReplacedOnlyWhenTheUserSaysSoAndALinkNeverWrittenThrough) {
  const Intrus& intrus = GetParam();
  fs::create_directories(dir_.File("site"));
  const std::string chemin = dir_.File(std::string("site/") + intrus.nom);
  if (*intrus.lien) fs::create_symlink(intrus.lien, chemin);
  else std::ofstream(chemin) << "the user's own " << intrus.nom;
  const auto avant = Etat();

  // No (the command line's answer): nothing changes.
  EXPECT_FALSE(Exporte().ecrite);
  ASSERT_EQ(dialogue_.questions.size(), 1u);
  EXPECT_EQ(dialogue_.questions[0].id, kIdRemplaceEtrangers);
  EXPECT_NE(dialogue_.questions[0].texte.find(std::string("    ") + intrus.nom +
                                              (*intrus.lien ? " (a link)\n" : "\n")),
            std::string::npos)
      << dialogue_.questions[0].texte;
  EXPECT_TRUE(DitNonEcrite());
  EXPECT_EQ(Etat(), avant);

  // Yes: the name is ours now, a regular file; outside is untouched.
  dialogue_.reponses = {1};
  ASSERT_TRUE(Exporte().ecrite);
  EXPECT_FALSE(fs::is_symlink(chemin));
  EXPECT_TRUE(fs::is_regular_file(chemin));
  const auto apres = Etat();
  EXPECT_EQ(apres.at("outside/bashrc"), "the user's bashrc");
  EXPECT_EQ(apres.at("outside/tool"), "the user's tool");
  for (const auto& [nom, contenu] : apres)
    EXPECT_FALSE(talvik::EstNomTemporaire(fs::path(nom).filename().string())) << nom;

  // Our own export is replaced without a question.
  dialogue_.questions.clear();
  EXPECT_TRUE(Exporte().ecrite);
  EXPECT_TRUE(dialogue_.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(Dossier, Etranger,
                         ::testing::Values(Intrus{"index.html", ""},
                                           Intrus{"index.html", "../outside/bashrc"},
                                           Intrus{"summer", "../outside/tool"},
                                           Intrus{"summer.scr", ""},
                                           Intrus{"lumaveil_player.js", ""},
                                           Intrus{"lumaveil_page.js", "../outside/tool"},
                                           Intrus{".lumaveil-web-page", "../outside/bashrc"}),
                         [](const ::testing::TestParamInfo<Intrus>& i) {
                           std::string nom = std::string(*i.param.lien ? "link_" : "file_") + i.param.nom;
                           for (char& c : nom)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return nom;
                         });

// A disk that fills at one file of the export: the old page stays whole,
// and the export says it wrote nothing.
struct DisquePlein {
  const char* fichier;      // the file that does not fit
  std::size_t moteurLinux;  // sizes that make it so under kLimite
  std::size_t module;
  std::size_t modele;
};
constexpr rlim_t kLimite = 256 * 1024;

class Plein : public PageWebDossier, public ::testing::WithParamInterface<DisquePlein> {};

TEST_P(Plein, LeavesTheOldPageWholeAndSaysNothingWasWritten) {
  const DisquePlein& cas = GetParam();
  options_.moteurLinux = Fichier("linux", "\x7F" "ELF" + std::string(cas.moteurLinux, 'l'));
  options_.module = Fichier("module.js", "// " + std::string(cas.module, 'm') + "\n");
  options_.modelePage = Fichier("Page.html", "<a href=\"**SCREENSAVERNFILEAME**\">**PLAYERSCRIPT**" +
                                                 std::string(cas.modele, ' '));
  // The old page, written when there was room.
  ASSERT_TRUE(Exporte().ecrite);
  const auto avant = Etat();
  Ecran(RGB(0, 200, 0));

  // Writes past the limit fail with EFBIG, as on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit ancienne {};
  ::getrlimit(RLIMIT_FSIZE, &ancienne);
  struct rlimit limite = ancienne;
  limite.rlim_cur = kLimite;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  dialogue_.messages.clear();
  const BilanPageWeb bilan = Exporte();
  ::setrlimit(RLIMIT_FSIZE, &ancienne);

  EXPECT_FALSE(bilan.ecrite);
  EXPECT_FALSE(bilan.incomplete);
  EXPECT_TRUE(DitNonEcrite());
  bool nomme = false;
  for (const auto& m : dialogue_.messages)
    nomme = nomme || (m.id == IDS_OUVERTURE_ECRITURE && m.fichier == dir_.File(cas.fichier));
  EXPECT_TRUE(nomme) << cas.fichier;
  EXPECT_EQ(Etat(), avant);
}

INSTANTIATE_TEST_SUITE_P(
    Export, Plein,
    ::testing::Values(DisquePlein{"site/summer", 300 * 1024, 10, 10},
                      DisquePlein{"site/index.html", 1000, 200 * 1024, 100 * 1024}),
    [](const ::testing::TestParamInfo<DisquePlein>& i) {
      return std::string(i.index == 0 ? "AtTheLinuxCopy" : "AtThePage");
    });

}  // namespace
}  // namespace lumaveil
