// Colour profiles: a Display P3 photo in every container that carries a
// profile (JPEG in one APP2 segment or several, PNG iCCP, TIFF, HEIF colr
// ICC and nclx, WebP ICCP) comes out within ΔE76 3 of ImageMagick's
// conversion to sRGB; an sRGB profile, or none, leaves the pixels exactly.
#include <gtest/gtest.h>

#include <lcms2.h>

#include <cmath>
#include <cstring>

#include "colour/profil_couleur.h"
#include "fichiers_images_essai.h"
#include "graphique.h"
#include "heif_essai.h"
#include "images_comparees.h"
#include "outils_externes.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using lumaveil::testing::Cite;
using lumaveil::testing::Lance;
using lumaveil::testing::LuParImageMagick;
using lumaveil::testing::TempDir;

namespace {

struct Lab {
  double l, a, b;
};

Lab VersLab(talvik::COLORREF c) {
  auto lin = [](int v) {
    const double x = v / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  const double r = lin(talvik::GetRValue(c)), g = lin(talvik::GetGValue(c)),
               b = lin(talvik::GetBValue(c));
  const double X = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  const double Y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double Z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
  return {116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
}

// Mean ΔE76 between two pictures of the same size.
double DeltaEMoyen(const Bitmap& p, const Bitmap& q) {
  double somme = 0;
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) {
      const Lab a = VersLab(p.GetPixel(x, y)), b = VersLab(q.GetPixel(x, y));
      somme += std::sqrt((a.l - b.l) * (a.l - b.l) + (a.a - b.a) * (a.a - b.a) +
                         (a.b - b.b) * (a.b - b.b));
    }
  return somme / (double(p.Width()) * p.Height());
}

// Display P3 (P3 primaries, D65 white, the sRGB curve) and sRGB profiles
// written with Little CMS.
bool EcritProfils(const std::string& p3, const std::string& srgb) {
  const cmsCIExyY blanc{0.3127, 0.3290, 1.0};
  const cmsCIExyYTRIPLE primaires{{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}};
  const cmsFloat64Number parametres[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
  cmsToneCurve* courbe = cmsBuildParametricToneCurve(nullptr, 4, parametres);
  cmsToneCurve* courbes[3] = {courbe, courbe, courbe};
  cmsHPROFILE profil = cmsCreateRGBProfile(&blanc, &primaires, courbes);
  cmsHPROFILE s = cmsCreate_sRGBProfile();
  const bool ok = profil && s && cmsSaveProfileToFile(profil, p3.c_str()) &&
                  cmsSaveProfileToFile(s, srgb.c_str());
  if (profil) cmsCloseProfile(profil);
  if (s) cmsCloseProfile(s);
  cmsFreeToneCurve(courbe);
  return ok;
}

class ProfilCouleur : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EcritProfils(d_.File("p3.icc"), d_.File("srgb.icc")));
    // Saturated colours, where P3 and sRGB differ most.
    photo_ = d_.File("photo.png");
    ASSERT_TRUE(Lance("convert -size 120x80 gradient:'#ff2000'-'#0030ff' \\( -size 120x80 "
                      "gradient:'#00ff40'-'#ffe000' -rotate 90 -resize 120x80! \\) -compose "
                      "blend -define compose:args=50 -composite " + Cite(photo_)));
    brute_ = CGraphique::ChargeImagePNG(photo_);
    ASSERT_TRUE(brute_);
  }
  // The photo with a profile assigned (not converted), in this file.
  std::string Assigne(const std::string& nom, const std::string& profil,
                      const std::string& options = "") {
    const std::string chemin = d_.File(nom);
    return Lance("convert " + Cite(photo_) + " " + options + " -profile " + Cite(d_.File(profil)) +
                 " " + Cite(chemin))
               ? chemin
               : "";
  }
  TempDir d_;
  std::string photo_;
  Bitmap brute_;
};

}  // namespace

TEST_F(ProfilCouleur, DisplayP3PhotoMatchesImageMagicksConversionInEveryContainer) {
  const std::string jpeg = Assigne("p3.jpg", "p3.icc", "-quality 97");
  const std::string png = Assigne("p3.png", "p3.icc");
  const std::string tiff = Assigne("p3.tif", "p3.icc");
  ASSERT_FALSE(jpeg.empty() || png.empty() || tiff.empty());
  const std::string heifIcc = d_.File("p3.heic"), webp = d_.File("p3.webp"),
                    heifNclx = d_.File("nclx.heic");
  ASSERT_TRUE(Lance("heif-enc -q 97 -o " + Cite(heifIcc) + " " + Cite(png)));
  ASSERT_TRUE(Lance("cwebp -quiet -q 97 -metadata icc " + Cite(png) + " -o " + Cite(webp)));
  // An nclx box naming the Display P3 primaries (H.273 code 12).
  lumaveil::testing::OptionsHeif nclx;
  nclx.qualite = 97;
  nclx.primairesNclx = 12;
  ASSERT_TRUE(lumaveil::testing::EcritHeif(heifNclx, brute_, nclx));
  // ImageMagick's conversion of the P3 photo to sRGB: the reference for all.
  const Bitmap reference = LuParImageMagick(png, "-profile " + Cite(d_.File("srgb.icc")));
  ASSERT_TRUE(reference);
  // The photo's values taken as sRGB are far from it: a reader that
  // ignored the profile would fail.
  ASSERT_GT(DeltaEMoyen(brute_, reference), 6.0);
  for (const std::string& chemin : {jpeg, png, tiff, heifIcc, webp, heifNclx}) {
    SCOPED_TRACE(chemin);
    const Bitmap lu = CGraphique::ChargeImage(chemin, 0);
    ASSERT_TRUE(lu);
    EXPECT_LE(DeltaEMoyen(lu, reference), 3.0);
  }
}

TEST_F(ProfilCouleur, ProfileSplitOverSeveralJpegSegmentsIsReassembled) {
  // A profile padded past one segment (ImageMagick splits profiles of more
  // than 65519 bytes): the P3 profile with a large private tag.
  cmsHPROFILE p = cmsOpenProfileFromFile(d_.File("p3.icc").c_str(), "r");
  ASSERT_TRUE(p);
  std::vector<std::uint8_t> bourrage(150000, 0x5A);
  // An unknown tag of raw bytes ('data' type would need a header: keep it raw).
  ASSERT_TRUE(cmsWriteRawTag(p, cmsTagSignature(0x7A7A7A7A), bourrage.data(),
                             cmsUInt32Number(bourrage.size())));
  ASSERT_TRUE(cmsSaveProfileToFile(p, d_.File("gros.icc").c_str()));
  cmsCloseProfile(p);
  const std::string chemin = Assigne("gros.jpg", "gros.icc", "-quality 97");
  ASSERT_FALSE(chemin.empty());
  // Three APP2 segments at least.
  const std::vector<std::uint8_t> octets = lumaveil::testing::Lit(chemin);
  int segments = 0;
  for (std::size_t i = 0; i + 16 < octets.size(); ++i)
    if (octets[i] == 0xFF && octets[i + 1] == 0xE2 && std::memcmp(&octets[i + 4], "ICC_PROFILE", 11) == 0)
      ++segments;
  ASSERT_GE(segments, 3);
  const Bitmap reference = LuParImageMagick(chemin, "-profile " + Cite(d_.File("srgb.icc")));
  const Bitmap lu = CGraphique::ChargeImage(chemin, 0);
  ASSERT_TRUE(lu);
  ASSERT_TRUE(reference);
  EXPECT_LE(DeltaEMoyen(lu, reference), 3.0);
  // One segment missing: the profile is incomplete and not used.
  std::vector<std::uint8_t> abime = octets;
  for (std::size_t i = 0; i + 16 < abime.size(); ++i)
    if (abime[i] == 0xFF && abime[i + 1] == 0xE2 && abime[i + 16] == 2) {
      abime[i + 4] = 'X';  // no longer an ICC_PROFILE segment
      break;
    }
  lumaveil::testing::Ecrit(d_.File("incomplet.jpg"), abime);
  const Bitmap sans = CGraphique::ChargeImage(d_.File("incomplet.jpg"), 0);
  ASSERT_TRUE(sans);
  EXPECT_GT(DeltaEMoyen(sans, reference), 4.0);
}

TEST_F(ProfilCouleur, SrgbProfileOrNoneLeavesEveryPixelAsStored) {
  for (const char* nom : {"s.png", "s.jpg", "s.tif"}) {
    SCOPED_TRACE(nom);
    const std::string sans = d_.File(std::string("sans-") + nom);
    ASSERT_TRUE(Lance("convert " + Cite(photo_) + " -quality 95 " + Cite(sans)));
    const std::string avec = Assigne(nom, "srgb.icc", "-quality 95");
    ASSERT_FALSE(avec.empty());
    const Bitmap a = CGraphique::ChargeImage(avec, 0), b = CGraphique::ChargeImage(sans, 0);
    ASSERT_TRUE(a);
    ASSERT_TRUE(b);
    EXPECT_TRUE(lumaveil::testing::MemesPixels(a, b));
  }
  // The same directly: a damaged profile or one of another space changes nothing.
  Bitmap image = brute_.Clone();
  const std::vector<std::uint8_t> abime(400, 0x41);
  EXPECT_FALSE(talvik::couleur::ProfilVersSRGB(image, abime.data(), abime.size()));
  EXPECT_TRUE(lumaveil::testing::MemesPixels(image, brute_));
  EXPECT_TRUE(talvik::couleur::NclxVersSRGB(image, 1, 13));
  EXPECT_FALSE(talvik::couleur::NclxVersSRGB(image, 200, 13));
  EXPECT_TRUE(lumaveil::testing::MemesPixels(image, brute_));
}
