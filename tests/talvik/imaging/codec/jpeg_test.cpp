// JPEG files and the JpegFile helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <jpeglib.h>

#include "base/arret.h"
#include "base/message.h"
#include "bombe_jpeg_essai.h"
#include "codec/jpeg_codage.h"
#include "codec/jpeg_lecture.h"
#include "codec/jpegfile.h"
#include "fichiers_images_essai.h"
#include "graphique.h"
#include "pic_memoire.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::JpegFile;
using talvik::RGB;
using lumaveil::testing::TempDir;

namespace {

// Number of components and colour space written in a JPEG file.
int Composantes(const std::string& chemin) {
  std::FILE* f = std::fopen(chemin.c_str(), "rb");
  if (!f) return -1;
  jpeg_decompress_struct c;
  jpeg_error_mgr e;
  c.err = jpeg_std_error(&e);
  jpeg_create_decompress(&c);
  jpeg_stdio_src(&c, f);
  jpeg_read_header(&c, TRUE);
  const int n = c.num_components;
  jpeg_destroy_decompress(&c);
  std::fclose(f);
  return n;
}

Bitmap Degrade(int w, int h) {
  Bitmap b = Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, RGB(talvik::BYTE(x * 255 / w), talvik::BYTE(y * 255 / h), 128));
  return b;
}

}  // namespace

TEST(Jpeg, SavedPictureLoadsBackCloseAtGoodQuality) {
  TempDir d;
  const Bitmap p = Degrade(160, 120);
  ASSERT_EQ(CGraphique::SauveImageJPEG(d.File("a.jpg"), p, 90), 1);
  EXPECT_EQ(Composantes(d.File("a.jpg")), 3);
  Bitmap r = CGraphique::ChargeImageJPEG(d.File("a.jpg"));
  ASSERT_TRUE(r);
  EXPECT_LE(lumaveil::testing::EcartMax(r, p), 12);
  unsigned w = 0, h = 0;
  EXPECT_EQ(JpegFile::GetJPGDimensions(d.File("a.jpg"), &w, &h), 1);
  EXPECT_EQ(w, 160u);
  EXPECT_EQ(h, 120u);
}

TEST(Jpeg, ReducedDecodingGivesTheShrunkPicture) {
  TempDir d;
  const Bitmap p = Degrade(203, 101);  // not a multiple of the block size
  ASSERT_EQ(CGraphique::SauveImageJPEG(d.File("a.jpg"), p, 95), 1);
  const Bitmap complet = CGraphique::ChargeImageJPEG(d.File("a.jpg"));
  ASSERT_TRUE(complet);
  for (int r : {1, 2, 4, 8}) {
    talvik::ImageJPEG lu = talvik::DecodeJPEG(d.File("a.jpg"), r);
    ASSERT_TRUE(lu.image) << r;
    EXPECT_EQ(lu.reduction, r);
    EXPECT_EQ(lu.largeurFichier, 203);
    EXPECT_EQ(lu.hauteurFichier, 101);
    EXPECT_EQ(lu.image.Width(), (203 + r - 1) / r);
    EXPECT_EQ(lu.image.Height(), (101 + r - 1) / r);
    // Each reduced pixel is the mean of the r x r block it stands for, and
    // the unused byte stays 0.
    for (int y = 0; y + 1 < lu.image.Height(); y += 3)
      for (int x = 0; x + 1 < lu.image.Width(); x += 3) {
        ASSERT_EQ(lu.image.Row(y)[x] >> 24, 0u);
        int somme[3] = {0, 0, 0};
        for (int j = 0; j < r; ++j)
          for (int i = 0; i < r; ++i)
            for (int k = 0; k < 3; ++k) somme[k] += int((complet.Row(y * r + j)[x * r + i] >> (8 * k)) & 0xFF);
        for (int k = 0; k < 3; ++k)
          ASSERT_NEAR(int((lu.image.Row(y)[x] >> (8 * k)) & 0xFF), somme[k] / (r * r), 6)
              << "reduction " << r << " at " << x << "," << y;
      }
  }
  // Any other factor decodes whole; the header alone gives the size.
  EXPECT_EQ(talvik::DecodeJPEG(d.File("a.jpg"), 3).image.Width(), 203);
  int w = 0, h = 0;
  EXPECT_TRUE(talvik::TailleJPEG(d.File("a.jpg"), &w, &h));
  EXPECT_EQ(w, 203);
  EXPECT_EQ(h, 101);
  EXPECT_FALSE(talvik::TailleJPEG(d.File("absent.jpg"), &w, &h));
  EXPECT_FALSE(talvik::DecodeJPEG(d.File("absent.jpg"), 2).image);
}

TEST(Jpeg, QualityOutsideZeroToHundredWritesNoFile) {
  TempDir d;
  const Bitmap p = Degrade(16, 16);
  EXPECT_EQ(CGraphique::SauveImageJPEG(d.File("a.jpg"), p, 101), 0);
  EXPECT_EQ(CGraphique::SauveImageJPEG(d.File("b.jpg"), p, -1), 0);
  EXPECT_EQ(CGraphique::SauveImageJPEG("", p, 75), 0);
  EXPECT_EQ(CGraphique::SauveImageJPEG(d.File("c.jpg"), Bitmap(), 75), 0);
  EXPECT_FALSE(lumaveil::testing::Existe(d.File("a.jpg")));
  EXPECT_FALSE(lumaveil::testing::Existe(d.File("b.jpg")));
  EXPECT_FALSE(lumaveil::testing::Existe(d.File("c.jpg")));
  EXPECT_EQ(CGraphique::SauveImageJPEG(d.File("d.jpg"), p, 0), 1);
  EXPECT_EQ(CGraphique::SauveImageJPEG(d.File("e.jpg"), p, 100), 1);
  EXPECT_EQ(CGraphique::SauveImageJPEG(d.File("no/such/dir.jpg"), p, 75), 0);
}

TEST(Jpeg, MemoryAndFileEncodingGiveTheSameBytes) {
  // A noisy picture compresses badly: its JPEG spans several output blocks.
  const unsigned w = 512, h = 384;
  std::vector<std::uint8_t> rgb(w * h * 3);
  std::uint32_t graine = 12345;
  for (auto& o : rgb) {
    graine = graine * 1103515245u + 12345u;
    o = std::uint8_t(graine >> 24);
  }
  talvik::jpeg::Lignes l;
  l.premiere = rgb.data();
  l.pas = w * 3;
  l.largeur = w;
  l.hauteur = h;
  const std::vector<std::uint8_t> memoire = talvik::jpeg::CodeEnMemoire(l, 95);
  ASSERT_GT(memoire.size(), 65536u * 2);
  TempDir d;
  ASSERT_EQ(JpegFile::RGBToJpegFile(d.File("f.jpg"), rgb.data(), w, h, 1, 95), 1);
  EXPECT_EQ(lumaveil::testing::Lit(d.File("f.jpg")), memoire);
  l.hauteur = 0;
  EXPECT_TRUE(talvik::jpeg::CodeEnMemoire(l, 95).empty());
}

TEST(Jpeg, GreyscaleFileIsOneComponentAndLoadsGrey) {
  TempDir d;
  const Bitmap p = Degrade(40, 30);
  std::vector<std::uint8_t> rgb(40 * 30 * 3);
  for (int i = 0; i < 40 * 30; ++i) {
    rgb[3 * i] = talvik::GetRValue(talvik::ColorFromPixel(p.Pixels()[i]));
    rgb[3 * i + 1] = talvik::GetGValue(talvik::ColorFromPixel(p.Pixels()[i]));
    rgb[3 * i + 2] = talvik::GetBValue(talvik::ColorFromPixel(p.Pixels()[i]));
  }
  ASSERT_EQ(JpegFile::RGBToJpegFile(d.File("g.jpg"), rgb.data(), 40, 30, 0, 90), 1);
  EXPECT_EQ(Composantes(d.File("g.jpg")), 1);
  Bitmap g = CGraphique::ChargeImageJPEG(d.File("g.jpg"));
  ASSERT_TRUE(g);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const auto c = g.GetPixel(x, y);
      ASSERT_EQ(talvik::GetRValue(c), talvik::GetGValue(c));
      ASSERT_EQ(talvik::GetGValue(c), talvik::GetBValue(c));
    }
  // Grey of (x, y, 128) = 0.299 x + 0.587 y + 14.6, within the JPEG error.
  const auto c = g.GetPixel(20, 15);
  EXPECT_NEAR(talvik::GetRValue(c), 0.299 * (20 * 255 / 40) + 0.587 * (15 * 255 / 30) + 0.114 * 128, 6);
  EXPECT_EQ(JpegFile::RGBToJpegFile(d.File("x.jpg"), nullptr, 40, 30, 1, 90), 0);
  EXPECT_EQ(JpegFile::RGBToJpegFile(d.File("x.jpg"), rgb.data(), 0, 30, 1, 90), 0);
}

TEST(Jpeg, DamagedAndTruncatedFilesGiveNull) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImageJPEG(d.File("a.jpg"), Degrade(200, 150), 80), 1);
  const auto bon = lumaveil::testing::Lit(d.File("a.jpg"));
  lumaveil::testing::Messages m;  // the JPEG boxes go to the hook, not to the test's output
  lumaveil::testing::Ecrit(d.File("t.jpg"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + bon.size() / 2));
  EXPECT_FALSE(CGraphique::ChargeImageJPEG(d.File("t.jpg")));
  lumaveil::testing::Ecrit(d.File("h.jpg"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + 100));
  EXPECT_FALSE(CGraphique::ChargeImageJPEG(d.File("h.jpg")));
  EXPECT_FALSE(m.recus.empty());
  EXPECT_EQ(m.recus.back().titre, "JPEG Fatal Error");
  lumaveil::testing::Ecrit(d.File("z.jpg"), std::vector<std::uint8_t>(5000, 0x41));
  EXPECT_FALSE(CGraphique::ChargeImageJPEG(d.File("z.jpg")));
  auto o = bon;
  for (std::size_t i = 20; i < 200 && i < o.size(); ++i) o[i] = std::uint8_t(i * 37);
  lumaveil::testing::Ecrit(d.File("c.jpg"), o);
  CGraphique::ChargeImageJPEG(d.File("c.jpg"));  // may decode garbage; must not crash
  unsigned w = 9, h = 9;
  EXPECT_FALSE(JpegFile::JpegFileToRGB(d.File("missing.jpg"), &w, &h));
  EXPECT_EQ(w, 0u);
  EXPECT_EQ(h, 0u);
  const auto avant = m.recus.size();
  EXPECT_EQ(JpegFile::GetJPGDimensions(d.File("missing.jpg"), &w, &h), 0);
  ASSERT_EQ(m.recus.size(), avant + 1);
  EXPECT_EQ(m.recus.back().texte, "JPEG :\nCan't open " + d.File("missing.jpg") + "\n");
}

TEST(Jpeg, DataEndingBeforeThePictureGivesNullWithoutFillingTheRest) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImageJPEG(d.File("a.jpg"), Degrade(64, 48), 80), 1);
  const auto bon = lumaveil::testing::Lit(d.File("a.jpg"));
  lumaveil::testing::Messages m;
  // The scan data cut in the middle and closed by an end-of-image marker.
  const std::uint8_t sos[] = {0xFF, 0xDA};
  const auto debutDonnees = std::search(bon.begin(), bon.end(), std::begin(sos), std::end(sos));
  ASSERT_NE(debutDonnees, bon.end());
  std::vector<std::uint8_t> coupe(bon.begin(), debutDonnees + (bon.end() - debutDonnees) / 3);
  coupe.push_back(0xFF);
  coupe.push_back(0xD9);
  lumaveil::testing::Ecrit(d.File("eoi.jpg"), coupe);
  EXPECT_FALSE(CGraphique::ChargeImageJPEG(d.File("eoi.jpg")));
  unsigned w = 0, h = 0;
  EXPECT_FALSE(JpegFile::JpegFileToRGB(d.File("eoi.jpg"), &w, &h));
  // The same few bytes declaring 16384 x 16384 (2^28 pixels, a 1 GiB
  // picture): refused without the rows past the data being made.
  const std::uint8_t sof[] = {0xFF, 0xC0, 0x00, 0x11};
  const auto entete = std::search(coupe.begin(), coupe.end(), std::begin(sof), std::end(sof));
  ASSERT_NE(entete, coupe.end());
  entete[5] = 0x40;  // height 0x4000
  entete[6] = 0x00;
  entete[7] = 0x40;  // width 0x4000
  entete[8] = 0x00;
  lumaveil::testing::Ecrit(d.File("huge.jpg"), coupe);
  Bitmap p;
  talvik::TamponOctets rgb;
  const long croissance = lumaveil::testing::CroissancePicMemoireKo([&] {
    p = CGraphique::ChargeImageJPEG(d.File("huge.jpg"));
    rgb = JpegFile::JpegFileToRGB(d.File("huge.jpg"), &w, &h);
  });
  EXPECT_FALSE(p);
  EXPECT_FALSE(rgb);
  if (croissance < 0) GTEST_SKIP() << "peak memory not measurable here";
  EXPECT_LT(croissance, 256 * 1024);
}

TEST(Jpeg, SegmentsSkippedAcrossReadBlocksOrPastTheEnd) {
  TempDir d;
  ASSERT_EQ(CGraphique::SauveImageJPEG(d.File("a.jpg"), Degrade(40, 30), 90), 1);
  const auto bon = lumaveil::testing::Lit(d.File("a.jpg"));
  const Bitmap attendu = CGraphique::ChargeImageJPEG(d.File("a.jpg"));
  ASSERT_TRUE(attendu);
  // Two comments of 65000 bytes after the start marker: the reader skips
  // them across its blocks of the file and decodes the same picture.
  std::vector<std::uint8_t> long_(bon.begin(), bon.begin() + 2);
  for (int k = 0; k < 2; ++k) {
    const std::uint8_t com[] = {0xFF, 0xFE, 0xFD, 0xEA};  // length 65002
    long_.insert(long_.end(), std::begin(com), std::end(com));
    long_.insert(long_.end(), 65000, std::uint8_t('c'));
  }
  long_.insert(long_.end(), bon.begin() + 2, bon.end());
  lumaveil::testing::Ecrit(d.File("long.jpg"), long_);
  EXPECT_TRUE(lumaveil::testing::MemesPixels(CGraphique::ChargeImageJPEG(d.File("long.jpg")), attendu));
  // The same file cut inside the second comment fails.
  lumaveil::testing::Messages m;
  long_.resize(70000);
  lumaveil::testing::Ecrit(d.File("cut.jpg"), long_);
  EXPECT_FALSE(CGraphique::ChargeImageJPEG(d.File("cut.jpg")));
  int w = 0, h = 0;
  EXPECT_FALSE(talvik::TailleJPEG(d.File("cut.jpg"), &w, &h));
}

TEST(JpegTampons, PaddingRoundTripAndRowFlip) {
  const unsigned w = 5, h = 3;
  std::vector<std::uint8_t> rgb(w * h * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = std::uint8_t(i);
  unsigned pas = 0;
  auto padded = JpegFile::MakeDwordAlignedBuf(rgb.data(), w, h, &pas);
  ASSERT_TRUE(padded);
  EXPECT_EQ(pas, 16u);
  EXPECT_EQ(padded[16], rgb[15]);
  auto packed = JpegFile::RGBFromDWORDAligned(padded.get(), w, pas, h);
  ASSERT_TRUE(packed);
  EXPECT_TRUE(std::equal(rgb.begin(), rgb.end(), packed.get()));

  std::vector<std::uint8_t> f = rgb;
  ASSERT_EQ(JpegFile::VertFlipBuf(f.data(), w * 3, h), 1);
  EXPECT_TRUE(std::equal(f.begin(), f.begin() + 15, rgb.begin() + 30));
  EXPECT_TRUE(std::equal(f.begin() + 15, f.begin() + 30, rgb.begin() + 15));  // middle row stays
  ASSERT_EQ(JpegFile::VertFlipBuf(f.data(), w * 3, h), 1);
  EXPECT_EQ(f, rgb);
  EXPECT_EQ(JpegFile::VertFlipBuf(nullptr, 3, 3), 0);
}

TEST(JpegTampons, ChannelSwapAndGrey) {
  std::vector<std::uint8_t> p = {10, 20, 30, 200, 100, 50};
  ASSERT_EQ(JpegFile::BGRFromRGB(p.data(), 2, 1), 1);
  EXPECT_EQ(p, (std::vector<std::uint8_t>{30, 20, 10, 50, 100, 200}));
  ASSERT_EQ(JpegFile::MakeGrayScale(p.data(), 2, 1), 1);
  // 0.299 x 30 + 0.587 x 20 + 0.114 x 10 = 21.71; 14.95 + 58.7 + 22.8 = 96.45
  EXPECT_EQ(p, (std::vector<std::uint8_t>{21, 21, 21, 96, 96, 96}));
  EXPECT_EQ(JpegFile::BGRFromRGB(nullptr, 2, 1), 0);
  EXPECT_EQ(JpegFile::MakeGrayScale(nullptr, 2, 1), 0);
}

// A decoding whose thread is asked to stop gives up at its next step, in
// the middle of a file that would keep it busy for many seconds, without a
// message (the one who asked does not want the picture); other threads and
// a lowered flag are not affected.
TEST(Jpeg, AStopRequestEndsADecodingBetweenItsScansSilently) {
  TempDir dossier;
  const std::string bombe = dossier.File("bombe.jpg"), saine = dossier.File("saine.jpg");
  ASSERT_TRUE(lumaveil::testing::EcritBombeJPEG(bombe, 4096, 4096, 3000));
  ASSERT_EQ(CGraphique::SauveImageJPEG(saine, Bitmap::Create(64, 48, RGB(10, 200, 30)), 90), 1);

  std::atomic<bool> arret{false};
  talvik::CMessagesRetenus retenus;
  {
    const talvik::CArretFil fil(arret);
    EXPECT_TRUE(talvik::DecodeJPEG(saine).image);  // flag lowered: decodes
    std::thread leveur([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      arret = true;
    });
    const talvik::ImageJPEG lu = talvik::DecodeJPEG(bombe, 8);
    leveur.join();
    EXPECT_FALSE(lu.image);
    unsigned w = 1, h = 1;
    EXPECT_EQ(JpegFile::JpegFileToRGB(saine, &w, &h), nullptr);  // raised before: no start
    EXPECT_EQ(w, 0u);
  }
  // Another thread, and this one once its flag is gone, decode as before.
  bool ailleurs = false;
  std::thread autre([&] {
    const talvik::CArretFil fil(arret);  // raised, then replaced by its own
    std::atomic<bool> propre{false};
    const talvik::CArretFil interieur(propre);
    ailleurs = bool(talvik::DecodeJPEG(saine).image);
  });
  autre.join();
  EXPECT_TRUE(ailleurs);
  EXPECT_TRUE(talvik::DecodeJPEG(saine).image);
  EXPECT_TRUE(retenus.Prend().empty());
}
