// The JPEG read at one eighth from its DC coefficients on two threads:
// the same picture as libjpeg's own reduction wherever libjpeg takes the
// DC coefficients too, close to it elsewhere, and null (for libjpeg to
// try) on files it does not handle.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "codec/jpeg_huitieme.h"
#include "dossier_temporaire.h"

namespace talvik {
namespace {

struct Options {
  int h = 2, v = 2;        // sampling of the luminance
  unsigned intervalle = 0;  // restart interval, MCUs
  bool progressif = false;
  bool gris = false;
  int qualite = 90;
};

// Writes `b` with libjpeg as a camera or an editor might.
bool Ecrit(const std::string& chemin, const Bitmap& b, const Options& o) {
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return false;
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = JDIMENSION(b.Width());
  c.image_height = JDIMENSION(b.Height());
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  if (o.gris) jpeg_set_colorspace(&c, JCS_GRAYSCALE);
  jpeg_set_quality(&c, o.qualite, TRUE);
  c.comp_info[0].h_samp_factor = o.h;
  c.comp_info[0].v_samp_factor = o.v;
  c.restart_interval = o.intervalle;
  if (o.progressif) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> ligne(std::size_t(b.Width()) * 3);
  while (c.next_scanline < c.image_height) {
    const std::uint32_t* p = b.Row(int(c.next_scanline));
    for (int x = 0; x < b.Width(); ++x) {
      ligne[std::size_t(x) * 3] = JSAMPLE(p[x] >> 16);
      ligne[std::size_t(x) * 3 + 1] = JSAMPLE(p[x] >> 8);
      ligne[std::size_t(x) * 3 + 2] = JSAMPLE(p[x]);
    }
    JSAMPROW r = ligne.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return std::fclose(f) == 0;
}

// Smooth shading with grain, as a photo: dense enough data for the two
// threads to share it.
Bitmap Photo(int w, int h) {
  Bitmap b = Bitmap::Create(w, h);
  std::uint32_t s = 2024u;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s = s * 1664525u + 1013904223u;
      const int grain = int((s >> 24) & 31) - 16;
      auto borne = [](int v) { return std::uint32_t(v < 0 ? 0 : v > 255 ? 255 : v); };
      const int r = 128 + (x * 97 / w) - (y * 60 / h) + grain;
      const int g = 90 + (y * 120 / h) + grain;
      const int bl = 200 - (x * 150 / w) + grain / 2;
      b.Row(y)[x] = borne(r) << 16 | borne(g) << 8 | borne(bl);
    }
  return b;
}

struct Ecart {
  double moyen = 0;
  int max = 0;
};
Ecart Compare(const Bitmap& a, const Bitmap& b) {
  Ecart e;
  double somme = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      for (int k = 0; k < 24; k += 8) {
        const int d = std::abs(int((a.Row(y)[x] >> k) & 0xFF) - int((b.Row(y)[x] >> k) & 0xFF));
        somme += d;
        if (d > e.max) e.max = d;
      }
  e.moyen = somme / (3.0 * double(a.PixelCount()));
  return e;
}

class Huitieme : public ::testing::Test {
 protected:
  // The file read both ways; the two pictures must have the same size.
  Ecart Lit(const std::string& nom, const Bitmap& b, const Options& o) {
    const std::string chemin = dossier_.File(nom);
    EXPECT_TRUE(Ecrit(chemin, b, o));
    ImageJPEG rapide = DecodeJPEGHuitieme(chemin);
    ImageJPEG libjpeg = DecodeJPEG(chemin, 8);
    EXPECT_TRUE(rapide.image) << nom;
    EXPECT_TRUE(libjpeg.image) << nom;
    if (!rapide.image || !libjpeg.image) return {1e9, 255};
    EXPECT_EQ(rapide.image.Width(), libjpeg.image.Width()) << nom;
    EXPECT_EQ(rapide.image.Height(), libjpeg.image.Height()) << nom;
    EXPECT_EQ(rapide.largeurFichier, b.Width());
    EXPECT_EQ(rapide.hauteurFichier, b.Height());
    EXPECT_EQ(rapide.reduction, 8);
    if (rapide.image.Width() != libjpeg.image.Width() ||
        rapide.image.Height() != libjpeg.image.Height())
      return {1e9, 255};
    return Compare(rapide.image, libjpeg.image);
  }
  lumaveil::testing::TempDir dossier_;
};

TEST_F(Huitieme, SameAsLibjpegWhereLibjpegTakesTheDcCoefficientsToo) {
  // Full colour resolution and grey: libjpeg's one-eighth picture is the
  // DC coefficients as well, so every pixel must match, whether one
  // thread reads (small file) or two (large file, with and without
  // restart markers), on sizes that are not whole blocks.
  const Bitmap petite = Photo(203, 157), grande = Photo(2405, 1603);
  Options plein;
  plein.h = plein.v = 1;
  for (const auto& [nom, b, o] :
       {std::tuple{"petite.jpg", &petite, plein}, std::tuple{"grande.jpg", &grande, plein},
        std::tuple{"reprises.jpg", &grande, Options{1, 1, 37}},
        std::tuple{"gris.jpg", &grande, Options{1, 1, 0, false, true}}}) {
    const Ecart e = Lit(nom, *b, o);
    EXPECT_EQ(e.max, 0) << nom;
  }
}

TEST_F(Huitieme, CloseToLibjpegWhenColourIsSampledAtHalfResolution) {
  // libjpeg brings half-resolution colour up by a 2 x 2 transform; here
  // it is the DC coefficient, which only softens colour edges.
  const Bitmap grande = Photo(2400, 1600);
  for (const auto& [nom, o] :
       {std::pair{"420.jpg", Options{2, 2, 0}}, std::pair{"422.jpg", Options{2, 1, 0}},
        std::pair{"420-reprises.jpg", Options{2, 2, 5}}, std::pair{"petite.jpg", Options{2, 2, 0}}}) {
    const Ecart e = Lit(nom, std::string(nom) == "petite.jpg" ? Photo(640, 480) : grande, o);
    EXPECT_LE(e.moyen, 1.0) << nom;
    EXPECT_LE(e.max, 16) << nom;
  }
}

TEST_F(Huitieme, LeavesToLibjpegWhatItDoesNotHandle) {
  const Bitmap b = Photo(640, 480);
  const std::string progressif = dossier_.File("progressif.jpg");
  ASSERT_TRUE(Ecrit(progressif, b, Options{2, 2, 0, true}));
  EXPECT_FALSE(DecodeJPEGHuitieme(progressif).image);
  EXPECT_TRUE(DecodeJPEG(progressif, 8).image);
  EXPECT_FALSE(DecodeJPEGHuitieme(dossier_.File("absente.jpg")).image);

  // Cut anywhere in its data, a large file gives no picture rather than
  // a picture with made-up rows.
  const std::string entier = dossier_.File("entier.jpg");
  ASSERT_TRUE(Ecrit(entier, Photo(2400, 1600), Options{}));
  std::ifstream in(entier, std::ios::binary);
  const std::vector<char> octets{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
  for (double part : {0.1, 0.5, 0.75, 0.99}) {
    const std::string coupe = dossier_.File("coupe.jpg");
    std::ofstream(coupe, std::ios::binary)
        .write(octets.data(), std::streamsize(double(octets.size()) * part));
    EXPECT_FALSE(DecodeJPEGHuitieme(coupe).image) << part;
  }
  // Cut within the scan header, or right after it: libjpeg's reading of
  // the header then goes on with an end marker of its own, which is no
  // data to read.
  std::size_t sos = 2;
  while (sos + 4 < octets.size() &&
         !(std::uint8_t(octets[sos]) == 0xFF && std::uint8_t(octets[sos + 1]) == 0xDA))
    ++sos;
  ASSERT_LT(sos + 4, octets.size());
  const std::size_t finEntete =
      sos + 2 + (std::size_t(std::uint8_t(octets[sos + 2])) << 8 | std::uint8_t(octets[sos + 3]));
  for (std::size_t fin : {sos + 6, finEntete - 1, finEntete, finEntete + 2}) {
    const std::string coupe = dossier_.File("entete.jpg");
    std::ofstream(coupe, std::ios::binary).write(octets.data(), std::streamsize(fin));
    EXPECT_FALSE(DecodeJPEGHuitieme(coupe).image) << fin;
  }
}

}  // namespace
}  // namespace talvik
