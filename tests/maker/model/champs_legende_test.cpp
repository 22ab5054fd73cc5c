// Caption fields: how the command line's braces become fields, how a
// caption is written out when some of its fields have no value, and how
// dates are written.
#include <gtest/gtest.h>

#include "champs_legende.h"
#include "date_locale.h"
#include "ecran.h"
#include "fichier_modele.h"

namespace lumaveil::testing {
namespace {

std::string F(const char* nom) { return MarqueChamp(nom); }

TEST(ChampsLegende, BracesBecomeFieldsOnlyForKnownNamesAndOnlyWhenAsked) {
  EXPECT_EQ(ChampsDepuisAccolades("{date} in {place}"), F("date") + " in " + F("place"));
  EXPECT_EQ(ChampsDepuisAccolades("{x} {date {} }"), "{x} {date {} }");
  // A caption typed by hand keeps its braces as text.
  ValeursPhoto v;
  v.meta.prise.annee = 2024;
  bool vide = true;
  EXPECT_EQ(DevelopeChamps("{date} and {time}", v, FormatDate::Longue, &vide), "{date} and {time}");
  EXPECT_FALSE(vide);
  EXPECT_EQ(AccoladesDepuisChamps(F("date") + " x"), "{date} x");
}

TEST(ChampsLegende, EmptyFieldsTakeTheirSeparatorWithThem) {
  ValeursPhoto v;
  v.meta.prise = {2024, 7, 14, true, 18, 30, 0, false, 0};
  v.meta.appareil = "Canon EOS R5";
  v.fichier = "IMG_0001";
  struct Cas {
    std::string texte, attendu;
    bool vide;
  } cas[] = {
      {F("date") + " · " + F("place"), "14 July 2024", false},
      {F("place") + " · " + F("date"), "14 July 2024", false},
      {F("date") + " · " + F("place") + " · " + F("camera"), "14 July 2024 · Canon EOS R5", false},
      {F("date") + ", " + F("title") + " - " + F("description") + ", " + F("file"),
       "14 July 2024, IMG_0001", false},
      {"Taken " + F("date") + " at " + F("time"), "Taken 14 July 2024 at 18:30", false},
      {F("place") + " — " + F("title"), "", true},
      {"Holiday: " + F("title"), "", true},
      {F("nonsense") + " " + F("date"), "14 July 2024", false},
      {std::string(kDebutChamp) + "date", "date", false},  // a stray mark is no field
  };
  for (const Cas& c : cas) {
    bool vide = !c.vide;
    EXPECT_EQ(DevelopeChamps(c.texte, v, FormatDate::Longue, &vide), c.attendu)
        << AccoladesDepuisChamps(c.texte);
    EXPECT_EQ(vide, c.vide) << AccoladesDepuisChamps(c.texte);
  }
}

// The C locale writes "14 July 2024"; others follow their short form and
// their words.
TEST(ChampsLegende, DatesFollowTheLocalesCustoms) {
  EXPECT_EQ(TexteDate({2024, 7, 14, false, 0, 0, 0, false, 0}, FormatDate::Longue), "14 July 2024");
  EXPECT_EQ(TexteDate({2024, 7, 14, false, 0, 0, 0, false, 0}, FormatDate::AvecJour),
            "Sunday 14 July 2024");
  EXPECT_EQ(TexteDate({2024, 7, 0, false, 0, 0, 0, false, 0}, FormatDate::Longue), "July 2024");
  EXPECT_EQ(TexteDate({2024, 7, 14, false, 0, 0, 0, false, 0}, FormatDate::Annee), "2024");
  EXPECT_EQ(TexteHeure({2024, 7, 14, false, 0, 0, 0, false, 0}), "");
  EXPECT_EQ(MotifDate(FormatDate::Longue, "%m/%d/%Y", "en"), "%B %-d, %Y");
  EXPECT_EQ(MotifDate(FormatDate::AvecJour, "%m/%d/%Y", "en"), "%A, %B %-d, %Y");
  EXPECT_EQ(MotifDate(FormatDate::Longue, "%d/%m/%Y", "fr"), "%-d %B %Y");
  EXPECT_EQ(MotifDate(FormatDate::Longue, "%d.%m.%Y", "de"), "%-d. %B %Y");
  EXPECT_EQ(MotifDate(FormatDate::Longue, "%d/%m/%y", "es"), "%-d de %B de %Y");
  EXPECT_EQ(MotifDate(FormatDate::Longue, "%Y-%m-%d", "hu"), "%Y %B %-d");
  EXPECT_EQ(MotifDate(FormatDate::Longue, "%Y年%m月%d日", "ja"), "%Y年%-m月%-d日");
  EXPECT_EQ(MotifDate(FormatDate::MoisAnnee, "%d/%m/%Y", "ru"), "%OB %Y");
}

}  // namespace
}  // namespace lumaveil::testing

namespace lumaveil::testing {
namespace {

// A template keeps its captions' fields (and their own braces), while a
// template written before fields existed keeps "{date}" as text.
TEST(ChampsLegende, TemplatesKeepFieldsAndOldBracesStayText) {
  CEcran modele(SIZE{640, 480});
  modele.Textes[0].Utilisation = 1;
  modele.Textes[0].Libelle = MarqueChamp("date") + " · " + MarqueChamp("place") + " {x}";
  modele.Textes[1].Utilisation = 1;
  modele.Textes[1].Libelle = "{date} typed by hand";
  const std::string octets = EcritModele(modele);
  CEcran relu(SIZE{640, 480});
  LitModele(octets, relu);
  EXPECT_EQ(relu.Textes[0].Libelle, modele.Textes[0].Libelle);
  EXPECT_EQ(relu.Textes[1].Libelle, "{date} typed by hand");
  // The same file without its added lines, as an older maker wrote it.
  std::string ancien;
  for (std::size_t debut = 0; debut < octets.size();) {
    const std::size_t fin = octets.find('\n', debut);
    const std::string ligne = octets.substr(debut, fin == std::string::npos ? fin : fin - debut + 1);
    if (ligne.find("Champs]") == std::string::npos) ancien += ligne;
    debut = fin == std::string::npos ? octets.size() : fin + 1;
  }
  CEcran vieux(SIZE{640, 480});
  LitModele(ancien, vieux);
  EXPECT_FALSE(ContientChamps(vieux.Textes[0].Libelle));
  EXPECT_EQ(vieux.Textes[0].Libelle, "{date} · {place} {x}");
}

}  // namespace
}  // namespace lumaveil::testing
