#include "codec/jpeg_erreur.h"

#include <jerror.h>

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

void Emet(j_common_ptr cinfo, int niveau) {
  Erreurs& e = Gestionnaire(cinfo);
  if (niveau < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) e.finPrematuree = true;
  e.emetOrigine(cinfo, niveau);
}

}  // namespace

jpeg_error_mgr* Installe(Erreurs& e, bool montreMessages) {
  jpeg_std_error(&e.pub);
  e.montreMessages = montreMessages;
  e.finPrematuree = false;
  e.emetOrigine = e.pub.emit_message;
  e.pub.error_exit = SortieFatale;
  e.pub.output_message = AfficheTexte;
  e.pub.emit_message = Emet;
  return &e.pub;
}

}  // namespace talvik::jpeg
