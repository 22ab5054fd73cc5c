// The atomic file writer: the target is either the old file or the whole
// new one, and no temporary file is left behind.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fichier_atomique.h"
#include "dossier_temporaire.h"

namespace {

using lumaveil::testing::TempDir;

std::string Contenu(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

int NombreDeFichiers(const std::string& repertoire) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(repertoire)) ++n;
  return n;
}

mode_t Mode(const std::string& chemin) {
  struct stat s {};
  stat(chemin.c_str(), &s);
  return s.st_mode & 07777;
}

TEST(FichierAtomique, WriterByPathReplacesTheTargetOnlyWhenItSucceeds) {
  TempDir d;
  const std::string cible = d.File("photo.png");
  std::ofstream(cible) << "old";
  chmod(cible.c_str(), 0640);
  std::string vu;
  auto ecrit = [&](bool reussit) {
    return [&vu, reussit](const std::string& chemin) {
      vu = chemin;
      std::ofstream(chemin) << "new";
      return reussit;
    };
  };
  EXPECT_EQ(talvik::EcritFichierAtomique(cible, ecrit(false)), 0);
  EXPECT_EQ(Contenu(cible), "old");
  EXPECT_EQ(NombreDeFichiers(d.Path()), 1);
  // The temporary file sits beside the target with the same extension,
  // for writers that pick the format by the name.
  EXPECT_EQ(std::filesystem::path(vu).parent_path(), std::filesystem::path(d.Path()));
  EXPECT_EQ(std::filesystem::path(vu).extension(), ".png");
  EXPECT_NE(vu, cible);

  ASSERT_EQ(talvik::EcritFichierAtomique(cible, ecrit(true)), 1);
  EXPECT_EQ(Contenu(cible), "new");
  EXPECT_EQ(NombreDeFichiers(d.Path()), 1);
  EXPECT_EQ(Mode(cible), 0640u);  // the old file's permissions
}

TEST(FichierAtomique, ProgramsAreExecutableAndUnwritablePlacesFail) {
  TempDir d;
  const std::uint8_t octets[3] = {1, 2, 3};
  ASSERT_EQ(talvik::EcritFichierAtomique(d.File("saver"), octets, 3, talvik::kModeProgramme), 1);
  EXPECT_NE(Mode(d.File("saver")) & 0100, 0u);
  ASSERT_EQ(talvik::EcritFichierAtomique(d.File("data"), octets, 3), 1);
  EXPECT_EQ(Mode(d.File("data")) & 0111, 0u);
  EXPECT_EQ(talvik::EcritFichierAtomique(d.File("no/such/dir/x"), octets, 3), 0);
  bool appele = false;
  EXPECT_EQ(talvik::EcritFichierAtomique(d.File("no/such/dir/y.png"),
                                         [&](const std::string&) { return appele = true; }),
            0);
  EXPECT_FALSE(appele);
  EXPECT_EQ(NombreDeFichiers(d.Path()), 2);
}

TEST(FichierAtomique, LinksAreWrittenThroughAndDevicesInPlace) {
  TempDir d;
  std::ofstream(d.File("vrai.lmv")) << "old";
  std::filesystem::create_symlink(d.File("vrai.lmv"), d.File("lien.lmv"));
  const std::uint8_t octets[3] = {'n', 'e', 'w'};
  ASSERT_EQ(talvik::EcritFichierAtomique(d.File("lien.lmv"), octets, 3), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(d.File("lien.lmv")));
  EXPECT_EQ(Contenu(d.File("vrai.lmv")), "new");
  // A device stays a device: a full one fails the write.
  EXPECT_EQ(talvik::EcritFichierAtomique("/dev/full", octets, 3), 0);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  EXPECT_EQ(talvik::EcritFichierAtomique("/dev/null", octets, 3), 1);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_EQ(NombreDeFichiers(d.Path()), 2);
}

// Asked to, the writer replaces a link itself: the file it names is never
// touched, and neither is anything through a link beside the target.
TEST(FichierAtomique, ALinkIsReplacedItselfWhenAskedAndPreparedFilesWaitForTheirRename) {
  TempDir d;
  std::ofstream(d.File("bashrc")) << "mine";
  std::filesystem::create_symlink(d.File("bashrc"), d.File("index.html"));
  talvik::CFichierAtomique f;
  ASSERT_EQ(f.Ouvre(d.File("index.html"), talvik::Liens::Remplaces), 1);
  std::fputs("page", f.Flux());
  ASSERT_EQ(f.Prepare(), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(d.File("index.html")));  // not yet in place
  ASSERT_EQ(f.Remplace(), 1);
  EXPECT_FALSE(std::filesystem::is_symlink(d.File("index.html")));
  EXPECT_EQ(Contenu(d.File("index.html")), "page");
  EXPECT_EQ(Contenu(d.File("bashrc")), "mine");
  // Abandoned once prepared: nothing changes, nothing is left.
  talvik::CFichierAtomique g;
  ASSERT_EQ(g.Ouvre(d.File("index.html"), talvik::Liens::Remplaces), 1);
  std::fputs("other", g.Flux());
  ASSERT_EQ(g.Prepare(), 1);
  g.Abandonne();
  EXPECT_EQ(Contenu(d.File("index.html")), "page");
  EXPECT_EQ(NombreDeFichiers(d.Path()), 2);
}

}  // namespace
