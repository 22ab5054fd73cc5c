// Dispatch by extension, BMP files, packed DIBs and the screen queries.
#include <gtest/gtest.h>

#include "fichiers_images_essai.h"
#include "graphique.h"
#include "picture/dib.h"
#include "picture/format.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::CSize;
using talvik::FormatImage;
using talvik::RGB;
using lumaveil::testing::TempDir;

TEST(Dispatch, OnlyTheLastThreeCharactersCountInAnyCase) {
  EXPECT_EQ(talvik::FormatDuChemin("a.JPEG"), FormatImage::JPEG);
  EXPECT_EQ(talvik::FormatDuChemin("a.jpe"), FormatImage::JPEG);
  EXPECT_EQ(talvik::FormatDuChemin("a.Jpg"), FormatImage::JPEG);
  EXPECT_EQ(talvik::FormatDuChemin("a.tiff"), FormatImage::TIFF);
  EXPECT_EQ(talvik::FormatDuChemin("giraffe.sniff"), FormatImage::TIFF);
  EXPECT_EQ(talvik::FormatDuChemin("x.bmp"), FormatImage::BMP);
  EXPECT_EQ(talvik::FormatDuChemin("PNG"), FormatImage::PNG);
  EXPECT_EQ(talvik::FormatDuChemin("a.jp"), FormatImage::Inconnu);
  EXPECT_EQ(talvik::FormatDuChemin("gi"), FormatImage::Inconnu);
}

TEST(Dispatch, EveryFormatSavesAndLoadsByExtension) {
  TempDir d;
  const Bitmap p = lumaveil::testing::Motif(33, 17);
  for (const char* nom : {"a.bmp", "b.png", "c.tif", "d.TIFF", "e.jpeg", "f.JPE", "g.gif"}) {
    const std::string chemin = d.File(nom);
    ASSERT_EQ(CGraphique::SauveImage(chemin, p, 95, 0, 0), 1) << nom;
    Bitmap r = CGraphique::ChargeImage(chemin, 0);
    ASSERT_TRUE(r) << nom;
    EXPECT_EQ(r.Width(), 33);
    EXPECT_EQ(r.Height(), 17);
    const std::string n = nom;
    if (n[2] == 'j' || n[2] == 'J' || n[2] == 'g')
      EXPECT_LT(lumaveil::testing::EcartMax(r, p), 80) << nom;  // lossy or 256 colours
    else
      EXPECT_TRUE(lumaveil::testing::MemesPixels(r, p)) << nom;
  }
  // The content decides nothing: a PNG named .bmp does not load.
  std::rename(d.File("b.png").c_str(), d.File("b.bmp").c_str());
  EXPECT_FALSE(CGraphique::ChargeImage(d.File("b.bmp"), 0));
}

TEST(Dispatch, UnknownExtensionShowsTheMessageOnlyWhenAsked) {
  TempDir d;
  lumaveil::testing::Ecrit(d.File("a.jp"), lumaveil::testing::Lit(d.File("none")));
  lumaveil::testing::Messages m;
  EXPECT_FALSE(CGraphique::ChargeImage(d.File("a.jp"), 0));
  EXPECT_TRUE(m.recus.empty());
  EXPECT_FALSE(CGraphique::ChargeImage(d.File("a.jp"), 1));
  ASSERT_EQ(m.recus.size(), 1u);
  EXPECT_EQ(m.recus[0].texte, "Unable to load file");
  EXPECT_EQ(m.recus[0].titre, "Error");
  EXPECT_EQ(m.recus[0].icone, talvik::IconeMessage::Erreur);
  EXPECT_FALSE(CGraphique::ChargeImage(d.File("missing.png"), 1));
  EXPECT_EQ(m.recus.size(), 2u);
}

TEST(Dispatch, SavingToAnUnknownExtensionCreatesNoFile) {
  TempDir d;
  EXPECT_EQ(CGraphique::SauveImage(d.File("a.txt"), lumaveil::testing::Motif(4, 4), 75, 0, 0), 0);
  EXPECT_FALSE(lumaveil::testing::Existe(d.File("a.txt")));
}

TEST(Dispatch, OnlyGifWritesTheTransparencyOutParameters) {
  TempDir d;
  const Bitmap p = lumaveil::testing::Motif(8, 8);
  ASSERT_EQ(CGraphique::SauveImage(d.File("a.bmp"), p, 75, 0, 0), 1);
  ASSERT_EQ(CGraphique::SauveImage(d.File("a.jpg"), p, 75, 0, 0), 1);
  ASSERT_EQ(CGraphique::SauveImage(d.File("a.gif"), p, 75, 0, 0), 1);
  for (const char* nom : {"a.bmp", "a.jpg"}) {
    int t = 7;
    talvik::COLORREF c = 0x123456;
    ASSERT_TRUE(CGraphique::ChargeImage(d.File(nom), 0, &t, &c));
    EXPECT_EQ(t, 7);
    EXPECT_EQ(c, 0x123456u);
  }
  int t = 7;
  talvik::COLORREF c = 0;
  ASSERT_TRUE(CGraphique::ChargeImage(d.File("a.gif"), 0, &t, &c));
  EXPECT_EQ(t, 0);
  EXPECT_TRUE(CGraphique::ChargeImage(d.File("a.gif"), 0));  // null out-parameters are fine
}

TEST(Bmp, RowsArePaddedAndTheSizeFieldCountsThem) {
  TempDir d;
  for (int w : {8, 1, 2, 3, 5, 7}) {
    const std::string chemin = d.File("p.bmp");
    const Bitmap p = lumaveil::testing::Motif(w, 3);
    ASSERT_EQ(CGraphique::SauveImageBMP(chemin, p), 1);
    const auto o = lumaveil::testing::Lit(chemin);
    const std::size_t pas = (std::size_t(w) * 3 + 3) / 4 * 4;
    ASSERT_EQ(o.size(), 54 + pas * 3) << w;
    EXPECT_EQ(o[0], 'B');
    EXPECT_EQ(o[1], 'M');
    EXPECT_EQ(talvik::dib::Lit32(&o[2]), 54 + pas * 3);
    EXPECT_EQ(talvik::dib::Lit32(&o[10]), 54u);
    EXPECT_EQ(talvik::dib::Lit32(&o[34]), pas * 3);  // biSizeImage
    EXPECT_EQ(talvik::dib::Lit16(&o[28]), 24);
    // Bottom row first, blue-green-red.
    EXPECT_EQ(o[54], talvik::GetBValue(p.GetPixel(0, 2)));
    EXPECT_EQ(o[56], talvik::GetRValue(p.GetPixel(0, 2)));
    EXPECT_TRUE(lumaveil::testing::MemesPixels(CGraphique::ChargeImageBMP(chemin), p));
  }
}

namespace {

// A BMP file of the given info header, colour table and rows.
std::vector<std::uint8_t> Bmp(const talvik::dib::BITMAPINFOHEADER& e,
                              const std::vector<std::uint8_t>& couleurs,
                              const std::vector<std::uint8_t>& bits) {
  std::vector<std::uint8_t> o(54);
  o[0] = 'B';
  o[1] = 'M';
  talvik::dib::Ecrit32(&o[2], std::uint32_t(54 + couleurs.size() + bits.size()));
  talvik::dib::Ecrit32(&o[10], std::uint32_t(54 + couleurs.size()));
  talvik::dib::EcritEntete(e, &o[14]);
  o.insert(o.end(), couleurs.begin(), couleurs.end());
  o.insert(o.end(), bits.begin(), bits.end());
  return o;
}

talvik::dib::BITMAPINFOHEADER Entete(int w, int h, int bits) {
  talvik::dib::BITMAPINFOHEADER e;
  e.biWidth = w;
  e.biHeight = h;
  e.biBitCount = std::uint16_t(bits);
  return e;
}

}  // namespace

TEST(Bmp, PaletteAndTopDownPicturesLoad) {
  TempDir d;
  // 3 x 2, 8 bits, two colours, top-down.
  std::vector<std::uint8_t> couleurs = {0, 0, 255, 0, 255, 0, 0, 0};  // red, blue (B, G, R, 0)
  auto e = Entete(3, -2, 8);
  e.biClrUsed = 2;
  lumaveil::testing::Ecrit(d.File("p.bmp"), Bmp(e, couleurs, {0, 1, 0, 0, 1, 1, 1, 0}));
  Bitmap b = CGraphique::ChargeImageBMP(d.File("p.bmp"));
  ASSERT_TRUE(b);
  EXPECT_EQ(b.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(b.GetPixel(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(b.GetPixel(0, 1), RGB(0, 0, 255));
  EXPECT_EQ(b.GetPixel(2, 1), RGB(0, 0, 255));
  // 1 bit, bottom-up, 9 pixels wide (two bytes per row, padded to 4).
  auto e1 = Entete(9, 2, 1);
  lumaveil::testing::Ecrit(d.File("q.bmp"), Bmp(e1, {0, 0, 0, 0, 255, 255, 255, 0},
                                     {0x80, 0x80, 0, 0, 0x7F, 0x00, 0, 0}));
  Bitmap q = CGraphique::ChargeImageBMP(d.File("q.bmp"));
  ASSERT_TRUE(q);
  EXPECT_EQ(q.GetPixel(0, 1), RGB(255, 255, 255));
  EXPECT_EQ(q.GetPixel(8, 1), RGB(255, 255, 255));
  EXPECT_EQ(q.GetPixel(1, 1), RGB(0, 0, 0));
  EXPECT_EQ(q.GetPixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(q.GetPixel(1, 0), RGB(255, 255, 255));
}

TEST(Bmp, SixteenBitsAndBitFieldsLoad) {
  TempDir d;
  auto e = Entete(2, 1, 16);  // 5-5-5
  lumaveil::testing::Ecrit(d.File("a.bmp"), Bmp(e, {}, {0x00, 0x7C, 0x1F, 0x00}));
  Bitmap a = CGraphique::ChargeImageBMP(d.File("a.bmp"));
  ASSERT_TRUE(a);
  EXPECT_EQ(a.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(a.GetPixel(1, 0), RGB(0, 0, 255));
  auto f = Entete(1, 1, 16);  // 5-6-5 through masks
  f.biCompression = talvik::dib::BI_BITFIELDS;
  lumaveil::testing::Ecrit(d.File("b.bmp"),
                Bmp(f, {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, {0xE0, 0x07, 0, 0}));
  Bitmap b = CGraphique::ChargeImageBMP(d.File("b.bmp"));
  ASSERT_TRUE(b);
  EXPECT_EQ(b.GetPixel(0, 0), RGB(0, 255, 0));
}

TEST(Bmp, RunLengthEncodedPicturesLoad) {
  TempDir d;
  const std::vector<std::uint8_t> couleurs = {0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};  // black, red, blue
  // 8 bits, 5 x 3: bottom row 3 red + 2 blue; next row absolute 1 2 1;
  // then a delta of (1, 1) and one red; end of picture.
  auto e = Entete(5, 3, 8);
  e.biCompression = talvik::dib::BI_RLE8;
  e.biClrUsed = 3;
  lumaveil::testing::Ecrit(d.File("r8.bmp"), Bmp(e, couleurs,
                                      {3, 1, 2, 2, 0, 0, 0, 3, 1, 2, 1, 0, 0, 2, 1, 1, 1, 1, 0, 1}));
  Bitmap b = CGraphique::ChargeImageBMP(d.File("r8.bmp"));
  ASSERT_TRUE(b);
  EXPECT_EQ(b.GetPixel(0, 2), RGB(255, 0, 0));
  EXPECT_EQ(b.GetPixel(3, 2), RGB(0, 0, 255));
  EXPECT_EQ(b.GetPixel(1, 1), RGB(0, 0, 255));
  EXPECT_EQ(b.GetPixel(2, 1), RGB(255, 0, 0));
  EXPECT_EQ(b.GetPixel(3, 1), RGB(0, 0, 0));  // skipped by the end of line
  EXPECT_EQ(b.GetPixel(4, 0), RGB(255, 0, 0));  // after the delta from (3, 1)
  EXPECT_EQ(b.GetPixel(0, 0), RGB(0, 0, 0));
  // 4 bits: a run alternating two indices, then runs past the width are cut.
  auto q = Entete(4, 1, 4);
  q.biCompression = talvik::dib::BI_RLE4;
  q.biClrUsed = 3;
  lumaveil::testing::Ecrit(d.File("r4.bmp"), Bmp(q, couleurs, {4, 0x12, 9, 0x22, 0, 1}));
  Bitmap c = CGraphique::ChargeImageBMP(d.File("r4.bmp"));
  ASSERT_TRUE(c);
  EXPECT_EQ(c.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(c.GetPixel(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(c.GetPixel(2, 0), RGB(255, 0, 0));
  // Codes running past the data or the picture stay inside both.
  lumaveil::testing::Ecrit(d.File("rx.bmp"), Bmp(e, couleurs, {0, 2, 250, 250, 200, 1, 0, 200, 1}));
  EXPECT_TRUE(CGraphique::ChargeImageBMP(d.File("rx.bmp")));
}

TEST(Bmp, MalformedFilesGiveNull) {
  TempDir d;
  const std::string chemin = d.File("m.bmp");
  ASSERT_EQ(CGraphique::SauveImageBMP(chemin, lumaveil::testing::Motif(10, 10)), 1);
  const auto bon = lumaveil::testing::Lit(chemin);
  auto essai = [&](std::vector<std::uint8_t> o, const char* quoi) {
    lumaveil::testing::Ecrit(chemin, o);
    EXPECT_FALSE(CGraphique::ChargeImageBMP(chemin)) << quoi;
  };
  auto o = bon;
  o[0] = 'X';
  essai(o, "not BM");
  essai(std::vector<std::uint8_t>(bon.begin(), bon.end() - 10), "truncated rows");
  essai(std::vector<std::uint8_t>(bon.begin(), bon.begin() + 30), "truncated header");
  essai({}, "empty");
  o = bon;
  talvik::dib::Ecrit32(&o[18], 100000);  // width
  talvik::dib::Ecrit32(&o[22], 100000);  // height: 10^10 pixels
  essai(o, "huge size");
  o = bon;
  talvik::dib::Ecrit32(&o[18], 0x80000000u);
  essai(o, "negative width");
  o = bon;
  talvik::dib::Ecrit16(&o[28], 8);
  talvik::dib::Ecrit32(&o[46], 1000000);  // colours used
  essai(o, "colour table past the end");
  o = bon;
  talvik::dib::Ecrit16(&o[28], 7);
  essai(o, "bit count 7");
  o = bon;
  talvik::dib::Ecrit32(&o[30], 1);  // RLE8 with 24 bits
  essai(o, "compressed 24 bits");
  o = bon;
  talvik::dib::Ecrit32(&o[14], 0xFFFFFFF0u);  // header size
  essai(o, "header size past the end");
  o = bon;
  talvik::dib::Ecrit32(&o[30], talvik::dib::BI_BITFIELDS);
  o.resize(54 + 4);
  essai(o, "bit fields without masks");
}

TEST(Bmp, PictureTooLargeIsRefusedWithAReason) {
  TempDir d;
  auto e = Entete(17000, 17000, 1);  // 2.9 x 10^8 pixels in 36 MB of rows
  std::vector<std::uint8_t> rangs(std::size_t(2128) * 17000);
  lumaveil::testing::Ecrit(d.File("g.bmp"), Bmp(e, {0, 0, 0, 0, 255, 255, 255, 0}, rangs));
  EXPECT_FALSE(CGraphique::ChargeImageBMP(d.File("g.bmp")));
  EXPECT_NE(std::string(Bitmap::LastCreateError()).find("too large"), std::string::npos);
}

TEST(PackedDib, HeaderAndBottomUpPaddedRows) {
  const Bitmap p = lumaveil::testing::Motif(5, 3);
  const talvik::PackedDib dib = CGraphique::LocalDDBToDIB(p, 0);
  ASSERT_EQ(dib.size(), 40u + 16 * 3);
  const auto e = talvik::dib::LitEntete(dib.data());
  EXPECT_EQ(e.biSize, 40u);
  EXPECT_EQ(e.biWidth, 5);
  EXPECT_EQ(e.biHeight, 3);
  EXPECT_EQ(e.biBitCount, 24);
  EXPECT_EQ(e.biSizeImage, 48u);
  EXPECT_EQ(dib[40 + 2], talvik::GetRValue(p.GetPixel(0, 2)));
  EXPECT_EQ(dib[40 + 16 + 3], talvik::GetBValue(p.GetPixel(1, 1)));
  EXPECT_TRUE(CGraphique::LocalDDBToDIB(p, 3).empty());
  EXPECT_TRUE(CGraphique::LocalDDBToDIB(Bitmap(), 0).empty());
}

TEST(Ecran, DefaultScreenAndInstalledQuery) {
  int bits = 0;
  EXPECT_EQ(CGraphique::RetourneTailleEcran(&bits), CSize(1024, 768));
  EXPECT_EQ(bits, 32);
  auto ancienne = CGraphique::InstalleRequeteEcran([](int& w, int& h, int& b) {
    w = 1920;
    h = 1080;
    b = 16;
    return true;
  });
  EXPECT_EQ(CGraphique::RetourneTailleEcran(&bits), CSize(1920, 1080));
  EXPECT_EQ(bits, 16);
  {
    lumaveil::testing::Messages m;
    EXPECT_EQ(CGraphique::MessageResolutionEcran(24), 1);
    ASSERT_EQ(m.recus.size(), 1u);
    EXPECT_EQ(m.recus[0].titre, "Erreur");
    EXPECT_NE(m.recus[0].texte.find("au minimun de 24."), std::string::npos);
    EXPECT_NE(m.recus[0].texte.find("configuré en 16 bpp"), std::string::npos);
  }
  CGraphique::InstalleRequeteEcran(ancienne);
  lumaveil::testing::Messages m;
  EXPECT_EQ(CGraphique::MessageResolutionEcran(24), 0);
  EXPECT_TRUE(m.recus.empty());
  CSize t;
  long b = 0;
  CGraphique::RecupereInfosImage(lumaveil::testing::Motif(7, 9), t, &b);
  EXPECT_EQ(t, CSize(7, 9));
  EXPECT_EQ(b, 32);
}
