#include "codec/jpeg_lecture.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "codec/jpeg_erreur.h"
#include "codec/jpeg_source.h"
#include "picture/fichier.h"

namespace talvik {

namespace {

// Decoding state kept outside the frame that libjpeg may jump back to.
struct Decodage {
  jpeg_decompress_struct cinfo;
  jpeg::Erreurs erreurs;
  ImageJPEG resultat;
};

// Colour spaces that libjpeg-turbo turns into blue-green-red-unused rows.
bool ConvertibleEnBGRX(const jpeg_decompress_struct& c) {
  if (c.num_components == 1) return c.jpeg_color_space == JCS_GRAYSCALE;
  if (c.num_components == 3) return c.jpeg_color_space == JCS_YCbCr || c.jpeg_color_space == JCS_RGB;
  return false;
}

// Where the compressed data comes from: an open file, or bytes in memory.
struct Source {
  std::FILE* fichier = nullptr;
  const std::uint8_t* donnees = nullptr;
  std::size_t taille = 0;
};

bool Decode(Decodage& d, const Source& source, int reduction, bool messages) {
  jpeg_decompress_struct& c = d.cinfo;
  c.err = jpeg::Installe(d.erreurs, messages);
  if (setjmp(d.erreurs.retour)) {
    jpeg_destroy_decompress(&c);
    d.resultat.image.Reset();
    return false;
  }
  jpeg_create_decompress(&c);
  jpeg::Surveille(&c);
  if (source.fichier)
    jpeg::SourceFichier(&c, source.fichier);
  else
    jpeg_mem_src(&c, source.donnees, static_cast<unsigned long>(source.taille));
  jpeg_read_header(&c, TRUE);
  if (!ConvertibleEnBGRX(c)) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  d.resultat.largeurFichier = int(c.image_width);
  d.resultat.hauteurFichier = int(c.image_height);
  if (reduction == 2 || reduction == 4 || reduction == 8) {
    c.scale_num = 1;
    c.scale_denom = unsigned(reduction);
    d.resultat.reduction = reduction;
  }
  c.out_color_space = JCS_EXT_BGRX;
  jpeg_calc_output_dimensions(&c);
  const std::int64_t w = c.output_width, h = c.output_height;
  if (w * h > kMaxPixels) {
    Bitmap::Create(int(w), int(h));  // records why
    jpeg_destroy_decompress(&c);
    return false;
  }
  d.resultat.image = Bitmap::CreateUninitialized(int(w), int(h));
  if (!d.resultat.image) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  jpeg_start_decompress(&c);
  Bitmap& image = d.resultat.image;
  JSAMPROW lignes[16];
  while (c.output_scanline < c.output_height) {
    const int premiere = int(c.output_scanline);
    const int n = std::min(16, int(c.output_height) - premiere);
    for (int i = 0; i < n; ++i) lignes[i] = reinterpret_cast<JSAMPROW>(image.Row(premiere + i));
    const int lues = int(jpeg_read_scanlines(&c, lignes, JDIMENSION(n)));
    // libjpeg-turbo sets the unused byte to 0xFF; the picture model keeps 0.
    for (int i = 0; i < lues; ++i) {
      std::uint32_t* p = image.Row(premiere + i);
      for (std::int64_t x = 0; x < w; ++x) p[x] &= 0x00FFFFFFu;
    }
    if (lues == 0 || d.erreurs.finPrematuree) break;
  }
  if (d.erreurs.finPrematuree || c.output_scanline < c.output_height) {
    jpeg_destroy_decompress(&c);
    d.resultat.image.Reset();
    return false;
  }
  jpeg_finish_decompress(&c);
  jpeg_destroy_decompress(&c);
  return true;
}

}  // namespace

ImageJPEG DecodeJPEG(const std::string& chemin, int reduction) {
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f) return {};
  auto d = std::make_unique<Decodage>();
  if (!Decode(*d, Source{f.get()}, reduction, true)) return {};
  return std::move(d->resultat);
}

ImageJPEG DecodeJPEGMemoire(const std::uint8_t* donnees, std::size_t taille, int reduction) {
  if (!donnees || taille == 0) return {};
  auto d = std::make_unique<Decodage>();
  if (!Decode(*d, Source{nullptr, donnees, taille}, reduction, false)) return {};
  return std::move(d->resultat);
}

bool TailleJPEG(const std::string& chemin, int* largeur, int* hauteur) {
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f) return false;
  auto d = std::make_unique<Decodage>();
  jpeg_decompress_struct& c = d->cinfo;
  c.err = jpeg::Installe(d->erreurs, false);
  if (setjmp(d->erreurs.retour)) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  jpeg_create_decompress(&c);
  jpeg::SourceFichier(&c, f.get());
  jpeg_read_header(&c, TRUE);
  if (largeur) *largeur = int(c.image_width);
  if (hauteur) *hauteur = int(c.image_height);
  jpeg_destroy_decompress(&c);
  return true;
}

}  // namespace talvik
