// HEIF and AVIF files: the primary picture, the thumbnail item, alpha and
// the refusal of pictures too large to hold.
#include <gtest/gtest.h>

#include <cstring>

#include "codec/heif_lecture.h"
#include "codec/heif_taille_codee.h"
#include "fichiers_images_essai.h"
#include "graphique.h"
#include "heif_essai.h"
#include "images_comparees.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using talvik::COLORREF;
using talvik::GetBValue;
using talvik::GetGValue;
using talvik::GetRValue;
using talvik::RGB;
using lumaveil::testing::EcartMoyen;
using lumaveil::testing::kCoins;
using lumaveil::testing::EcritHeif;
using lumaveil::testing::OptionsHeif;
using lumaveil::testing::Quadrants;
using lumaveil::testing::TempDir;

namespace {


// Bits written most significant first, for rewriting a coded stream's
// header; exp-Golomb codes as HEVC writes them.
struct Ecrivain {
  std::vector<std::uint8_t> octets;
  int bits = 0;
  void Bit(int b) {
    if (bits % 8 == 0) octets.push_back(0);
    if (b) octets.back() |= std::uint8_t(0x80 >> (bits % 8));
    ++bits;
  }
  void Champ(std::uint64_t v, int n) {
    for (int i = n - 1; i >= 0; --i) Bit(int((v >> i) & 1));
  }
  void Golomb(std::uint64_t v) {
    int n = 0;
    while ((v + 1) >> (n + 1)) ++n;
    Champ(0, n);
    Champ(v + 1, n + 1);
  }
};

// Where the body of the first box of this type starts and how long it is.
bool TrouveBoite(const std::vector<std::uint8_t>& o, const char* type, std::size_t* corps,
                 std::size_t* taille) {
  for (std::size_t i = 4; i + 4 <= o.size(); ++i)
    if (std::memcmp(&o[i], type, 4) == 0) {
      const std::size_t n = std::size_t(o[i - 4]) << 24 | std::size_t(o[i - 3]) << 16 |
                            std::size_t(o[i - 2]) << 8 | o[i - 1];
      if (n < 8 || i - 4 + n > o.size()) return false;
      *corps = i + 4;
      *taille = n - 8;
      return true;
    }
  return false;
}

// The picture shrunk to w x h by area average, for comparing thumbnails.
Bitmap Reduite(const Bitmap& b, int w, int h) {
  return CGraphique::RedimensionneImage(b, talvik::CSize(w, h), 0);
}

}  // namespace

TEST(Heif, HeicAndAvifDecodeToThePictureCoded) {
  TempDir d;
  const Bitmap p = Quadrants(96, 64, kCoins);
  for (bool avif : {false, true}) {
    SCOPED_TRACE(avif ? "AVIF" : "HEIC");
    const std::string chemin = d.File(avif ? "q.avif" : "q.heic");
    OptionsHeif o;
    o.avif = avif;
    ASSERT_TRUE(EcritHeif(chemin, p, o));
    Bitmap lu = CGraphique::ChargeImage(chemin, 0);
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu.Width(), 96);
    EXPECT_EQ(lu.Height(), 64);
    EXPECT_LT(EcartMoyen(lu, p), 3.0);
    int w = 0, h = 0;
    ASSERT_TRUE(talvik::TailleHEIF(chemin, &w, &h));
    EXPECT_EQ(w, 96);
    EXPECT_EQ(h, 64);
  }
}

TEST(Heif, ThumbnailItemStandsForThePictureUpright) {
  TempDir d;
  const Bitmap p = Quadrants(320, 240, kCoins);
  // Stored sideways with a quarter turn to apply: the thumbnail is turned
  // with the picture, and both come 240 x 320.
  for (int orientation : {1, 6}) {
    SCOPED_TRACE(orientation);
    const std::string chemin = d.File("v" + std::to_string(orientation) + ".heic");
    OptionsHeif o;
    o.orientation = orientation;
    o.vignette = 64;
    ASSERT_TRUE(EcritHeif(chemin, p, o));
    const talvik::ImageJPEG tout = talvik::DecodeHEIF(chemin);
    const talvik::ImageJPEG v = talvik::DecodeVignetteHEIF(chemin);
    ASSERT_TRUE(tout.image);
    ASSERT_TRUE(v.image);
    const bool tourne = orientation == 6;
    EXPECT_EQ(tout.image.Width(), tourne ? 240 : 320);
    EXPECT_EQ(v.largeurFichier, tout.image.Width());
    EXPECT_EQ(v.hauteurFichier, tout.image.Height());
    EXPECT_EQ(std::max(v.image.Width(), v.image.Height()), 64);
    EXPECT_EQ(v.image.Width() > v.image.Height(), !tourne);
    EXPECT_EQ(v.reduction, 5);
    EXPECT_LT(EcartMoyen(v.image, Reduite(tout.image, v.image.Width(), v.image.Height())), 6.0);
  }
  // No thumbnail item: the picture itself must be decoded.
  ASSERT_TRUE(EcritHeif(d.File("sans.heic"), p));
  EXPECT_FALSE(talvik::DecodeVignetteHEIF(d.File("sans.heic")).image);
  EXPECT_FALSE(talvik::DecodeVignetteHEIF(d.File("absent.heic")).image);
}

TEST(Heif, AlphaIsDrawnOverBlack) {
  TempDir d;
  // Left half transparent, right half opaque (alpha in the fourth byte).
  Bitmap p = Bitmap::Create(64, 32, RGB(200, 180, 40));
  for (int y = 0; y < 32; ++y)
    for (int x = 32; x < 64; ++x) p.Row(y)[x] |= 0xFF000000u;
  OptionsHeif o;
  o.alpha = true;
  o.qualite = 95;
  ASSERT_TRUE(EcritHeif(d.File("a.heic"), p, o));
  Bitmap lu = CGraphique::ChargeImage(d.File("a.heic"), 0);
  ASSERT_TRUE(lu);
  const COLORREF gauche = lu.GetPixel(8, 16), droite = lu.GetPixel(56, 16);
  EXPECT_LT(GetRValue(gauche) + GetGValue(gauche) + GetBValue(gauche), 12);
  EXPECT_NEAR(GetRValue(droite), 200, 6);
  EXPECT_NEAR(GetGValue(droite), 180, 6);
  EXPECT_EQ(lu.Row(16)[56] >> 24, 0u);  // the unused byte stays 0
}

TEST(Heif, DeclaredSizeBeyondTheLimitIsRefusedBeforeDecoding) {
  TempDir d;
  ASSERT_TRUE(EcritHeif(d.File("petit.heic"), Quadrants(64, 64, kCoins)));
  // Every "ispe" box (the stored size) rewritten to 40000 x 40000.
  std::vector<std::uint8_t> o = lumaveil::testing::Lit(d.File("petit.heic"));
  int boites = 0;
  for (std::size_t i = 4; i + 16 <= o.size(); ++i)
    if (std::memcmp(&o[i], "ispe", 4) == 0) {
      for (std::size_t k : {i + 8, i + 12}) {
        o[k] = 0;
        o[k + 1] = 0;
        o[k + 2] = 0x9C;
        o[k + 3] = 0x40;
      }
      ++boites;
    }
  ASSERT_GT(boites, 0);
  lumaveil::testing::Ecrit(d.File("bombe.heic"), o);
  lumaveil::testing::Messages m;
  EXPECT_FALSE(CGraphique::ChargeImage(d.File("bombe.heic"), 1));
  EXPECT_NE(std::string(Bitmap::LastCreateError()), "");
  ASSERT_EQ(m.recus.size(), 1u);
  EXPECT_EQ(m.recus[0].texte, "Unable to load file");
  EXPECT_FALSE(talvik::DecodeVignetteHEIF(d.File("bombe.heic")).image);
}

TEST(Heif, CodedStreamSizeBeyondTheLimitIsRefusedBeforeDecoding) {
  // The decoders size their frames from the coded stream's own header, not
  // from "ispe": a file whose stream declares 57343 x 65535 behind a small
  // ispe once made the HEVC decoder ask for gigabytes.
  TempDir d;
  for (bool avif : {false, true}) {
    SCOPED_TRACE(avif ? "AVIF" : "HEIC");
    OptionsHeif opt;
    opt.avif = avif;
    const std::string chemin = d.File(avif ? "petit.avif" : "petit.heic");
    ASSERT_TRUE(EcritHeif(chemin, Quadrants(96, 64, kCoins), opt));
    std::vector<std::uint8_t> o = lumaveil::testing::Lit(chemin);
    // HEVC keeps its sequence parameter set in hvcC; AV1 its sequence
    // header at the start of the item's data (after a temporal delimiter).
    std::size_t corps = 0, taille = 0;
    ASSERT_TRUE(TrouveBoite(o, avif ? "mdat" : "hvcC", &corps, &taille));
    std::int64_t l = 0, h = 0;
    const auto lit = avif ? talvik::heif::TailleObus : talvik::heif::TailleHvcC;
    ASSERT_TRUE(lit(&o[corps], taille, &l, &h));
    EXPECT_EQ(l, 96);
    EXPECT_EQ(h, 64);

    // The stream's header rewritten in place, at its own length.
    Ecrivain e;
    std::size_t debut = 0, longueur = 0;
    if (avif) {
      // A sequence header (reduced still-picture form) of 65536 x 65536.
      std::size_t p = corps;
      if (o[p] == 0x12) p += 2;
      ASSERT_EQ(o[p], 0x0A);  // OBU type 1, size field present
      debut = p + 2;
      longueur = o[p + 1];
      ASSERT_GE(longueur, 7u);
      e.Champ(0, 3), e.Champ(1, 1), e.Champ(1, 1), e.Champ(31, 5);
      e.Champ(15, 4), e.Champ(15, 4), e.Champ(65535, 16), e.Champ(65535, 16);
    } else {
      // The sequence parameter set: the first NAL of the array of type 33.
      std::size_t p = corps + 23;
      for (int a = 0; a < o[corps + 22] && !longueur; ++a) {
        const int type = o[p] & 0x3F, unites = o[p + 1] << 8 | o[p + 2];
        p += 3;
        for (int u = 0; u < unites; ++u) {
          const std::size_t n = std::size_t(o[p]) << 8 | o[p + 1];
          if (type == 33 && !longueur) debut = p + 2, longueur = n;
          p += 2 + n;
        }
      }
      ASSERT_GT(longueur, 20u);
      e.Champ(0x4201, 16);  // NAL header: SPS
      e.Champ(0, 4), e.Champ(0, 3), e.Champ(1, 1), e.Champ(0x01600000, 32), e.Champ(0, 64);
      e.Golomb(0), e.Golomb(1), e.Golomb(57343), e.Golomb(65535);
    }
    while (e.octets.size() < longueur) e.Bit(1);
    ASSERT_EQ(e.octets.size(), longueur);
    std::copy(e.octets.begin(), e.octets.end(), o.begin() + long(debut));
    ASSERT_TRUE(lit(&o[corps], taille, &l, &h));
    EXPECT_GT(l * h, talvik::kMaxPixels);

    const std::string bombe = d.File(avif ? "bombe.avif" : "bombe.heic");
    lumaveil::testing::Ecrit(bombe, o);
    EXPECT_FALSE(talvik::heif::TaillesCodeesAdmises(o.data(), o.size(), talvik::kMaxPixels,
                                                    1 << 17));
    EXPECT_FALSE(CGraphique::ChargeImage(bombe, 0));
    EXPECT_FALSE(talvik::DecodeVignetteHEIF(bombe).image);
  }
}

TEST(Heif, DamagedFilesGiveNull) {
  TempDir d;
  ASSERT_TRUE(EcritHeif(d.File("bon.heic"), Quadrants(64, 48, kCoins)));
  const std::vector<std::uint8_t> bon = lumaveil::testing::Lit(d.File("bon.heic"));
  for (std::size_t n : {std::size_t(0), std::size_t(16), bon.size() / 2, bon.size() - 10}) {
    lumaveil::testing::Ecrit(d.File("coupe.heic"), std::vector<std::uint8_t>(bon.begin(), bon.begin() + long(n)));
    EXPECT_FALSE(CGraphique::ChargeImage(d.File("coupe.heic"), 0)) << n;
  }
}
