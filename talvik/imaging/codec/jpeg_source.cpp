#include "codec/jpeg_source.h"

#include <jerror.h>

#include <cstddef>

namespace talvik::jpeg {

namespace {

constexpr std::size_t kBloc = 65536;

struct Source {
  jpeg_source_mgr pub;  // first: libjpeg sees a jpeg_source_mgr*
  std::FILE* fichier;
  JOCTET* tampon;
  bool fin;             // the file has ended: the buffer holds the marker
};

Source& De(j_decompress_ptr c) { return *reinterpret_cast<Source*>(c->src); }

void Debut(j_decompress_ptr) {}
void Termine(j_decompress_ptr) {}

// The end-of-image marker in place of the missing data.
void DonneFin(Source& s) {
  s.tampon[0] = 0xFF;
  s.tampon[1] = JPEG_EOI;
  s.pub.next_input_byte = s.tampon;
  s.pub.bytes_in_buffer = 2;
}

boolean Remplit(j_decompress_ptr c) {
  Source& s = De(c);
  const std::size_t lus = s.fin ? 0 : std::fread(s.tampon, 1, kBloc, s.fichier);
  if (lus == 0) {
    if (!s.fin) WARNMS(c, JWRN_JPEG_EOF);
    s.fin = true;
    DonneFin(s);
    return TRUE;
  }
  s.pub.next_input_byte = s.tampon;
  s.pub.bytes_in_buffer = lus;
  return TRUE;
}

void Saute(j_decompress_ptr c, long n) {
  if (n <= 0) return;
  Source& s = De(c);
  while (std::size_t(n) > s.pub.bytes_in_buffer) {
    if (s.fin) {
      // Past the end: all that remains is the marker.
      DonneFin(s);
      return;
    }
    n -= long(s.pub.bytes_in_buffer);
    Remplit(c);
  }
  s.pub.next_input_byte += n;
  s.pub.bytes_in_buffer -= std::size_t(n);
}

}  // namespace

void SourceFichier(j_decompress_ptr c, std::FILE* f) {
  auto* s = static_cast<Source*>((*c->mem->alloc_small)(reinterpret_cast<j_common_ptr>(c),
                                                        JPOOL_PERMANENT, sizeof(Source)));
  s->tampon = static_cast<JOCTET*>((*c->mem->alloc_small)(reinterpret_cast<j_common_ptr>(c),
                                                          JPOOL_PERMANENT, kBloc));
  s->fichier = f;
  s->fin = false;
  s->pub.init_source = Debut;
  s->pub.fill_input_buffer = Remplit;
  s->pub.skip_input_data = Saute;
  s->pub.resync_to_restart = jpeg_resync_to_restart;
  s->pub.term_source = Termine;
  s->pub.next_input_byte = nullptr;
  s->pub.bytes_in_buffer = 0;
  c->src = &s->pub;
}

}  // namespace talvik::jpeg
