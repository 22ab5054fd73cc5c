// PNG pictures through libpng.
//
// libpng's errors jump back here and become a null picture or 0; its
// warnings are ignored. Pixels are read and written straight from the
// picture's rows (blue, green, red, unused), which libpng's bgr and filler
// transformations produce and consume without changing any value.
#include <png.h>

#include <atomic>
#include <csetjmp>
#include <vector>

#include "colour/profil_couleur.h"
#include "graphique.h"
#include "picture/exif.h"
#include "picture/orientation.h"
#include "picture/fichier.h"

namespace talvik {

namespace {

std::atomic<COLORREF> g_couleurFond{0};

void ErreurPng(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void AvertissementPng(png_structp, png_const_charp) {}

struct Lecture {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~Lecture() {
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  }
};

struct Ecriture {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~Ecriture() {
    if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
  }
};

// Decodes into image (created here); false on any libpng error.
bool Decode(Lecture& l, std::FILE* f, Bitmap& image, std::vector<png_bytep>& lignes) {
  if (setjmp(png_jmpbuf(l.png))) return false;
  png_init_io(l.png, f);
  png_set_sig_bytes(l.png, 8);
  png_set_user_limits(l.png, 0x7FFFFFFF, 0x7FFFFFFF);
  png_read_info(l.png, l.info);
  png_uint_32 w = 0, h = 0;
  int profondeur = 0, type = 0;
  png_get_IHDR(l.png, l.info, &w, &h, &profondeur, &type, nullptr, nullptr, nullptr);
  if (std::uint64_t(w) * h > std::uint64_t(kMaxPixels)) {
    Bitmap::Create(int(w), int(h));  // records why the picture is refused
    return false;
  }

  if (profondeur == 16) png_set_strip_16(l.png);
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(l.png);
  if (type == PNG_COLOR_TYPE_GRAY && profondeur < 8) png_set_expand_gray_1_2_4_to_8(l.png);
  const bool trns = png_get_valid(l.png, l.info, PNG_INFO_tRNS) != 0;
  if (trns) png_set_tRNS_to_alpha(l.png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(l.png);
  png_color_16p fond = nullptr;
  const bool aFond = png_get_bKGD(l.png, l.info, &fond) != 0 && fond;
  if (aFond) {
    png_set_background(l.png, fond, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
    g_couleurFond = RGB(BYTE(fond->red & 0xFF), BYTE(fond->green & 0xFF), BYTE(fond->blue & 0xFF));
  }
  // A colour profile describes the samples' curves itself: the gamma of
  // the file is then left to its conversion.
  double gamma = 0;
  if (!png_get_valid(l.png, l.info, PNG_INFO_iCCP) && png_get_gAMA(l.png, l.info, &gamma))
    png_set_gamma(l.png, 2.2, gamma);

  // Rows straight into the picture: blue, green, red, then alpha or filler.
  png_set_bgr(l.png);
  const bool alpha = !aFond && (trns || (type & PNG_COLOR_MASK_ALPHA));
  if (!alpha) png_set_filler(l.png, 0, PNG_FILLER_AFTER);
  png_set_interlace_handling(l.png);
  png_read_update_info(l.png, l.info);
  if (png_get_rowbytes(l.png, l.info) != png_size_t(w) * 4) return false;

  image = Bitmap::CreateUninitialized(int(w), int(h));
  if (!image) return false;
  lignes.resize(h);
  for (png_uint_32 y = 0; y < h; ++y)
    lignes[y] = reinterpret_cast<png_bytep>(image.Row(int(y)));
  png_read_image(l.png, lignes.data());
  // Chunks after the pixels (an eXIf may come there) join the others.
  png_read_end(l.png, l.info);
  return true;
}

bool Code(Ecriture& e, std::FILE* f, const Bitmap& image, std::vector<png_bytep>& lignes) {
  if (setjmp(png_jmpbuf(e.png))) return false;
  png_init_io(e.png, f);
  png_set_IHDR(e.png, e.info, png_uint_32(image.Width()), png_uint_32(image.Height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(e.png, e.info);
  png_set_bgr(e.png);
  png_set_filler(e.png, 0, PNG_FILLER_AFTER);
  lignes.resize(std::size_t(image.Height()));
  for (int y = 0; y < image.Height(); ++y)
    lignes[std::size_t(y)] = reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(image.Row(y)));
  png_write_image(e.png, lignes.data());
  png_write_end(e.png, nullptr);
  return true;
}

}  // namespace

COLORREF CGraphique::CouleurFondPNG() { return g_couleurFond; }

HBITMAP CGraphique::ChargeImagePNG(const CString& chemin) {
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f) return {};
  png_byte signature[8];
  if (std::fread(signature, 1, 8, f.get()) != 8 || png_sig_cmp(signature, 0, 8) != 0) return {};
  Lecture l;
  l.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErreurPng, AvertissementPng);
  if (!l.png) return {};
  l.info = png_create_info_struct(l.png);
  if (!l.info) return {};
  Bitmap image;
  std::vector<png_bytep> lignes;
  if (!Decode(l, f.get(), image, lignes)) return {};
  // The filler or alpha byte is not part of the pixel.
  std::uint32_t* p = image.Pixels();
  for (std::size_t i = 0, n = image.PixelCount(); i < n; ++i) p[i] &= 0x00FFFFFFu;
  png_charp nom = nullptr;
  png_bytep profil = nullptr;
  png_uint_32 tailleProfil = 0;
  int compression = 0;
  if (png_get_iCCP(l.png, l.info, &nom, &compression, &profil, &tailleProfil) && profil)
    couleur::ProfilVersSRGB(image, profil, tailleProfil);
  png_uint_32 tailleExif = 0;
  png_bytep exif = nullptr;
  if (png_get_eXIf_1(l.png, l.info, &tailleExif, &exif) && exif)
    return Redresse(image, exif::OrientationExif(exif, tailleExif));
  return image;
}

int CGraphique::SauveImagePNG(const CString& chemin, const HBITMAP& image) {
  if (!image) return 0;
  fichier::Fichier f = fichier::Ouvre(chemin, "wb");
  if (!f) return 0;
  Ecriture e;
  e.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErreurPng, AvertissementPng);
  if (!e.png) return 0;
  e.info = png_create_info_struct(e.png);
  if (!e.info) return 0;
  std::vector<png_bytep> lignes;
  const bool ok = Code(e, f.get(), image, lignes);
  const bool ferme = std::fclose(f.release()) == 0;
  return ok && ferme ? 1 : 0;
}

}  // namespace talvik
