// Writes the seed corpus of every fuzz target: small valid files of each
// kind, made with the system's own writers, plus a few variants that the
// writers do not produce (other BMP depths, top-down rows, interlaced and
// animated GIFs, several package records).
//
//   fuzz_seeds OUTDIR    -> OUTDIR/<target>/<name>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <webp/encode.h>

#include "depth/bitmaplib.h"
#include "exif_essai.h"
#include "ecran.h"
#include "fichier_modele.h"
#include "fichier_projet.h"
#include "fichier_registre.h"
#include "gif_essai.h"
#include "heif_essai.h"
#include "graphique.h"
#include "projet.h"

// The HEVC encoder behind libheif (x265) keeps a few small blocks until
// the process ends; in the sanitized build that would fail the seeds'
// making, which is not under test.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using talvik::CGraphique;
using talvik::HBITMAP;

namespace {

Bytes ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& p, const Bytes& b) {
  std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

HBITMAP Picture(int w, int h, int colours) {
  HBITMAP b = HBITMAP::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int k = (x * 7 + y * 3) % colours;
      b.SetPixel(x, y, talvik::RGB(std::uint8_t(k * 40), std::uint8_t(255 - k * 30),
                                   std::uint8_t((x * 16) & 0xFF)));
    }
  return b;
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

void BmpSeeds(const fs::path& dir, const fs::path& scratch) {
  const fs::path base = dir / "rgb24.bmp";
  CGraphique::SauveImageBMP(base.string(), Picture(13, 5, 6));
  CGraphique::SauveImageBMP((dir / "one.bmp").string(), Picture(1, 1, 1));
  const fs::path two = scratch / "two.bmp";
  CGraphique::SauveImageBMP(two.string(), Picture(9, 4, 2));
  for (unsigned short bits : {1, 4, 8, 16, 32})
    talvik::CBitmapLib::ChangeColorDepth(bits == 1 ? two.string() : base.string(),
                                         (dir / ("depth" + std::to_string(bits) + ".bmp")).string(),
                                         bits, nullptr);
  // Top-down rows and an image size left at 0.
  Bytes b = ReadFile(base);
  if (b.size() >= 54) {
    Put32(b, 22, std::uint32_t(-5));
    Put32(b, 34, 0);
    WriteFile(dir / "topdown.bmp", b);
  }
}

// HEIF and AVIF through libheif's encoder: plain, turned (irot/imir), with
// a thumbnail item, with alpha. Files of other writers (heif-enc, phones'
// layouts) are in the kept corpus, fuzz/corpus/heif.
void HeifSeeds(const fs::path& dir) {
  lumaveil::testing::OptionsHeif o;
  o.qualite = 30;
  lumaveil::testing::EcritHeif((dir / "plain.heic").string(), Picture(16, 8, 5), o);
  o.orientation = 6;
  o.vignette = 8;
  lumaveil::testing::EcritHeif((dir / "turned-thumb.heic").string(), Picture(32, 16, 5), o);
  o = {};
  o.qualite = 30;
  o.orientation = 5;
  o.alpha = true;
  lumaveil::testing::EcritHeif((dir / "alpha-mirror.heic").string(), Picture(8, 8, 3), o);
  o = {};
  o.qualite = 30;
  o.avif = true;
  lumaveil::testing::EcritHeif((dir / "plain.avif").string(), Picture(16, 8, 5), o);
}

// WebP through libwebp's encoder: lossy, lossless, lossless with alpha.
// Animated files and files with EXIF and ICCP chunks are in the kept
// corpus, fuzz/corpus/webp.
void WebpSeeds(const fs::path& dir) {
  HBITMAP p = Picture(17, 9, 6);
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) p.Row(y)[x] |= std::uint32_t(x * 15) << 24;
  const std::uint8_t* bgra = reinterpret_cast<const std::uint8_t*>(p.Pixels());
  std::uint8_t* sortie = nullptr;
  std::size_t n = 0;
  // Three bytes per pixel without alpha: the picture's rows repacked.
  std::vector<std::uint8_t> bgr;
  for (std::size_t i = 0; i < p.PixelCount(); ++i)
    bgr.insert(bgr.end(), {bgra[4 * i], bgra[4 * i + 1], bgra[4 * i + 2]});
  const struct {
    const char* nom;
    std::size_t (*code)(const std::uint8_t*, int, int, int, std::uint8_t**);
    bool alpha;
  } sortes[] = {{"lossless.webp", WebPEncodeLosslessBGR, false},
                {"alpha.webp", WebPEncodeLosslessBGRA, true}};
  for (const auto& s : sortes) {
    sortie = nullptr;
    n = s.code(s.alpha ? bgra : bgr.data(), p.Width(), p.Height(),
               p.Width() * (s.alpha ? 4 : 3), &sortie);
    if (n) WriteFile(dir / s.nom, Bytes(sortie, sortie + n));
    WebPFree(sortie);
  }
  sortie = nullptr;
  n = WebPEncodeBGR(bgr.data(), p.Width(), p.Height(), p.Width() * 3, 50, &sortie);
  if (n) WriteFile(dir / "lossy.webp", Bytes(sortie, sortie + n));
  WebPFree(sortie);
}

void GifSeeds(const fs::path& dir) {
  CGraphique::SauveImageGIF((dir / "plain.gif").string(), Picture(11, 7, 5), 0, 0);
  CGraphique::SauveImageGIF((dir / "transparent.gif").string(), Picture(4, 4, 3), 1,
                            talvik::RGB(0, 255, 16));
  using lumaveil::testing::GifBuilder;
  using lumaveil::testing::Rgb;
  std::vector<Rgb> table;
  for (int i = 0; i < 8; ++i) table.push_back(Rgb{std::uint8_t(i * 30), 0, std::uint8_t(255 - i)});
  std::vector<std::uint8_t> px(6 * 9);
  for (std::size_t i = 0; i < px.size(); ++i) px[i] = std::uint8_t((i * 5) % 8);
  GifBuilder anim("GIF89a", 6, 9, table);
  anim.Application().Comment("seed").ControlExtension(true, 3, 10).Image(6, 9, px, true, {}, 3);
  anim.PlainText().ControlExtension(false, 0, 20, 2).Image(6, 9, px, false, table, 3);
  WriteFile(dir / "animated.gif", anim.Trailer());
  WriteFile(dir / "fulltable.gif",
            GifBuilder("GIF87a", 64, 70, table)
                .Image(64, 70, std::vector<std::uint8_t>(64 * 70, 1), false, {}, 3, false)
                .Trailer());
}

void PackageSeed(const fs::path& dir, const fs::path& scratch) {
  Bytes package(64, 0x90);  // stands for the engine program
  const int count = 2;
  for (int i = 0; i < count; ++i) {
    const fs::path jpeg = scratch / "screen.jpg";
    CGraphique::SauveImageJPEG(jpeg.string(), Picture(24 + 8 * i, 16, 7), 50);
    const Bytes j = ReadFile(jpeg);
    Bytes head(12);
    Put32(head, 0, 3);
    Put32(head, 4, std::uint32_t(i + 1));
    Put32(head, 8, std::uint32_t(j.size()));
    package.insert(package.end(), head.begin(), head.end());
    package.insert(package.end(), j.begin(), j.end());
  }
  Bytes trailer(16);
  Put32(trailer, 0, 240);
  Put32(trailer, 4, 240);
  Put32(trailer, 8, count);
  Put32(trailer, 12, 64);
  package.insert(package.end(), trailer.begin(), trailer.end());
  WriteFile(dir / "two-screens.scr", package);
}

void ProjectSeeds(const fs::path& projet, const fs::path& modele) {
  lumaveil::CProjet p;
  WriteFile(projet / "empty.lmv", lumaveil::EcritProjet(p));
  p.Ajoute(std::make_unique<lumaveil::CEcran>());
  p.Ajoute(std::make_unique<lumaveil::CEcran>());
  WriteFile(projet / "two.lmv", lumaveil::EcritProjet(p));
  const std::string m = lumaveil::EcritModele(lumaveil::CEcran());
  WriteFile(modele / "default.mod", Bytes(m.begin(), m.end()));
}

void RegistrySeed(const fs::path& dir) {
  using namespace talvik::registre;
  Base base;
  Cle& cle = base.Cree("HKEY_LOCAL_MACHINE\\Software\\Vermalune\\Lumaveil\\Configuration");
  cle.Fixe(Valeur{"Qualite", REG_DWORD, std::string("\x4b\0\0\0", 4)});
  cle.Fixe(Valeur{"Repertoire", REG_SZ, std::string("/home/x\0", 8)});
  cle.Fixe(Valeur{"Donnees", REG_BINARY, std::string("\x01\x02\xff", 3)});
  base.Cree("HKEY_CURRENT_USER\\Software\\Vermalune\\Talvik\\Motifs")
      .Fixe(Valeur{"Motif0", REG_SZ, std::string("a\tb\0", 4)});
  const std::string t = EcritTexte(base);
  WriteFile(dir / "settings.reg", Bytes(t.begin(), t.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds OUTDIR\n");
    return 2;
  }
  const fs::path out = argv[1];
  const fs::path scratch = out / ".scratch";
  for (const char* t : {"bmp", "depth", "gif", "jpeg", "png", "tiff", "heif", "webp", "package",
                        "projet", "modele", "registre"})
    fs::create_directories(out / t);
  fs::create_directories(scratch);

  BmpSeeds(out / "bmp", scratch);
  for (const auto& e : fs::directory_iterator(out / "bmp"))
    fs::copy_file(e.path(), out / "depth" / e.path().filename(),
                  fs::copy_options::overwrite_existing);
  GifSeeds(out / "gif");
  for (int q : {10, 75, 100})
    CGraphique::SauveImageJPEG((out / "jpeg" / ("q" + std::to_string(q) + ".jpg")).string(),
                               Picture(17, 9, 6), q);
  // A camera's photo: a thumbnail in an Exif block, in both byte orders.
  for (bool intel : {true, false}) {
    const std::string camera = (out / "jpeg" / (intel ? "exif-ii.jpg" : "exif-mm.jpg")).string();
    CGraphique::SauveImageJPEG(camera, Picture(40, 30, 6), 75);
    lumaveil::testing::AjouteVignetteExif(camera, Picture(8, 6, 3), intel);
  }
  CGraphique::SauveImagePNG((out / "png" / "rgb.png").string(), Picture(17, 9, 6));
  CGraphique::SauveImagePNG((out / "png" / "one.png").string(), Picture(1, 1, 1));
  CGraphique::SauveImageTIFF((out / "tiff" / "rgb.tif").string(), Picture(17, 9, 6));
  CGraphique::SauveImageTIFF((out / "tiff" / "one.tif").string(), Picture(1, 1, 1));
  HeifSeeds(out / "heif");
  WebpSeeds(out / "webp");
  PackageSeed(out / "package", scratch);
  ProjectSeeds(out / "projet", out / "modele");
  RegistrySeed(out / "registre");
  fs::remove_all(scratch);

  // Every target needs at least one seed.
  for (const auto& e : fs::directory_iterator(out))
    if (e.is_directory() && fs::is_empty(e.path())) {
      std::fprintf(stderr, "fuzz_seeds: no seed for %s\n", e.path().filename().c_str());
      return 1;
    }
  return 0;
}
