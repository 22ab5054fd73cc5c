#include "codec/jpeg_codage.h"

#include <jerror.h>

#include <memory>
#include <new>

#include "codec/jpeg_erreur.h"

namespace talvik::jpeg {

namespace {

// Compression state kept outside the frame that libjpeg may jump back to.
struct Codage {
  jpeg_compress_struct cinfo;
  Erreurs erreurs;
};

// Destination into a vector: libjpeg fills a fixed block, each full block
// is appended. (libjpeg's own memory destination leaves its caller a
// dangling pointer when a fatal error follows a reallocation.)
struct DestinationMemoire {
  jpeg_destination_mgr pub;  // first: libjpeg sees a jpeg_destination_mgr*
  std::vector<std::uint8_t>* octets = nullptr;
  JOCTET bloc[65536];

  static DestinationMemoire& De(j_compress_ptr cinfo) {
    return *reinterpret_cast<DestinationMemoire*>(cinfo->dest);
  }
  static void Ajoute(j_compress_ptr cinfo, std::size_t n) {
    DestinationMemoire& d = De(cinfo);
    try {
      d.octets->insert(d.octets->end(), d.bloc, d.bloc + n);
    } catch (const std::bad_alloc&) {
      ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 10);
    }
  }
  static void Debut(j_compress_ptr cinfo) {
    DestinationMemoire& d = De(cinfo);
    d.pub.next_output_byte = d.bloc;
    d.pub.free_in_buffer = sizeof d.bloc;
  }
  static boolean BlocPlein(j_compress_ptr cinfo) {
    Ajoute(cinfo, sizeof De(cinfo).bloc);
    Debut(cinfo);
    return TRUE;
  }
  static void Fin(j_compress_ptr cinfo) {
    DestinationMemoire& d = De(cinfo);
    Ajoute(cinfo, sizeof d.bloc - d.pub.free_in_buffer);
  }

  void Installe(jpeg_compress_struct& cinfo, std::vector<std::uint8_t>& sortie) {
    octets = &sortie;
    pub.init_destination = Debut;
    pub.empty_output_buffer = BlocPlein;
    pub.term_destination = Fin;
    cinfo.dest = &pub;
  }
};

bool Valides(const Lignes& l) {
  return l.premiere && l.largeur > 0 && l.hauteur > 0 && l.largeur <= JPEG_MAX_DIMENSION &&
         l.hauteur <= JPEG_MAX_DIMENSION;
}

// Sets the picture parameters and writes every row. The destination is
// already installed. Returns false after a fatal libjpeg error.
bool Ecrit(Codage& c, const Lignes& l, int qualite) {
  if (setjmp(c.erreurs.retour)) return false;
  c.cinfo.image_width = l.largeur;
  c.cinfo.image_height = l.hauteur;
  switch (l.format) {
    case FormatPixels::RGB:
      c.cinfo.input_components = 3;
      c.cinfo.in_color_space = JCS_RGB;
      break;
    case FormatPixels::Gris:
      c.cinfo.input_components = 1;
      c.cinfo.in_color_space = JCS_GRAYSCALE;
      break;
    case FormatPixels::BGRX:
      c.cinfo.input_components = 4;
      c.cinfo.in_color_space = JCS_EXT_BGRX;
      break;
  }
  jpeg_set_defaults(&c.cinfo);
  jpeg_set_quality(&c.cinfo, qualite, TRUE);
  jpeg_start_compress(&c.cinfo, TRUE);
  // Several rows per call: fewer round trips through libjpeg.
  constexpr JDIMENSION kParAppel = 16;
  JSAMPROW rangs[kParAppel];
  while (c.cinfo.next_scanline < c.cinfo.image_height) {
    JDIMENSION n = 0;
    for (; n < kParAppel && c.cinfo.next_scanline + n < c.cinfo.image_height; ++n)
      rangs[n] = const_cast<JSAMPROW>(l.premiere + std::size_t(c.cinfo.next_scanline + n) * l.pas);
    jpeg_write_scanlines(&c.cinfo, rangs, n);
  }
  jpeg_finish_compress(&c.cinfo);
  return true;
}

// Creates the compressor, lets `destination` install where the bytes go,
// encodes, destroys the compressor.
template <typename Destination>
bool Code(Codage& c, const Lignes& l, int qualite, bool montreMessages, Destination destination) {
  c.cinfo.err = Installe(c.erreurs, montreMessages);
  if (setjmp(c.erreurs.retour)) return false;  // jpeg_create_compress ran out of memory
  jpeg_create_compress(&c.cinfo);
  destination(c.cinfo);
  const bool ok = Ecrit(c, l, qualite);
  jpeg_destroy_compress(&c.cinfo);
  return ok;
}

}  // namespace

bool CodeVersFichier(const Lignes& lignes, int qualite, std::FILE* fichier, bool montreMessages) {
  if (!Valides(lignes) || !fichier) return false;
  auto c = std::make_unique<Codage>();
  return Code(*c, lignes, qualite, montreMessages,
              [fichier](jpeg_compress_struct& cinfo) { jpeg_stdio_dest(&cinfo, fichier); });
}

std::vector<std::uint8_t> CodeEnMemoire(const Lignes& lignes, int qualite) {
  std::vector<std::uint8_t> octets;
  if (!Valides(lignes)) return octets;
  auto c = std::make_unique<Codage>();
  auto d = std::make_unique<DestinationMemoire>();
  if (!Code(*c, lignes, qualite, false,
            [&](jpeg_compress_struct& cinfo) { d->Installe(cinfo, octets); }))
    octets.clear();
  return octets;
}

}  // namespace talvik::jpeg
