// Every reader keeps to one pixel budget and refuses, before it allocates
// for it, a picture it cannot fill: the hostile files here are a few bytes
// to a hundred kilobytes that declare hundreds of millions of pixels.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tiffio.h>
#include <unistd.h>
#include <zlib.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include <gtest/gtest.h>

#include "fichiers_images_essai.h"
#include "graphique.h"
#include "pic_memoire.h"
#include "picture/dib.h"
#include "dossier_temporaire.h"

using talvik::Bitmap;
using talvik::CGraphique;
using lumaveil::testing::TempDir;

namespace {

using Octets = std::vector<std::uint8_t>;

// The reader's result, how much the peak memory grew (KiB, -1 when not
// measurable) and why the picture was refused.
struct Lecture {
  bool chargee = false;
  long croissanceKo = -1;
  std::string pourquoi;
};

Lecture Charge(const std::string& chemin) {
  Lecture l;
  Bitmap image;
  l.croissanceKo = lumaveil::testing::CroissancePicMemoireKo(
      [&] { image = CGraphique::ChargeImage(chemin, 0); });
  l.chargee = bool(image);
  l.pourquoi = Bitmap::LastCreateError();
  return l;
}

// Refused, with the given reason, having grown the peak by less than 64 MiB
// (a picture of the declared size would take 512 MiB or more).
void AttendRefus(const std::string& chemin, const char* raison) {
  const Lecture l = Charge(chemin);
  EXPECT_FALSE(l.chargee);
  EXPECT_NE(l.pourquoi.find(raison), std::string::npos) << "reason: " << l.pourquoi;
  if (l.croissanceKo >= 0) {
    EXPECT_LT(l.croissanceKo, 64 * 1024);
  }
}

constexpr const char* kTropGrande = "too large";
constexpr const char* kIncomplete = "ends before the picture";

// An 8-bit run-length encoded BMP: 256 grey entries, then `rle`.
Octets BmpRle8(int w, int h, const Octets& rle) {
  talvik::dib::BITMAPINFOHEADER e;
  e.biWidth = w;
  e.biHeight = h;
  e.biBitCount = 8;
  e.biCompression = talvik::dib::BI_RLE8;
  e.biClrUsed = 256;
  Octets f(14 + 40 + 1024);
  f[0] = 'B';
  f[1] = 'M';
  talvik::dib::EcritEntete(e, &f[14]);
  for (int i = 0; i < 256; ++i) f[54 + 4 * i] = f[55 + 4 * i] = f[56 + 4 * i] = std::uint8_t(i);
  talvik::dib::Ecrit32(&f[10], std::uint32_t(f.size()));
  f.insert(f.end(), rle.begin(), rle.end());
  talvik::dib::Ecrit32(&f[2], std::uint32_t(f.size()));
  return f;
}

// Full runs of a non-zero index: 255 pixels per two bytes.
Octets Runs(std::size_t octets) {
  Octets r;
  while (r.size() < octets) r.insert(r.end(), {255, 7});
  return r;
}

// LSB-first bit packer of GIF codes.
struct Codes {
  Octets octets;
  std::uint32_t acc = 0;
  int n = 0;
  void Ecrit(int code, int taille) {
    acc |= std::uint32_t(code) << n;
    n += taille;
    while (n >= 8) {
      octets.push_back(std::uint8_t(acc));
      acc >>= 8;
      n -= 8;
    }
  }
  void Fin() {
    if (n > 0) octets.push_back(std::uint8_t(acc));
  }
};

// A GIF of w x h whose LZW data, about `octets` bytes, repeats the
// "previous string plus its first character" code until the table is full,
// then clears it: each code gives one pixel more than the last, so every
// 5.4 KB of data decode to 7.4 million pixels.
Octets BombeGif(int w, int h, std::size_t octets) {
  Octets f = {'G', 'I', 'F', '8', '9', 'a', std::uint8_t(w), std::uint8_t(w >> 8),
              std::uint8_t(h), std::uint8_t(h >> 8), 0x80, 0, 0};
  for (int i = 0; i < 2; ++i) f.insert(f.end(), {std::uint8_t(i * 255), 0, 0});
  f.insert(f.end(), {0x2C, 0, 0, 0, 0, std::uint8_t(w), std::uint8_t(w >> 8), std::uint8_t(h),
                     std::uint8_t(h >> 8), 0, 8});
  Codes c;
  while (c.octets.size() < octets) {
    int taille = 9;
    c.Ecrit(256, taille);  // clear
    c.Ecrit(1, taille);
    for (int suivant = 258; suivant < 4096; ++suivant) {
      c.Ecrit(suivant, taille);
      if (suivant + 1 == (1 << taille) && taille < 12) ++taille;
    }
  }
  c.Ecrit(257, 12);
  c.Fin();
  for (std::size_t i = 0; i < c.octets.size(); i += 255) {
    const std::size_t n = std::min<std::size_t>(255, c.octets.size() - i);
    f.push_back(std::uint8_t(n));
    f.insert(f.end(), c.octets.begin() + long(i), c.octets.begin() + long(i + n));
  }
  f.insert(f.end(), {0, 0x3B});
  return f;
}

// A PNG of w x h grey pixels whose data is one empty IDAT chunk, written
// by hand (libpng's writer refuses such sizes).
void EcritEntetePng(const std::string& chemin, std::uint32_t w, std::uint32_t h) {
  Octets f = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  auto morceau = [&f](const char* type, const Octets& donnees) {
    const std::uint32_t n = std::uint32_t(donnees.size());
    f.insert(f.end(), {std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8),
                       std::uint8_t(n)});
    Octets corps(type, type + 4);
    corps.insert(corps.end(), donnees.begin(), donnees.end());
    const std::uint32_t crc = std::uint32_t(::crc32(0, corps.data(), uInt(corps.size())));
    f.insert(f.end(), corps.begin(), corps.end());
    f.insert(f.end(), {std::uint8_t(crc >> 24), std::uint8_t(crc >> 16), std::uint8_t(crc >> 8),
                       std::uint8_t(crc)});
  };
  morceau("IHDR", {std::uint8_t(w >> 24), std::uint8_t(w >> 16), std::uint8_t(w >> 8),
                   std::uint8_t(w), std::uint8_t(h >> 24), std::uint8_t(h >> 16),
                   std::uint8_t(h >> 8), std::uint8_t(h), 8, 0, 0, 0, 0});
  morceau("IDAT", {});
  lumaveil::testing::Ecrit(chemin, f);
}

// A bilevel G4 TIFF declaring w x h with the data of only `lignes` blank
// rows, in one strip.
void EcritG4(const std::string& chemin, std::uint32_t w, std::uint32_t h, std::uint32_t lignes) {
  TIFF* t = TIFFOpen(chemin.c_str(), "w");
  ASSERT_TRUE(t);
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, w);
  TIFFSetField(t, TIFFTAG_IMAGELENGTH, lignes);
  TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 1);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
  TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
  TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, h);
  std::vector<std::uint8_t> ligne((w + 7) / 8, 0);
  for (std::uint32_t y = 0; y < lignes; ++y) ASSERT_EQ(TIFFWriteScanline(t, ligne.data(), y, 0), 1);
  TIFFClose(t);
  // The declared height is changed afterwards, in the directory itself.
  Octets f = lumaveil::testing::Lit(chemin);
  ASSERT_GE(f.size(), 8u);
  std::uint32_t ifd = talvik::dib::Lit32(&f[4]);
  const int n = talvik::dib::Lit16(&f[ifd]);
  for (int i = 0; i < n; ++i) {
    std::uint8_t* e = &f[ifd + 2 + 12 * std::size_t(i)];
    if (talvik::dib::Lit16(e) == TIFFTAG_IMAGELENGTH) {
      if (talvik::dib::Lit16(e + 2) == 3) {
        talvik::dib::Ecrit16(e + 8, h);
      } else {
        talvik::dib::Ecrit32(e + 8, h);
      }
    }
  }
  lumaveil::testing::Ecrit(chemin, f);
}

// Sets the value of a one-value tag of the first directory.
void ChangeEtiquette(const std::string& chemin, std::uint16_t etiquette, std::uint32_t valeur) {
  Octets f = lumaveil::testing::Lit(chemin);
  const std::uint32_t ifd = talvik::dib::Lit32(&f[4]);
  const int n = talvik::dib::Lit16(&f[ifd]);
  for (int i = 0; i < n; ++i) {
    std::uint8_t* e = &f[ifd + 2 + 12 * std::size_t(i)];
    if (talvik::dib::Lit16(e) != etiquette) continue;
    talvik::dib::Ecrit16(e + 2, 4);  // LONG
    talvik::dib::Ecrit32(e + 8, valeur);
  }
  lumaveil::testing::Ecrit(chemin, f);
}

// A 16 x 16 JPEG (progressive or not) whose frame header then declares
// w x h: the data of one small picture behind a large one's header.
void EcritJpegAgrandi(const std::string& chemin, int w, int h, bool progressif) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* memoire = nullptr;
  unsigned long taille = 0;
  jpeg_mem_dest(&c, &memoire, &taille);
  c.image_width = 16;
  c.image_height = 16;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  if (progressif) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> ligne(16 * 3, 200);
  JSAMPROW r = ligne.data();
  for (int y = 0; y < 16; ++y) jpeg_write_scanlines(&c, &r, 1);
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  Octets f(memoire, memoire + taille);
  std::free(memoire);
  for (std::size_t i = 2; i + 9 < f.size(); ++i) {
    if (f[i] == 0xFF && (f[i + 1] == 0xC0 || f[i + 1] == 0xC2)) {
      f[i + 5] = std::uint8_t(h >> 8);
      f[i + 6] = std::uint8_t(h);
      f[i + 7] = std::uint8_t(w >> 8);
      f[i + 8] = std::uint8_t(w);
      break;
    }
  }
  lumaveil::testing::Ecrit(chemin, f);
}

}  // namespace

TEST(BudgetLecture, PicturesAboveTwoToTheTwentySevenPixelsAreRefusedWithTheReason) {
  EXPECT_TRUE(Bitmap::FitsBudget(16384, 8192));
  EXPECT_FALSE(Bitmap::FitsBudget(16384, 8193));
  EXPECT_FALSE(Bitmap::FitsBudget(std::int64_t(1) << 32, std::int64_t(1) << 32));  // no overflow
  EXPECT_FALSE(Bitmap::Create(16384, 8193));
  TempDir d;
  // 16384 x 16384 (2^28) in a 1 KB run-length BMP, a PNG header, a 100 KB
  // LZW bomb and a JPEG header.
  lumaveil::testing::Ecrit(d.File("rle.bmp"), BmpRle8(16384, 16384, Runs(1024)));
  EcritEntetePng(d.File("tall.png"), 1, 1u << 28);
  lumaveil::testing::Ecrit(d.File("bomb.gif"), BombeGif(16384, 16384, 100 * 1024));
  EcritJpegAgrandi(d.File("big.jpg"), 16384, 16384, false);
  for (const char* nom : {"rle.bmp", "tall.png", "bomb.gif", "big.jpg"}) {
    SCOPED_TRACE(nom);
    AttendRefus(d.File(nom), kTropGrande);
  }
}

TEST(BudgetLecture, DataThatCannotFillTheDeclaredPictureIsRefusedBeforeItIsMade) {
  TempDir d;
  // All within the budget: 11000 x 11000 with 1 KB of runs and no end code;
  // a G4 TIFF of 16384 x 8192 holding the code of 64 rows; a PNG of one
  // column 2^27 rows high with no data; a JPEG of 16000 x 8000 with the
  // data of 16 x 16 pixels, baseline and progressive.
  lumaveil::testing::Ecrit(d.File("rle.bmp"), BmpRle8(11000, 11000, Runs(1024)));
  EcritG4(d.File("fax.tif"), 16384, 8192, 64);
  EcritEntetePng(d.File("tall.png"), 1, 1u << 27);
  EcritJpegAgrandi(d.File("big.jpg"), 16000, 8000, false);
  EcritJpegAgrandi(d.File("prog.jpg"), 16000, 8000, true);
  for (const char* nom : {"rle.bmp", "fax.tif", "tall.png", "big.jpg", "prog.jpg"}) {
    SCOPED_TRACE(nom);
    AttendRefus(d.File(nom), kIncomplete);
  }
  // The G4 file's strip byte count claiming a gigabyte changes nothing.
  ChangeEtiquette(d.File("fax.tif"), TIFFTAG_STRIPBYTECOUNTS, 1u << 30);
  AttendRefus(d.File("fax.tif"), kIncomplete);

  // A run-length picture that ends with its end code is complete, and one
  // whose codes reach its last row too.
  lumaveil::testing::Ecrit(d.File("end.bmp"), BmpRle8(3000, 3000, {255, 7, 0, 1}));
  Bitmap fin = CGraphique::ChargeImage(d.File("end.bmp"), 0);
  ASSERT_TRUE(fin);
  EXPECT_EQ(fin.GetPixel(0, 2999), talvik::RGB(7, 7, 7));
  lumaveil::testing::Ecrit(d.File("rows.bmp"), BmpRle8(4, 2, {4, 9, 0, 0, 4, 9}));
  Bitmap lignes = CGraphique::ChargeImage(d.File("rows.bmp"), 0);
  ASSERT_TRUE(lignes);
  EXPECT_EQ(lignes.GetPixel(3, 0), talvik::RGB(9, 9, 9));
  // A G4 file with every row of its picture loads.
  EcritG4(d.File("whole.tif"), 3000, 100, 100);
  Bitmap fax = CGraphique::ChargeImage(d.File("whole.tif"), 0);
  ASSERT_TRUE(fax);
  EXPECT_EQ(fax.GetPixel(2999, 99), talvik::RGB(255, 255, 255));
}

// Loads `chemin` in a child process limited to 2 GiB of address space and
// 10 seconds: true when the child ended by itself, the picture refused.
bool RefuseDansUnEnfant(const std::string& chemin) {
  const pid_t enfant = ::fork();
  if (enfant == 0) {
    const rlimit limite{rlim_t(2) << 30, rlim_t(2) << 30};
    ::setrlimit(RLIMIT_AS, &limite);
    ::alarm(10);
    ::_exit(CGraphique::ChargeImage(chemin, 0) ? 1 : 0);
  }
  int etat = 0;
  if (enfant < 0 || ::waitpid(enfant, &etat, 0) != enfant) return false;
  return WIFEXITED(etat) && WEXITSTATUS(etat) == 0;
}

TEST(BudgetLecture, OnlyRegularFilesAreRead) {
  TempDir d;
  // /dev/zero never ends; a pipe with no writer never answers.
  for (const char* nom : {"a.gif", "a.bmp", "a.png", "a.jpg", "a.tif"}) {
    SCOPED_TRACE(nom);
    const std::string lien = d.File(std::string("zero-") + nom);
    ASSERT_EQ(::symlink("/dev/zero", lien.c_str()), 0);
    EXPECT_TRUE(RefuseDansUnEnfant(lien));
    const std::string tube = d.File(std::string("pipe-") + nom);
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    EXPECT_TRUE(RefuseDansUnEnfant(tube));
  }
  // A regular file behind a link still loads.
  ASSERT_EQ(CGraphique::SauveImageGIF(d.File("real.gif"), lumaveil::testing::Motif(4, 4), 0, 0), 1);
  ASSERT_EQ(::symlink(d.File("real.gif").c_str(), d.File("link.gif").c_str()), 0);
  EXPECT_TRUE(CGraphique::ChargeImage(d.File("link.gif"), 0));
}
