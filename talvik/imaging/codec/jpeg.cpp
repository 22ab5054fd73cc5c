// JPEG pictures: loading through JpegFile, saving straight from the
// picture's pixels.
#include <cstring>

#include "codec/jpeg_erreur.h"
#include "codec/jpegfile.h"
#include "graphique.h"
#include "picture/fichier.h"

namespace talvik {

HBITMAP CGraphique::ChargeImageJPEG(const CString& chemin) {
  unsigned w = 0, h = 0;
  TamponOctets rgb = JpegFile::JpegFileToRGB(chemin, &w, &h);
  if (!rgb) return {};
  HBITMAP image = Bitmap::CreateUninitialized(int(w), int(h));
  if (!image) return {};
  std::uint32_t* d = image.Pixels();
  const std::uint8_t* s = rgb.get();
  const std::size_t n = image.PixelCount();
  for (std::size_t i = 0; i < n; ++i, s += 3)
    d[i] = (std::uint32_t(s[0]) << 16) | (std::uint32_t(s[1]) << 8) | s[2];
  return image;
}

namespace {

struct Codage {
  jpeg_compress_struct cinfo;
  jpeg::Erreurs erreurs;
};

// Rows go to libjpeg as they are in memory: bytes blue, green, red, unused.
bool Code(Codage& c, std::FILE* f, const Bitmap& image, int qualite) {
  if (setjmp(c.erreurs.retour)) return false;
  jpeg_stdio_dest(&c.cinfo, f);
  c.cinfo.image_width = JDIMENSION(image.Width());
  c.cinfo.image_height = JDIMENSION(image.Height());
  c.cinfo.input_components = 4;
  c.cinfo.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&c.cinfo);
  jpeg_set_quality(&c.cinfo, qualite, TRUE);
  jpeg_start_compress(&c.cinfo, TRUE);
  JSAMPROW lignes[16];
  while (c.cinfo.next_scanline < c.cinfo.image_height) {
    JDIMENSION n = 0;
    for (; n < 16 && c.cinfo.next_scanline + n < c.cinfo.image_height; ++n)
      lignes[n] = reinterpret_cast<JSAMPROW>(
          const_cast<std::uint32_t*>(image.Row(int(c.cinfo.next_scanline + n))));
    jpeg_write_scanlines(&c.cinfo, lignes, n);
  }
  jpeg_finish_compress(&c.cinfo);
  return true;
}

}  // namespace

int CGraphique::SauveImageJPEG(const CString& chemin, const HBITMAP& image, int qualite) {
  if (qualite < 0 || qualite > 100 || !image || chemin.empty()) return 0;
  fichier::Fichier f = fichier::Ouvre(chemin, "wb");
  if (!f) return 0;
  auto c = std::make_unique<Codage>();
  // A libjpeg failure (a write error, no memory) only makes the result 0.
  c->cinfo.err = jpeg::Installe(c->erreurs, false);
  jpeg_create_compress(&c->cinfo);
  const bool ok = Code(*c, f.get(), image, qualite);
  jpeg_destroy_compress(&c->cinfo);
  const bool ferme = std::fclose(f.release()) == 0;
  return ok && ferme ? 1 : 0;
}

}  // namespace talvik
