// What LitMetaPhoto finds in photos written at test time by ImageMagick
// and given their metadata by exiftool, in every format a phone or a
// camera brings, and what it leaves out of hostile files.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dossier_temporaire.h"
#include "outils_externes.h"
#include "picture/meta_photo.h"

namespace lumaveil::testing {
namespace {

using talvik::LitMetaPhoto;
using talvik::MetaPhoto;

constexpr const char* kFormats[] = {"jpg", "heic", "png", "webp", "tif"};

// exiftool's arguments of each case.
struct Cas {
  const char* nom;
  std::string arguments;
};

const std::vector<Cas>& LesCas(const std::string& mauvais) {
  static const std::vector<Cas> cas = {
      {"complete",
       "-DateTimeOriginal='2024:07:14 18:30:05' -OffsetTimeOriginal='+02:00' "
       "-XMP-dc:Title='Été à Lyon ✓' -XPTitle='not this one' -XMP-dc:Description='Fête' "
       "-ImageDescription='not this either' -Make=Canon -Model='Canon EOS R5' "
       "-GPSLatitude=45.764 -GPSLatitudeRef=N -GPSLongitude=4.8357 -GPSLongitudeRef=E"},
      {"exif",
       "-DateTimeOriginal='2019:02:28 07:05:00' -XPTitle='Ναύπλιο' -ImageDescription='Quai' "
       "-Make=Apple -Model='iPhone 13' -GPSLatitude=34.6037 -GPSLatitudeRef=S "
       "-GPSLongitude=58.3816 -GPSLongitudeRef=W"},
      {"xmp",
       "-XMP-xmp:CreateDate='2001-01-01T00:00:00' "
       "-XMP-photoshop:DateCreated='2023-12-31T23:59:00-05:00'"},
      {"hostile",
       "-GPSLatitude=95 -GPSLatitudeRef=N -GPSLongitude=200 -GPSLongitudeRef=E "
       "'-ImageDescription<=" + mauvais + "' -DateTimeOriginal='2024:02:30 10:00:00' -Model=X100V"},
      {"nue", "-all="},
  };
  return cas;
}

// Every value from its first source, UTF-8 kept, the offset read.
void EveryFieldIsReadFromItsPreferredSource(const MetaPhoto& m) {
  EXPECT_EQ(m.prise.annee, 2024);
  EXPECT_EQ(m.prise.mois, 7);
  EXPECT_EQ(m.prise.jour, 14);
  EXPECT_TRUE(m.prise.heureConnue);
  EXPECT_EQ(m.prise.heure * 3600 + m.prise.minute * 60 + m.prise.seconde, 18 * 3600 + 30 * 60 + 5);
  EXPECT_TRUE(m.prise.decalageConnu);
  EXPECT_EQ(m.prise.decalageMinutes, 120);
  EXPECT_EQ(m.titre, "Été à Lyon ✓");
  EXPECT_EQ(m.description, "Fête");
  EXPECT_EQ(m.appareil, "Canon EOS R5");
  ASSERT_TRUE(m.gps);
  EXPECT_NEAR(m.latitude, 45.764, 1e-4);
  EXPECT_NEAR(m.longitude, 4.8357, 1e-4);
}

// Without XMP: the date without offset, the Windows title, the Exif
// description, a south-western position, a make the model does not name.
void LesserSourcesStandInWhenThePreferredOnesAreMissing(const MetaPhoto& m) {
  EXPECT_EQ(m.prise.annee * 10000 + m.prise.mois * 100 + m.prise.jour, 20190228);
  EXPECT_FALSE(m.prise.decalageConnu);
  EXPECT_EQ(m.titre, "Ναύπλιο");
  EXPECT_EQ(m.description, "Quai");
  EXPECT_EQ(m.appareil, "Apple iPhone 13");
  ASSERT_TRUE(m.gps);
  EXPECT_NEAR(m.latitude, -34.6037, 1e-4);
  EXPECT_NEAR(m.longitude, -58.3816, 1e-4);
}

// XMP alone: photoshop:DateCreated with its offset, before xmp:CreateDate.
void AnXmpDateStandsInForTheExifOne(const MetaPhoto& m) {
  EXPECT_EQ(m.prise.annee * 10000 + m.prise.mois * 100 + m.prise.jour, 20231231);
  EXPECT_EQ(m.prise.heure, 23);
  EXPECT_EQ(m.prise.decalageMinutes, -300);
}

// A position outside the world, text that is not UTF-8 and a date that is
// not one are left out; the other values stay.
void MalformedValuesAreLeftOutQuietly(const MetaPhoto& m) {
  EXPECT_FALSE(m.gps);
  EXPECT_EQ(m.description, "");
  EXPECT_FALSE(m.prise.Connue());
  EXPECT_EQ(m.appareil, "X100V");
}

void APhotoWithoutMetadataGivesNothing(const MetaPhoto& m) {
  EXPECT_FALSE(m.prise.Connue());
  EXPECT_FALSE(m.gps);
  EXPECT_TRUE(m.titre.empty() && m.description.empty() && m.appareil.empty());
}

// Every case in every format, the photos made together: exiftool takes a
// second per call.
TEST(MetaPhotos, EveryFormatGivesEachValueFromItsPreferredSourceAndNoMalformedOne) {
  TempDir dir;
  const std::string mauvais = dir.File("mauvais.txt");
  std::ofstream(mauvais, std::ios::binary) << "bad\xFF\xFEutf";
  for (const char* f : kFormats)
    ASSERT_TRUE(Lance("convert -size 64x48 gradient:red-blue " + Cite(dir.File(std::string("base.") + f))));
  for (const Cas& c : LesCas(mauvais)) {
    std::string fichiers;
    for (const char* f : kFormats) {
      const std::string chemin = dir.File(std::string(c.nom) + "." + f);
      ASSERT_TRUE(Lance("cp " + Cite(dir.File(std::string("base.") + f)) + " " + Cite(chemin)));
      fichiers += " " + Cite(chemin);
    }
    ASSERT_TRUE(Lance("exiftool -q -q -overwrite_original " + c.arguments + fichiers)) << c.nom;
  }
  for (const char* f : kFormats) {
    SCOPED_TRACE(f);
    auto photo = [&](const char* cas) { return dir.File(std::string(cas) + "." + f); };
      EveryFieldIsReadFromItsPreferredSource(LitMetaPhoto(photo("complete")));
      LesserSourcesStandInWhenThePreferredOnesAreMissing(LitMetaPhoto(photo("exif")));
      AnXmpDateStandsInForTheExifOne(LitMetaPhoto(photo("xmp")));
      MalformedValuesAreLeftOutQuietly(LitMetaPhoto(photo("hostile")));
      APhotoWithoutMetadataGivesNothing(LitMetaPhoto(photo("nue")));
  }
}

std::vector<std::uint8_t> Octets(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

void Ecrit(const std::string& chemin, const std::vector<std::uint8_t>& d) {
  std::ofstream(chemin, std::ios::binary).write(reinterpret_cast<const char*>(d.data()),
                                                std::streamsize(d.size()));
}

// IPTC: the caption as Latin-1 when no UTF-8 mark says otherwise; an XMP
// packet of 2 MB is not read; a JPEG cut anywhere in its metadata gives
// what lies before the cut and never reads past the end.
TEST(MetaPhoto, IptcLatinOneHugeXmpAndCutFilesAreHandled) {
  TempDir dir;
  const std::string jpeg = dir.File("iptc.jpg");
  ASSERT_TRUE(Lance("convert -size 64x48 xc:gray " + Cite(jpeg)));
  ASSERT_TRUE(Lance("exiftool -q -q -overwrite_original -charset iptc=Latin "
                    "-IPTC:Caption-Abstract='Café' -DateTimeOriginal='2020:05:06 01:02:03' " +
                    Cite(jpeg)));
  EXPECT_EQ(LitMetaPhoto(jpeg).description, "Café");

  // A PNG whose first chunk after IHDR is a 2 MB iTXt XMP packet.
  const std::string png = dir.File("xmp.png");
  ASSERT_TRUE(Lance("convert -size 8x8 xc:gray " + Cite(png)));
  std::vector<std::uint8_t> d = Octets(png);
  std::string corps("XML:com.adobe.xmp\0\0\0\0\0", 22);
  corps += "<x:xmpmeta><dc:title>Huge</dc:title>" + std::string(2 << 20, ' ') + "</x:xmpmeta>";
  std::string morceau;
  for (int decalage = 24; decalage >= 0; decalage -= 8) morceau += char(corps.size() >> decalage);
  morceau += "iTXt" + corps + std::string(4, '\0');  // a CRC a metadata reader does not check
  d.insert(d.begin() + 33, morceau.begin(), morceau.end());
  Ecrit(png, d);
  EXPECT_EQ(LitMetaPhoto(png).titre, "");

  const std::string complet = dir.File("complet.jpg");
  ASSERT_TRUE(Lance("convert -size 64x48 xc:gray " + Cite(complet)));
  ASSERT_TRUE(Lance("exiftool -q -q -overwrite_original -XMP-dc:Title=T -Make=M "
                    "-GPSLatitude=1 -GPSLatitudeRef=N -GPSLongitude=1 -GPSLongitudeRef=E " +
                    Cite(complet)));
  const std::vector<std::uint8_t> entier = Octets(complet);
  ASSERT_EQ(LitMetaPhoto(complet).titre, "T");
  // Once the cut lies past a block, what it holds is found at every longer cut.
  bool titreVu = false, appareilVu = false;
  for (std::size_t n = 0; n < entier.size(); n += 7) {
    Ecrit(dir.File("coupe.jpg"), std::vector<std::uint8_t>(entier.begin(), entier.begin() + long(n)));
    const MetaPhoto m = LitMetaPhoto(dir.File("coupe.jpg"));
    EXPECT_TRUE(m.titre == (titreVu ? "T" : m.titre) && (m.titre.empty() || m.titre == "T")) << n;
    EXPECT_TRUE(!appareilVu || m.appareil == "M") << n;
    titreVu = titreVu || m.titre == "T";
    appareilVu = appareilVu || m.appareil == "M";
  }
  EXPECT_TRUE(titreVu && appareilVu);
}

}  // namespace
}  // namespace lumaveil::testing
