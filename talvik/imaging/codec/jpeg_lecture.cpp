#include "codec/jpeg_lecture.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "codec/jpeg_erreur.h"
#include "codec/jpeg_meta.h"
#include "codec/jpeg_source.h"
#include "colour/profil_couleur.h"
#include "picture/fichier.h"
#include "picture/orientation.h"

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

// Printers' files: four inks, stored as they are or as YCCK (libjpeg
// turns the latter back into CMYK).
bool Cmjn(const jpeg_decompress_struct& c) {
  return c.num_components == 4 && (c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK);
}

// The segments that say how to show the picture, as libjpeg kept them.
jpeg::Meta MetaGardee(const jpeg_decompress_struct& c) {
  jpeg::LecteurMeta lecteur;
  for (jpeg_saved_marker_ptr m = c.marker_list; m; m = m->next)
    lecteur.Segment(m->marker, m->data, m->data_length);
  return lecteur.Fin();
}

// Where the compressed data comes from: an open file, or bytes in memory.
struct Source {
  std::FILE* fichier = nullptr;
  const std::uint8_t* donnees = nullptr;
  std::size_t taille = 0;
};

bool Decode(Decodage& d, const Source& source, int reduction, bool messages, bool metadonnees) {
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
  if (metadonnees) {
    jpeg_save_markers(&c, JPEG_APP0 + 1, 0xFFFF);
    jpeg_save_markers(&c, JPEG_APP0 + 2, 0xFFFF);
  }
  jpeg_read_header(&c, TRUE);
  const bool cmjn = Cmjn(c);
  if (!ConvertibleEnBGRX(c) && !cmjn) {
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
  // Four-ink pictures come as CMYK samples in the picture's own bytes and
  // are turned into colours below.
  c.out_color_space = cmjn ? JCS_CMYK : JCS_EXT_BGRX;
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
    for (int i = 0; i < lues && !cmjn; ++i) {
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
  jpeg::Meta meta;
  if (metadonnees) meta = MetaGardee(c);
  // An Adobe segment marks the inks as stored inverted (255 is no ink).
  const bool inverse = c.saw_Adobe_marker != 0;
  jpeg_finish_decompress(&c);
  jpeg_destroy_decompress(&c);
  if (cmjn) {
    couleur::CmjnVersSRGB(image, inverse, meta.icc.data(), meta.icc.size());
    meta.icc.clear();
  }
  image = jpeg::Applique(meta, std::move(image), &d.resultat.largeurFichier,
                         &d.resultat.hauteurFichier);
  return bool(image);
}

}  // namespace

ImageJPEG DecodeJPEG(const std::string& chemin, int reduction) {
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f) return {};
  auto d = std::make_unique<Decodage>();
  if (!Decode(*d, Source{f.get()}, reduction, true, true)) return {};
  return std::move(d->resultat);
}

ImageJPEG DecodeJPEGMemoire(const std::uint8_t* donnees, std::size_t taille, int reduction,
                            bool metadonnees) {
  if (!donnees || taille == 0) return {};
  auto d = std::make_unique<Decodage>();
  if (!Decode(*d, Source{nullptr, donnees, taille}, reduction, false, metadonnees)) return {};
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
  jpeg_save_markers(&c, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&c, TRUE);
  int w = int(c.image_width), h = int(c.image_height);
  TailleRedressee(MetaGardee(c).orientation, &w, &h);
  if (largeur) *largeur = w;
  if (hauteur) *hauteur = h;
  jpeg_destroy_decompress(&c);
  return true;
}

}  // namespace talvik
