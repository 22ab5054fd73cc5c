#include "fichiers_livres.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;

void Cree(const fs::path& chemin) {
  fs::create_directories(chemin.parent_path());
  std::ofstream(chemin) << "x";
}

// An installed tree: <racine>/bin, <racine>/lib/lumaveil, <racine>/share/lumaveil.
TEST(FichiersLivres, InstalledFilesWinOverCopiesBesideTheProgram) {
  testing::TempDir racine;
  const fs::path r = racine.Path();
  const std::string bin = (r / "bin").string();
  Cree(r / "bin/LmvEngine");
  Cree(r / "lib/lumaveil/LmvEngine");
  Cree(r / "bin/Page.html");
  Cree(r / "share/lumaveil/Page.html");
  Cree(r / "share/lumaveil/manual/aide.html");

  EXPECT_EQ(CheminLivreDepuis(bin, "LmvEngine"), (r / "lib/lumaveil/LmvEngine").string());
  EXPECT_EQ(CheminLivreDepuis(bin, kFichierPage), (r / "share/lumaveil/Page.html").string());
  EXPECT_EQ(CheminLivreDepuis(bin, kFichierManuel),
            (r / "share/lumaveil/manual/aide.html").string());
}

// The build tree: everything beside the program; a missing file is
// expected there, and a directory of that name is not taken for it.
TEST(FichiersLivres, BuildTreeAndMissingFilesResolveBesideTheProgram) {
  testing::TempDir racine;
  const fs::path r = racine.Path();
  const std::string bin = (r / "bin").string();
  Cree(r / "bin/LmvEngine.exe");
  fs::create_directories(r / "lib/lumaveil/LmvEngine.exe");

  EXPECT_EQ(CheminLivreDepuis(bin, "LmvEngine.exe"), bin + "/LmvEngine.exe");
  EXPECT_EQ(CheminLivreDepuis(bin, kFichierPresentation), bin + "/presentation.scr");
}

}  // namespace
}  // namespace lumaveil
