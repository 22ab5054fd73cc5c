// CBaseRegistre over its file: open, read, write, close, text encodings.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "registre.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

struct Coche : CButton {
  int etat = BST_UNCHECKED;
  int GetCheck() const override { return etat; }
  void SetCheck(int e) override { etat = e; }
};

class Registre : public ::testing::Test {
 protected:
  void SetUp() override {
    fichier_ = dir_.File("conf/registry.reg");
    ::setenv("LUMAVEIL_REGISTRY", fichier_.c_str(), 1);
  }
  void TearDown() override { ::unsetenv("LUMAVEIL_REGISTRY"); }
  std::string Contenu() const {
    std::ifstream in(fichier_);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  lumaveil::testing::TempDir dir_;
  std::string fichier_;
};

TEST_F(Registre, OpeningAMissingKeyCreatesItEmptyInAPrivateFile) {
  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
  EXPECT_EQ(r.m_lStatut, ERROR_SUCCESS);
  std::string texte = "inchange";
  int n = 42;
  EXPECT_EQ(r.Lecture("ServerName", texte), 0);
  EXPECT_EQ(r.Lecture("PortNumber", n), 0);
  EXPECT_EQ(texte, "inchange");
  EXPECT_EQ(n, 42);
  EXPECT_EQ(r.Ferme(), 1);
  EXPECT_NE(Contenu().find("[HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil]"),
            std::string::npos);
  struct stat st {};
  ASSERT_EQ(::stat(fichier_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(Registre, SectionOpensTheKeyBelowTheApplicationKey) {
  CBaseRegistre r;
  ASSERT_EQ(r.OuvreEcriture("Lumaveil", "Options"), 1);
  EXPECT_EQ(r.Ecriture("Valeur", 3), 1);
  EXPECT_EQ(r.Ferme(), 1);
  std::string c = Contenu();
  std::size_t app = c.find("[HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil]");
  std::size_t sec = c.find("[HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil\\Options]");
  ASSERT_NE(app, std::string::npos);
  ASSERT_NE(sec, std::string::npos);
  EXPECT_LT(app, sec);
  EXPECT_NE(c.find("\"Valeur\"=\"3\"", sec), std::string::npos);

  CBaseRegistre racine;
  ASSERT_EQ(racine.OuvreRootEcriture(".lmv"), 1);
  EXPECT_EQ(racine.Ecriture("", std::string("Lumaveil.Document")), 1);
  EXPECT_EQ(racine.Ferme(), 1);
  EXPECT_NE(Contenu().find("[HKEY_CLASSES_ROOT\\.lmv]\n@=\"Lumaveil.Document\""),
            std::string::npos);
}

TEST_F(Registre, NumbersAreStoredAsTextAndReadAsAtoiDoes) {
  {
    CBaseRegistre w;
    ASSERT_EQ(w.OuvreEcriture("Lumaveil", ""), 1);
    w.Ecriture("Non signe", 4294967295u);
    w.Ecriture("Negatif", -7);
    w.Ecriture("Long", 1234567890123L);
    w.Ecriture("Melange", std::string("12abc"));
    w.Ecriture("Lettres", std::string("abc"));
    w.Ecriture("Vide", std::string(""));
    ASSERT_EQ(w.Ferme(), 1);
  }
  std::string c = Contenu();
  EXPECT_NE(c.find("\"Non signe\"=\"-1\""), std::string::npos);
  EXPECT_NE(c.find("\"Negatif\"=\"-7\""), std::string::npos);
  EXPECT_NE(c.find("\"Long\"=\"1234567890123\""), std::string::npos);

  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
  unsigned int u = 0;
  EXPECT_EQ(r.Lecture("Non signe", u), 1);
  EXPECT_EQ(u, 4294967295u);
  long l = 0;
  EXPECT_EQ(r.Lecture("Long", l), 1);
  EXPECT_EQ(l, 1234567890123L);
  int n = -1;
  EXPECT_EQ(r.Lecture("Melange", n), 1);
  EXPECT_EQ(n, 12);
  n = -1;
  EXPECT_EQ(r.Lecture("Lettres", n), 1);
  EXPECT_EQ(n, 0);
  n = -1;
  EXPECT_EQ(r.Lecture("Vide", n), 1);
  EXPECT_EQ(n, 0);
  std::string t;
  EXPECT_EQ(r.Lecture("Melange", t), 1);
  EXPECT_EQ(t, "12abc");
  r.Ferme();
}

TEST_F(Registre, CheckBoxesStoreOneOnlyWhenChecked) {
  CBaseRegistre w;
  ASSERT_EQ(w.OuvreEcriture("Lumaveil", ""), 1);
  Coche coche, vide, indetermine;
  coche.etat = BST_CHECKED;
  indetermine.etat = BST_INDETERMINATE;
  w.Ecriture("A", coche);
  w.Ecriture("B", vide);
  w.Ecriture("C", indetermine);
  w.Ecriture("D", 5);
  ASSERT_EQ(w.Ferme(), 1);
  std::string c = Contenu();
  EXPECT_NE(c.find("\"A\"=\"1\""), std::string::npos);
  EXPECT_NE(c.find("\"B\"=\"0\""), std::string::npos);
  EXPECT_NE(c.find("\"C\"=\"0\""), std::string::npos);

  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
  Coche lu;
  lu.etat = BST_INDETERMINATE;
  EXPECT_EQ(r.Lecture("D", lu), 1);
  EXPECT_EQ(lu.etat, BST_CHECKED);
  EXPECT_EQ(r.Lecture("B", lu), 1);
  EXPECT_EQ(lu.etat, BST_UNCHECKED);
  EXPECT_EQ(r.Lecture("Absent", lu), 0);
  r.Ferme();
}

TEST_F(Registre, BinaryValuesRoundTripAndTheSizedReadGuardsTheBuffer) {
  const unsigned char donnees[5] = {0, 1, 2, 0xFE, 0xFF};
  CBaseRegistre w;
  ASSERT_EQ(w.OuvreEcriture("Lumaveil", ""), 1);
  EXPECT_EQ(w.Ecriture("Bin", donnees, 5L), 1);
  ASSERT_EQ(w.Ferme(), 1);
  EXPECT_NE(Contenu().find("\"Bin\"=hex:00,01,02,fe,ff"), std::string::npos);

  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
  unsigned char lu[8] = {};
  EXPECT_EQ(r.Lecture("Bin", static_cast<void*>(lu)), 1);
  EXPECT_EQ(std::memcmp(lu, donnees, 5), 0);
  unsigned short taille = sizeof lu;
  unsigned char lu2[8] = {};
  EXPECT_EQ(r.Lecture("Bin", lu2, taille), 1);
  EXPECT_EQ(taille, 5);
  EXPECT_EQ(std::memcmp(lu2, donnees, 5), 0);
  unsigned char petit[2] = {9, 9};
  taille = sizeof petit;
  EXPECT_EQ(r.Lecture("Bin", petit, taille), 0);
  EXPECT_EQ(r.m_lStatut, ERROR_MORE_DATA);
  EXPECT_EQ(taille, 5);
  EXPECT_EQ(petit[0], 9);
  r.Ferme();
}

TEST_F(Registre, TwoObjectsSeeEachOthersWritesOnceTheWriterClosed) {
  CBaseRegistre a;
  ASSERT_EQ(a.OuvreEcriture("Lumaveil", ""), 1);
  a.Ecriture("ServerName", std::string("ftp.un.fr"));
  CBaseRegistre b;
  ASSERT_EQ(b.OuvreEcriture("Lumaveil", ""), 1);
  b.Ecriture("UserName", std::string("moi"));
  ASSERT_EQ(a.Ferme(), 1);
  ASSERT_EQ(b.Ferme(), 1);  // merges with a's value instead of erasing it

  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("lumaveil", ""), 1);
  std::string s, u;
  EXPECT_EQ(r.Lecture("servername", s), 1);
  EXPECT_EQ(r.Lecture("UserName", u), 1);
  EXPECT_EQ(s, "ftp.un.fr");
  EXPECT_EQ(u, "moi");
  r.Ferme();
}

TEST_F(Registre, AKeyDroppedWithoutClosingStillKeepsItsWrites) {
  {
    CBaseRegistre w;
    ASSERT_EQ(w.OuvreEcriture("Lumaveil", ""), 1);
    w.Ecriture("JPEGQuality", 80);
    CBaseRegistre copie = w;  // shares the handle
    EXPECT_TRUE(copie.m_hCle == w.m_hCle);
  }
  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
  int q = 0;
  EXPECT_EQ(r.Lecture("JPEGQuality", q), 1);
  EXPECT_EQ(q, 80);
  r.Ferme();
  EXPECT_EQ(r.Ferme(), 0);  // closing twice
  EXPECT_EQ(r.Lecture("JPEGQuality", q), 0);
}

TEST_F(Registre, DamagedFileIsReadAsFarAsItIsValid) {
  ::mkdir(dir_.File("conf").c_str(), 0700);
  {
    std::ofstream out(fichier_);
    out << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil]\n"
           "\"PortNumber\"=\"2121\"\n\"ServerName\"=\"ftp.tron";
  }
  CBaseRegistre r;
  ASSERT_EQ(r.OuvreLecture("Lumaveil", ""), 1);
  int port = 0;
  std::string serveur = "defaut";
  EXPECT_EQ(r.Lecture("PortNumber", port), 1);
  EXPECT_EQ(port, 2121);
  EXPECT_EQ(r.Lecture("ServerName", serveur), 0);
  EXPECT_EQ(serveur, "defaut");
  r.Ferme();
}

TEST_F(Registre, AnUnwritableLocationMakesTheOpenFail) {
  {
    std::ofstream out(dir_.File("fichier"));
    out << "x";
  }
  // The store's directory would have to be a regular file.
  std::string impossible = dir_.File("fichier/registry.reg");
  ::setenv("LUMAVEIL_REGISTRY", impossible.c_str(), 1);
  CBaseRegistre r;
  EXPECT_EQ(r.OuvreEcriture("Lumaveil", ""), 0);
  EXPECT_NE(r.m_lStatut, ERROR_SUCCESS);
  int n = 7;
  EXPECT_EQ(r.Lecture("PortNumber", n), 0);
  EXPECT_EQ(n, 7);
  EXPECT_EQ(r.Ecriture("PortNumber", 1), 0);
}

TEST_F(Registre, DocumentsDirectoryEndsWithASeparator) {
  CBaseRegistre r;
  ::setenv("XDG_DOCUMENTS_DIR", "/srv/docs", 1);
  EXPECT_EQ(r.LectureRepertoireMesDocument(), "/srv/docs/");
  ::setenv("XDG_DOCUMENTS_DIR", "/srv/docs/", 1);
  EXPECT_EQ(r.LectureRepertoireMesDocument(), "/srv/docs/");
  ::unsetenv("XDG_DOCUMENTS_DIR");
  std::string home = dir_.Path();
  ::mkdir(dir_.File("cfg").c_str(), 0700);
  {
    std::ofstream out(dir_.File("cfg/user-dirs.dirs"));
    out << "# comment\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\nXDG_DOCUMENTS_DIR=\"$HOME/Mes docs\"\n";
  }
  const char* ancienHome = std::getenv("HOME");
  std::string sauveHome = ancienHome ? ancienHome : "";
  ::setenv("HOME", home.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", dir_.File("cfg").c_str(), 1);
  EXPECT_EQ(r.LectureRepertoireMesDocument(), home + "/Mes docs/");
  ::setenv("XDG_CONFIG_HOME", dir_.File("nulle-part").c_str(), 1);
  EXPECT_EQ(r.LectureRepertoireMesDocument(), home + "/Documents/");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", sauveHome.c_str(), 1);
}

}  // namespace
}  // namespace talvik
