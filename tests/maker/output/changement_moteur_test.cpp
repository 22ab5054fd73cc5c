#include "changement_moteur.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "lecture_paquet.h"
#include "package_format.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;

void Ecrit(const std::string& chemin, const std::string& octets) {
  std::ofstream(chemin, std::ios::binary) << octets;
}

std::string Entier(std::int32_t v) {
  unsigned char b[4];
  lmvengine::WriteLe32(b, v);
  return std::string(reinterpret_cast<char*>(b), 4);
}

// A saver: `moteur`, two records, the trailer.
std::string Paquet(const std::string& moteur, std::int32_t largeur = 640) {
  const std::string enregistrements = Entier(3) + Entier(1) + Entier(5) + "JPEG1" + Entier(4) +
                                      Entier(6) + Entier(7) + "JPEG-22";
  return moteur + enregistrements + Entier(largeur) + Entier(480) + Entier(2) +
         Entier(std::int32_t(moteur.size()));
}

TEST(ChangementMoteur, TheRecordsFollowTheOtherEngineAndTheTrailerPointsAtThem) {
  testing::TempDir dir;
  Ecrit(dir.File("windows.scr"), Paquet(std::string(100, 'W')));
  Ecrit(dir.File("LmvEngine"), std::string(250, 'L'));
  ASSERT_EQ(ChangeMoteur(dir.File("windows.scr"), dir.File("LmvEngine"), dir.File("linux")), 1);
  const std::vector<std::uint8_t> lu = testing::Contenu(dir.File("linux"));
  const std::string attendu = Paquet(std::string(250, 'L'));
  EXPECT_EQ(std::string(lu.begin(), lu.end()), attendu);
  // A program the desktop can run.
  struct stat etat {};
  ASSERT_EQ(::stat(dir.File("linux").c_str(), &etat), 0);
  EXPECT_NE(etat.st_mode & S_IXUSR, 0u);
}

TEST(ChangementMoteur, ASaverThePlayersRefuseOrAMissingEngineLeavesNothing) {
  testing::TempDir dir;
  Ecrit(dir.File("LmvEngine"), std::string(250, 'L'));
  Ecrit(dir.File("large.scr"), Paquet(std::string(100, 'W'), 16385));
  Ecrit(dir.File("court.scr"), "short");
  std::string trop = Paquet(std::string(100, 'W'));
  trop.replace(trop.size() - 8, 4, Entier(30));  // 30 records cannot fit in 36 bytes
  Ecrit(dir.File("trop.scr"), trop);
  for (const char* paquet : {"large.scr", "court.scr", "trop.scr", "absent.scr"}) {
    EXPECT_EQ(ChangeMoteur(dir.File(paquet), dir.File("LmvEngine"), dir.File("sortie")), 0) << paquet;
    EXPECT_FALSE(fs::exists(dir.File("sortie"))) << paquet;
  }
  Ecrit(dir.File("bon.scr"), Paquet(std::string(100, 'W')));
  EXPECT_EQ(ChangeMoteur(dir.File("bon.scr"), dir.File("absent"), dir.File("sortie")), 0);
  EXPECT_FALSE(fs::exists(dir.File("sortie")));
}

}  // namespace
}  // namespace lumaveil
