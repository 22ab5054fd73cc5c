// CRoutine's file routines: names, copy, gzip, file information.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <vector>

#include "base/message.h"
#include "routine.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

std::string Lit(const std::string& chemin) {
  std::ifstream in(chemin, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Ecrit(const std::string& chemin, const std::string& contenu) {
  std::ofstream out(chemin, std::ios::binary);
  out << contenu;
}

// Collects the messages shown while it lives.
struct Messages {
  Messages() {
    ancien = InstalleMessageHook([this](const std::string& t, const std::string& c, IconeMessage i) {
      vus.push_back(c + "|" + t);
      icones.push_back(i);
      return 1;
    });
  }
  ~Messages() { InstalleMessageHook(ancien); }
  MessageHook ancien;
  std::vector<std::string> vus;
  std::vector<IconeMessage> icones;
};

TEST(NomFichier, DecorationPutsPrefixAfterEachSeparatorAndSuffixBeforeTheDot) {
  EXPECT_EQ(CRoutine::FormateNomFichier("C:\\img\\a.jpg", "p_", "_s"), "C:\\img\\p_a_s.jpg");
  EXPECT_EQ(CRoutine::FormateNomFichier("a.jpg", "p_", "_s"), "a_s.jpg");
  EXPECT_EQ(CRoutine::FormateNomFichier("/home/u/photo", "p_", "_s"), "/home/u/p_photo");
  EXPECT_EQ(CRoutine::FormateNomFichier("/d.x/a.b.png", "", "_1"), "/d.x/a.b_1.png");
  // Both separators: the prefix goes in twice.
  EXPECT_EQ(CRoutine::FormateNomFichier("a\\b/c.gif", "p", ""), "a\\pb/pc.gif");
}

TEST(NomFichier, SplittingAcceptsEitherSeparator) {
  CString d = "d", n = "n", e = "e";
  CRoutine::SepareNomFichier("C:\\img\\a.jpg", d, n, e);
  EXPECT_EQ(d, "C:\\img");
  EXPECT_EQ(n, "a");
  EXPECT_EQ(e, ".jpg");
  d = "d", n = "n", e = "e";
  CRoutine::SepareNomFichier("a.jpg", d, n, e);
  EXPECT_EQ(d, "d");
  EXPECT_EQ(n, "n");
  EXPECT_EQ(e, ".jpg");
  CRoutine::SepareNomFichier("/home/u/photo.tar.gz", d, n, e);
  EXPECT_EQ(d, "/home/u");
  EXPECT_EQ(n, "photo.tar");
  EXPECT_EQ(e, ".gz");
  e = "e";
  CRoutine::SepareNomFichier("/srv/lisezmoi", d, n, e);
  EXPECT_EQ(d, "/srv");
  EXPECT_EQ(n, "lisezmoi");
  EXPECT_EQ(e, "e");
}

TEST(RecopieFichier, CopiesEveryByteWhateverTheSize) {
  lumaveil::testing::TempDir dir;
  Messages m;
  for (std::size_t taille : {std::size_t(0), std::size_t(1), std::size_t(4095),
                             std::size_t(4096), std::size_t(3 * 4096), std::size_t(10000)}) {
    std::string contenu;
    for (std::size_t i = 0; i < taille; ++i) contenu.push_back(char((i * 31 + taille) & 0xFF));
    Ecrit(dir.File("src"), contenu);
    Ecrit(dir.File("dst"), "ancien contenu plus long que rien");
    EXPECT_EQ(CRoutine::RecopieFichier(dir.File("src"), dir.File("dst")), 1) << taille;
    EXPECT_EQ(Lit(dir.File("dst")), contenu) << taille;
  }
  EXPECT_TRUE(m.vus.empty());
}

TEST(RecopieFichier, CopyingAFileOntoItselfKeepsIt) {
  lumaveil::testing::TempDir dir;
  Messages m;
  Ecrit(dir.File("f"), "contenu precieux");
  EXPECT_EQ(CRoutine::RecopieFichier(dir.File("f"), dir.File("f")), 1);
  EXPECT_EQ(CRoutine::RecopieFichier(dir.File("f"), dir.Path() + "/./f"), 1);
  EXPECT_EQ(Lit(dir.File("f")), "contenu precieux");
  EXPECT_EQ(CRoutine::CompressionGZIP(dir.File("f"), dir.File("f")), 0);
  EXPECT_EQ(Lit(dir.File("f")), "contenu precieux");
  EXPECT_TRUE(m.vus.empty());
}

TEST(RecopieFichier, FailuresShowTheirErrorBoxAndGiveZero) {
  lumaveil::testing::TempDir dir;
  Messages m;
  EXPECT_EQ(CRoutine::RecopieFichier(dir.File("absent"), dir.File("dst")), 0);
  Ecrit(dir.File("src"), "abc");
  EXPECT_EQ(CRoutine::RecopieFichier(dir.File("src"), dir.File("pas/de/rep")), 0);
  EXPECT_EQ(CRoutine::RecopieFichier(dir.File("src"), "/dev/full"), 0);
  ASSERT_EQ(m.vus.size(), 3u);
  EXPECT_EQ(m.vus[0], "Error|File copy error\n\nUnable to access source file.");
  EXPECT_EQ(m.vus[1], "Error|File copy error\n\nUnable to access destination file.");
  EXPECT_EQ(m.vus[2], "Error|File copy error\n\nUnable to write destination file.");
  for (IconeMessage i : m.icones) EXPECT_EQ(i, IconeMessage::Erreur);
}

std::string Decompresse(const std::string& chemin, bool& ok) {
  gzFile gz = gzopen(chemin.c_str(), "rb");
  ok = gz != nullptr;
  std::string sortie;
  if (!gz) return sortie;
  char bloc[4096];
  int n;
  while ((n = gzread(gz, bloc, sizeof bloc)) > 0) sortie.append(bloc, std::size_t(n));
  ok = n == 0 && gzclose(gz) == Z_OK;
  return sortie;
}

TEST(CompressionGZIP, EmptyAndLargeFilesGiveValidStreams) {
  lumaveil::testing::TempDir dir;
  Ecrit(dir.File("vide"), "");
  ASSERT_EQ(CRoutine::CompressionGZIP(dir.File("vide"), dir.File("vide.gz")), 1);
  std::string gz = Lit(dir.File("vide.gz"));
  ASSERT_GE(gz.size(), 18u);
  EXPECT_EQ(static_cast<unsigned char>(gz[0]), 0x1f);
  EXPECT_EQ(static_cast<unsigned char>(gz[1]), 0x8b);
  bool ok = false;
  EXPECT_EQ(Decompresse(dir.File("vide.gz"), ok), "");
  EXPECT_TRUE(ok);

  std::string contenu;
  for (int i = 0; i < 100000; ++i) contenu += char('a' + (i * i) % 26);
  Ecrit(dir.File("gros"), contenu);
  ASSERT_EQ(CRoutine::CompressionGZIP(dir.File("gros"), dir.File("gros.gz")), 1);
  EXPECT_EQ(Decompresse(dir.File("gros.gz"), ok), contenu);
  EXPECT_TRUE(ok);
}

TEST(CompressionGZIP, MissingSourceOrDestinationGivesZero) {
  lumaveil::testing::TempDir dir;
  EXPECT_EQ(CRoutine::CompressionGZIP(dir.File("absent"), dir.File("x.gz")), 0);
  Ecrit(dir.File("src"), "abc");
  EXPECT_EQ(CRoutine::CompressionGZIP(dir.File("src"), dir.File("pas/de/rep.gz")), 0);
  EXPECT_EQ(CRoutine::CompressionGZIP(dir.Path(), dir.File("rep.gz")), 0);
}

TEST(RecupereInfosFichier, SizeAndATimeOfCreationCloseToNow) {
  lumaveil::testing::TempDir dir;
  Ecrit(dir.File("f"), std::string(12345, 'x'));
  long taille = -1;
  SYSTEMTIME t;
  CRoutine::RecupereInfosFichier(dir.File("f"), &taille, &t);
  EXPECT_EQ(taille, 12345);
  std::time_t maintenant = std::time(nullptr);
  std::tm tm {};
  gmtime_r(&maintenant, &tm);
  EXPECT_EQ(t.wYear, tm.tm_year + 1900);
  EXPECT_GE(t.wMonth, 1);
  EXPECT_LE(t.wMonth, 12);
  EXPECT_GE(t.wDay, 1);
  EXPECT_LE(t.wHour, 23);

  long absent = 77;
  SYSTEMTIME inchange;
  inchange.wYear = 1999;
  CRoutine::RecupereInfosFichier(dir.File("absent"), &absent, &inchange);
  EXPECT_EQ(absent, 77);
  EXPECT_EQ(inchange.wYear, 1999);
}

}  // namespace
}  // namespace talvik
