#include "codec/jpeg_erreur.h"

#include <jerror.h>

#include "base/arret.h"
#include "base/message.h"

namespace talvik::jpeg {

namespace {

Erreurs& Gestionnaire(j_common_ptr cinfo) { return *reinterpret_cast<Erreurs*>(cinfo->err); }

[[noreturn]] void SortieFatale(j_common_ptr cinfo) {
  Erreurs& e = Gestionnaire(cinfo);
  if (e.montreMessages) {
    char texte[JMSG_LENGTH_MAX];
    cinfo->err->format_message(cinfo, texte);
    AfficheMessage(texte, "JPEG Fatal Error", IconeMessage::Erreur);
  }
  std::longjmp(e.retour, 1);
}

void AfficheTexte(j_common_ptr cinfo) {
  if (!Gestionnaire(cinfo).montreMessages) return;
  char texte[JMSG_LENGTH_MAX];
  cinfo->err->format_message(cinfo, texte);
  AfficheMessage(texte, "JPEG Error", IconeMessage::Attention);
}

// The data ended before the picture did: the file stops, or the picture's
// data runs into a marker that ends it (the end of the image, a byte pair
// that is no marker, or, when the scan holds the whole picture, anything
// but a restart marker). libjpeg goes on with blank blocks down to the
// last row; the readers stop and fail instead, so that a few bytes
// declaring a huge picture cost no more than those bytes. A restart marker
// met early is damage libjpeg recovers from, and in a picture of several
// scans a table or the next scan may follow: decoding goes on.
bool FinPrematuree(j_common_ptr cinfo) {
  const int code = cinfo->err->msg_code;
  if (code == JWRN_JPEG_EOF) return true;
  if (code != JWRN_HIT_MARKER || !cinfo->is_decompressor) return false;
  const auto* c = reinterpret_cast<j_decompress_ptr>(cinfo);
  const int m = c->unread_marker;
  if (m >= 0xD0 && m <= 0xD7) return false;  // RSTn
  if (!c->progressive_mode && c->comps_in_scan == c->num_components) return true;
  const bool suiteDeScan = m == 0xDA || m == 0xC4 || m == 0xDB || m == 0xDD || m == 0xCC ||
                           m == 0xDC || m == 0xFE || (m >= 0xE0 && m <= 0xEF);
  return !suiteDeScan;
}

void Emet(j_common_ptr cinfo, int niveau) {
  Erreurs& e = Gestionnaire(cinfo);
  if (niveau < 0 && FinPrematuree(cinfo)) e.finPrematuree = true;
  e.emetOrigine(cinfo, niveau);
}

void Suivi(j_common_ptr cinfo) {
  if (!ArretDemande()) return;
  Erreurs& e = Gestionnaire(cinfo);
  e.arrete = true;
  std::longjmp(e.retour, 1);
}

}  // namespace

void Surveille(j_decompress_ptr cinfo) {
  Erreurs& e = Gestionnaire(reinterpret_cast<j_common_ptr>(cinfo));
  e.suivi.progress_monitor = Suivi;
  cinfo->progress = &e.suivi;
}

jpeg_error_mgr* Installe(Erreurs& e, bool montreMessages) {
  jpeg_std_error(&e.pub);
  e.montreMessages = montreMessages;
  e.finPrematuree = false;
  e.arrete = false;
  e.emetOrigine = e.pub.emit_message;
  e.pub.error_exit = SortieFatale;
  e.pub.output_message = AfficheTexte;
  e.pub.emit_message = Emet;
  return &e.pub;
}

}  // namespace talvik::jpeg
