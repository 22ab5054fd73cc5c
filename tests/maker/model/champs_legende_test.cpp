// Caption fields: how the command line's braces become fields, how a
// caption is written out when some of its fields have no value, and how
// dates are written.
#include <gtest/gtest.h>

#include "champs_legende.h"
#include "date_locale.h"

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
