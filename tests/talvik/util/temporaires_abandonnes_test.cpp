// Clearing what killed writers left: only files provably ours go, and a
// name a person could give a file is never one of them.
#include "temporaires_abandonnes.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "dossier_temporaire.h"
#include "fichier_atomique.h"

namespace {

namespace fs = std::filesystem;
using lumaveil::testing::TempDir;

struct Cas {
  const char* nom;
  const char* contenu;
  mode_t mode;
  int age;          // seconds since its last change
  bool verrouille;  // a running writer holds it
  bool lien;        // a link to a file outside, of that content
  bool efface;
};

class Abandonnes : public ::testing::TestWithParam<Cas> {};

TEST_P(Abandonnes, OnlyUnlockedFilesOfOurNameAndProvenContentOrAgeGo) {
  const Cas& c = GetParam();
  TempDir d;
  fs::create_directory(d.File("site"));
  const std::string chemin = d.File(std::string("site/") + c.nom);
  const std::string fichier = c.lien ? d.File("outside") : chemin;
  std::ofstream(fichier, std::ios::binary) << c.contenu;
  ::chmod(fichier.c_str(), c.mode);
  const struct timespec temps[2] = {{std::time(nullptr) - c.age, 0}, {std::time(nullptr) - c.age, 0}};
  ::utimensat(AT_FDCWD, fichier.c_str(), temps, 0);
  if (c.lien) fs::create_symlink(fichier, chemin);
  const int fd = c.verrouille ? ::open(chemin.c_str(), O_RDONLY) : -1;
  if (c.verrouille) {
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  }

  EXPECT_EQ(talvik::EffaceTemporairesAbandonnes(d.File("site"), {"", "ENGINE"}), c.efface ? 1 : 0);
  EXPECT_EQ(fs::exists(fs::symlink_status(chemin)), !c.efface) << c.nom;
  EXPECT_TRUE(fs::exists(fichier) || c.efface);
  if (fd >= 0) ::close(fd);
}

INSTANTIATE_TEST_SUITE_P(
    Fichiers, Abandonnes,
    ::testing::Values(
        // A package killed before or after its permissions were set.
        Cas{".lumaveil-tmp-Ab12Cd.scr", "ENGINE and records", 0600, 0, false, false, true},
        Cas{".lumaveil-tmp-3swqll", "ENGINE and records", 0755, 0, false, false, true},
        // Any file of ours, once left alone long enough.
        Cas{".lumaveil-tmp-Qw34Er.png", "\x89PNG", 0644, 3600, false, false, true},
        Cas{".lumaveil-tmp-Qw34Er.png", "\x89PNG", 0600, 10, false, false, false},
        Cas{".lumaveil-tmp-Zx56Cv.jpg", "", 0600, 10, false, false, false},
        Cas{".lumaveil-tmp-Lk90Mn.scr", "ENGINE", 0600, 3600, true, false, false},
        Cas{".lumaveil-tmp-Sy12Lk.scr", "ENGINE", 0600, 3600, false, true, false},
        // The user's files, whatever they hold.
        Cas{"holiday.mailed.scr", "ENGINE", 0600, 3600, false, false, false},
        Cas{"holiday.Ab12Cd.scr", "ENGINE", 0600, 3600, false, false, false},
        Cas{"r.Ab12Cd.png", "\x89PNG", 0600, 3600, false, false, false},
        Cas{".lumaveil-tmp-Ab1.scr", "ENGINE", 0600, 3600, false, false, false},
        Cas{".lumaveil-tmp-notes.txt", "ENGINE", 0600, 3600, false, false, false}));

// Every writer clears its folder: a temporary file of a writer killed an
// hour ago goes with the next file written there, a link never.
TEST(Abandonnes, TheAtomicWriterClearsItsFolderAndNamesItsOwnFileSo) {
  TempDir d;
  const std::string vieux = d.File(".lumaveil-tmp-Ab12Cd.png");
  std::ofstream(vieux) << "half a picture";
  const struct timespec heure[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
  ::utimensat(AT_FDCWD, vieux.c_str(), heure, 0);
  talvik::CFichierAtomique f;
  ASSERT_EQ(f.Ouvre(d.File("r.png")), 1);
  EXPECT_FALSE(fs::exists(vieux));
  EXPECT_TRUE(talvik::EstNomTemporaire(fs::path(f.CheminTemporaire()).filename().string()));
  EXPECT_EQ(fs::path(f.CheminTemporaire()).extension(), ".png");
  // Locked while in use: another writer's clearing passes it by.
  std::fputs("x", f.Flux());
  ASSERT_EQ(f.LibereFlux(), 1);
  ::utimensat(AT_FDCWD, f.CheminTemporaire().c_str(), heure, 0);
  EXPECT_EQ(talvik::EffaceTemporairesAbandonnes(d.Path()), 0);
  ASSERT_EQ(f.Valide(), 1);
  EXPECT_TRUE(fs::exists(d.File("r.png")));
}

}  // namespace
