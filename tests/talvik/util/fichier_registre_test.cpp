// The REGEDIT4 file behind the settings store: round trips, damaged text.
#include <gtest/gtest.h>

#include "fichier_registre.h"

namespace talvik::registre {
namespace {

Base Exemple() {
  Base b;
  Cle& c = b.Cree("HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil");
  c.Fixe({"ServerName", REG_SZ, std::string("ftp.exemple.fr\0", 15)});
  c.Fixe({"Chemin \"cite\"", REG_SZ, std::string("C:\\img\\a \"b\".jpg\0", 17)});
  c.Fixe({"Lignes", REG_SZ, std::string("a\nb\0", 4)});
  c.Fixe({"Octets", REG_BINARY, std::string("\x00\x01\xff\x80", 4)});
  std::string long_(300, '\x5a');
  c.Fixe({"Long", REG_BINARY, long_});
  c.Fixe({"Vide", REG_BINARY, {}});
  c.Fixe({"Mot", REG_DWORD, std::string("\x0a\x00\x00\x80", 4)});
  c.Fixe({"", REG_SZ, std::string("defaut\0", 7)});
  b.Cree("HKEY_CLASSES_ROOT\\.lmv");
  return b;
}

void AttendMemesValeurs(const Base& a, const Base& b) {
  ASSERT_EQ(a.cles.size(), b.cles.size());
  for (std::size_t i = 0; i < a.cles.size(); ++i) {
    EXPECT_EQ(a.cles[i].chemin, b.cles[i].chemin);
    ASSERT_EQ(a.cles[i].valeurs.size(), b.cles[i].valeurs.size());
    for (std::size_t j = 0; j < a.cles[i].valeurs.size(); ++j) {
      EXPECT_EQ(a.cles[i].valeurs[j].nom, b.cles[i].valeurs[j].nom);
      EXPECT_EQ(a.cles[i].valeurs[j].type, b.cles[i].valeurs[j].type);
      EXPECT_EQ(a.cles[i].valeurs[j].octets, b.cles[i].valeurs[j].octets);
    }
  }
}

TEST(FichierRegistre, WriteThenReadKeepsEveryTypeAndByte) {
  Base b = Exemple();
  std::string texte = EcritTexte(b);
  EXPECT_EQ(texte.rfind("REGEDIT4\n", 0), 0u);
  EXPECT_NE(texte.find("\"ServerName\"=\"ftp.exemple.fr\"\n"), std::string::npos);
  EXPECT_NE(texte.find("\"Chemin \\\"cite\\\"\"=\"C:\\\\img\\\\a \\\"b\\\".jpg\""),
            std::string::npos);
  EXPECT_NE(texte.find("\"Octets\"=hex:00,01,ff,80\n"), std::string::npos);
  EXPECT_NE(texte.find("\"Mot\"=dword:8000000a\n"), std::string::npos);
  AttendMemesValeurs(LitTexte(texte), b);
}

TEST(FichierRegistre, TruncatedTextKeepsWhatCameBeforeTheDamage) {
  std::string texte = EcritTexte(Exemple());
  Base complet = LitTexte(texte);
  // Every prefix reads without crashing and never yields more values, nor
  // a value whose bytes differ from the complete file's.
  for (std::size_t n = 0; n <= texte.size(); ++n) {
    Base b = LitTexte(texte.substr(0, n));
    for (const Cle& c : b.cles) {
      const Cle* ref = complet.Trouve(c.chemin);
      ASSERT_NE(ref, nullptr) << "prefix " << n;
      for (const Valeur& v : c.valeurs) {
        const Valeur* rv = ref->Trouve(v.nom);
        ASSERT_NE(rv, nullptr);
        // A cut line is refused, so a value read from a prefix is whole.
        EXPECT_EQ(v.octets, rv->octets) << "prefix " << n;
      }
    }
  }
}

TEST(FichierRegistre, DamagedLineStopsReadingThere) {
  Base b = LitTexte(
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil]\n"
      "\"A\"=\"1\"\n\"B\"=garbage\n\"C\"=\"3\"\n");
  ASSERT_EQ(b.cles.size(), 1u);
  EXPECT_NE(b.cles[0].Trouve("A"), nullptr);
  EXPECT_EQ(b.cles[0].Trouve("B"), nullptr);
  EXPECT_EQ(b.cles[0].Trouve("C"), nullptr);
}

TEST(FichierRegistre, TextWithoutHeaderOrBinaryNoiseGivesNothing) {
  EXPECT_TRUE(LitTexte("").cles.empty());
  EXPECT_TRUE(LitTexte("[HKEY_LOCAL_MACHINE\\x]\n\"a\"=\"b\"\n").cles.empty());
  std::string bruit;
  for (int i = 0; i < 4096; ++i) bruit.push_back(char((i * 7919) & 0xFF));
  EXPECT_TRUE(LitTexte(bruit).cles.empty());
  // Whatever noise after a header gives, it writes and reads back the same.
  Base b = LitTexte("REGEDIT4\n" + bruit);
  AttendMemesValeurs(LitTexte(EcritTexte(b)), b);
}

TEST(FichierRegistre, NamesMatchWithoutCase) {
  Base b = LitTexte("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vermalune\\X]\r\n"
                    "\"PortNumber\"=\"21\"\r\n");
  const Cle* c = b.Trouve("hkey_local_machine\\software\\vermalune\\x");
  ASSERT_NE(c, nullptr);
  const Valeur* v = c->Trouve("PORTNUMBER");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->octets, std::string("21\0", 3));
}

TEST(FichierRegistre, HexListsMayContinueOnFollowingLines) {
  Base b = LitTexte("REGEDIT4\n[HKEY_CLASSES_ROOT\\k]\n\"h\"=hex:01,02,\\\n  03,04\n"
                    "\"t\"=hex(1):41,00\n");
  ASSERT_EQ(b.cles.size(), 1u);
  EXPECT_EQ(b.cles[0].Trouve("h")->octets, std::string("\x01\x02\x03\x04", 4));
  EXPECT_EQ(b.cles[0].Trouve("t")->type, REG_SZ);
  // A list that ends on a continuation at the end of the text is cut.
  Base coupe = LitTexte("REGEDIT4\n[HKEY_CLASSES_ROOT\\k]\n\"h\"=hex:01,02,\\\n");
  EXPECT_EQ(coupe.cles[0].Trouve("h"), nullptr);
}

}  // namespace
}  // namespace talvik::registre
