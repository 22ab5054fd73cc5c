// The talvik tool as scripts use it: exit codes, output, and the files it
// writes, checked by loading them back with the library.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <iterator>
#include <vector>

#include <zlib.h>

#include "exif_essai.h"
#include "graphique.h"
#include "heif_essai.h"
#include "dossier_temporaire.h"

using lumaveil::testing::TempDir;
using talvik::Bitmap;
using talvik::CGraphique;
using talvik::RGB;

namespace {

struct Resultat {
  int code = -1;
  std::string sortie;
  std::string erreurs;
};

Resultat Talvik(const TempDir& d, const std::string& arguments) {
  const std::string err = d.File("stderr.txt");
  const std::string commande =
      std::string(LUMAVEIL_BIN_DIR) + "/talvik " + arguments + " 2>" + err + "; echo \"#$?\"";
  Resultat r;
  std::string tout;
  if (std::FILE* p = ::popen(commande.c_str(), "r")) {
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0) tout.append(tampon, n);
    ::pclose(p);
  }
  const auto diese = tout.rfind('#');
  if (diese != std::string::npos) {
    r.code = std::stoi(tout.substr(diese + 1));
    r.sortie = tout.substr(0, diese);
  }
  std::ifstream f(err);
  std::stringstream s;
  s << f.rdbuf();
  r.erreurs = s.str();
  return r;
}

// A 300 x 200 picture: left half red, right half blue, top-left pixel green.
std::string Picture(const TempDir& d, const std::string& nom) {
  Bitmap b = Bitmap::Create(300, 200, RGB(255, 0, 0));
  for (int y = 0; y < 200; ++y)
    for (int x = 150; x < 300; ++x) b.SetPixel(x, y, RGB(0, 0, 255));
  b.SetPixel(0, 0, RGB(0, 255, 0));
  const std::string chemin = d.File(nom);
  CGraphique::SauveImage(chemin, b, 95, 0, 0);
  return chemin;
}

}  // namespace

TEST(TalvikCli, InfoPrintsSizeAndBits) {
  TempDir d;
  const std::string in = Picture(d, "in.png");
  const Resultat r = Talvik(d, "info " + in);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.sortie, "300x200 32\n");
}

TEST(TalvikCli, FailuresExitOneWithAMessage) {
  TempDir d;
  const std::string in = Picture(d, "in.png");
  for (const std::string& arguments :
       {std::string("info ") + d.File("missing.png"), std::string("convert ") + in + " " + d.File("a.txt"),
        std::string("resize ") + in + " " + d.File("a.png") + " 0x10",
        std::string("crop ") + in + " " + d.File("a.png") + " 0 0 -5 5",
        std::string("fit ") + in + " " + d.File("a.png") + " 10x10 --fill zz",
        std::string("convert ") + in, std::string("frobnicate"), std::string(""),
        std::string("rotate ") + in + " " + d.File("a.png") + " --bogus 180"}) {
    const Resultat r = Talvik(d, arguments);
    EXPECT_EQ(r.code, 1) << arguments;
    EXPECT_FALSE(r.erreurs.empty()) << arguments;
  }
  EXPECT_NE(Talvik(d, "info " + d.File("missing.png")).erreurs.find("Unable to load file"),
            std::string::npos);
  EXPECT_EQ(Talvik(d, "convert " + in + " " + d.File("a.jpg") + " --quality 101").code, 1);
}

TEST(TalvikCli, PictureAboveTheLimitIsRefusedWithAClearMessage) {
  TempDir d;
  // A BMP header claiming 20000 x 20000 pixels.
  Bitmap petit = Bitmap::Create(2, 2);
  ASSERT_EQ(CGraphique::SauveImageBMP(d.File("g.bmp"), petit), 1);
  std::fstream f(d.File("g.bmp"), std::ios::in | std::ios::out | std::ios::binary);
  const unsigned char taille[8] = {0x20, 0x4E, 0, 0, 0x20, 0x4E, 0, 0};
  f.seekp(18);
  f.write(reinterpret_cast<const char*>(taille), 8);
  f.close();
  const Resultat r = Talvik(d, "info " + d.File("g.bmp"));
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.erreurs.find("too large"), std::string::npos) << r.erreurs;
}

TEST(TalvikCli, APictureWhoseDataCannotFillItSaysWhyAfterTheDesignedMessage) {
  TempDir d;
  // A PNG header declaring one column of 2^27 rows, with no data behind.
  Bitmap petit = Bitmap::Create(1, 1);
  ASSERT_EQ(CGraphique::SauveImagePNG(d.File("p.png"), petit), 1);
  std::fstream f(d.File("p.png"), std::ios::in | std::ios::out | std::ios::binary);
  std::vector<char> octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  f.close();
  // The height in IHDR (bytes 20 to 23), then the chunk's CRC made anew.
  octets[20] = 0x08;
  octets[21] = octets[22] = octets[23] = 0;
  const std::uint32_t crc = std::uint32_t(
      ::crc32(0, reinterpret_cast<const Bytef*>(&octets[12]), 17));
  for (int i = 0; i < 4; ++i) octets[29 + i] = char(crc >> (24 - 8 * i));
  std::ofstream(d.File("p.png"), std::ios::binary).write(octets.data(), std::streamsize(octets.size()));
  const Resultat r = Talvik(d, "info " + d.File("p.png"));
  EXPECT_EQ(r.code, 1);
  const std::size_t message = r.erreurs.find("Unable to load file");
  const std::size_t pourquoi = r.erreurs.find("ends before the picture");
  ASSERT_NE(message, std::string::npos) << r.erreurs;
  ASSERT_NE(pourquoi, std::string::npos) << r.erreurs;
  EXPECT_LT(message, pourquoi);
}

TEST(TalvikCli, InfoGivesTheUprightSizeAndTheOrientationFound) {
  TempDir d;
  // A phone's portrait photo: stored 300 x 200 with a quarter turn to apply.
  const std::string jpeg = Picture(d, "portrait.jpg");
  ASSERT_TRUE(lumaveil::testing::AjouteVignetteExif(jpeg, Bitmap(), true, 6));
  EXPECT_EQ(Talvik(d, "info " + jpeg).sortie, "200x300 32 orientation 6\n");
  // Mirrored along a diagonal, in a HEIF file's rotation and mirror boxes.
  lumaveil::testing::OptionsHeif o;
  o.orientation = 7;
  ASSERT_TRUE(lumaveil::testing::EcritHeif(d.File("p.heic"), CGraphique::ChargeImage(jpeg, 0), o));
  EXPECT_EQ(Talvik(d, "info " + d.File("p.heic")).sortie, "300x200 32 orientation 7\n");
  // Converting writes the upright picture: the file has no orientation left.
  ASSERT_EQ(Talvik(d, "convert " + jpeg + " " + d.File("droit.png")).code, 0);
  EXPECT_EQ(Talvik(d, "info " + d.File("droit.png")).sortie, "200x300 32\n");
  // A value outside 1..8 is no orientation.
  const std::string bizarre = Picture(d, "bizarre.jpg");
  ASSERT_TRUE(lumaveil::testing::AjouteVignetteExif(bizarre, Bitmap(), false, 12));
  EXPECT_EQ(Talvik(d, "info " + bizarre).sortie, "300x200 32\n");
}

TEST(TalvikCli, ConvertPicksTheFormatByExtension) {
  TempDir d;
  const std::string in = Picture(d, "in.bmp");
  for (const char* nom : {"a.png", "a.tiff", "a.jpeg", "a.gif", "a.BMP"}) {
    ASSERT_EQ(Talvik(d, "convert " + in + " " + d.File(nom)).code, 0) << nom;
    Bitmap b = CGraphique::ChargeImage(d.File(nom), 0);
    ASSERT_TRUE(b) << nom;
    EXPECT_EQ(b.Width(), 300);
  }
  // Lower quality, smaller file.
  ASSERT_EQ(Talvik(d, "convert " + in + " " + d.File("q10.jpg") + " --quality 10").code, 0);
  ASSERT_EQ(Talvik(d, "convert " + in + " " + d.File("q95.jpg") + " --quality 95").code, 0);
  std::ifstream a(d.File("q10.jpg"), std::ios::ate), b(d.File("q95.jpg"), std::ios::ate);
  EXPECT_LT(a.tellg(), b.tellg());
}

TEST(TalvikCli, GeometryCommands) {
  TempDir d;
  const std::string in = Picture(d, "in.png");
  ASSERT_EQ(Talvik(d, "resize " + in + " " + d.File("r.png") + " 30x20 --fast").code, 0);
  EXPECT_EQ(Talvik(d, "info " + d.File("r.png")).sortie, "30x20 32\n");

  // Fit into 640x480 keeps the size and centres on the top-left colour.
  ASSERT_EQ(Talvik(d, "fit " + in + " " + d.File("f.png") + " 640x480").code, 0);
  Bitmap f = CGraphique::ChargeImage(d.File("f.png"), 0);
  ASSERT_TRUE(f);
  EXPECT_EQ(f.GetPixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(f.GetPixel(171, 141), RGB(255, 0, 0));
  ASSERT_EQ(Talvik(d, "fit " + in + " " + d.File("g.png") + " 640x480 --fill 0x00FF0000").code, 0);
  EXPECT_EQ(CGraphique::ChargeImage(d.File("g.png"), 0).GetPixel(5, 5), RGB(0, 0, 255));

  ASSERT_EQ(Talvik(d, "crop " + in + " " + d.File("c.png") + " 290 -5 20 10 --fill 0x0000FFFF").code, 0);
  Bitmap c = CGraphique::ChargeImage(d.File("c.png"), 0);
  ASSERT_TRUE(c);
  EXPECT_EQ(c.GetPixel(0, 4), RGB(255, 255, 0));   // above the picture
  EXPECT_EQ(c.GetPixel(5, 7), RGB(0, 0, 255));     // inside
  EXPECT_EQ(c.GetPixel(15, 7), RGB(255, 255, 0));  // right of the picture

  ASSERT_EQ(Talvik(d, "rotate " + in + " " + d.File("t.png") + " -180").code, 0);
  Bitmap t = CGraphique::ChargeImage(d.File("t.png"), 0);
  ASSERT_TRUE(t);
  EXPECT_EQ(t.Width(), 200);
  EXPECT_EQ(t.Height(), 300);
  // Anticlockwise: the top-left corner goes to the bottom-left, the blue
  // right half to the top.
  EXPECT_EQ(t.GetPixel(0, 299), RGB(0, 255, 0));
  EXPECT_EQ(t.GetPixel(100, 10), RGB(0, 0, 255));
}

TEST(TalvikCli, AdjustAppliesLightContrastIntensity) {
  TempDir d;
  const std::string in = Picture(d, "in.png");
  ASSERT_EQ(Talvik(d, "adjust " + in + " " + d.File("a.png") + " 40 50 50").code, 0);
  Bitmap a = CGraphique::ChargeImage(d.File("a.png"), 0);
  ASSERT_TRUE(a);
  EXPECT_EQ(a.GetPixel(10, 10), RGB(230, 0, 0));
  ASSERT_EQ(Talvik(d, "adjust " + in + " " + d.File("n.png") + " 50 50 50").code, 0);
  EXPECT_EQ(CGraphique::ChargeImage(d.File("n.png"), 0).GetPixel(0, 0), RGB(0, 255, 0));
}
