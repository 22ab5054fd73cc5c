// Generation shared between several instances of the core (the page's
// workers): each makes some of the saver's records ready
// (enregistrement_pret.h), and one writes the package from them all with
// the command line's own --generate or --web-page, as it would have
// written it alone.
#include <emscripten/emscripten.h>

#include <filesystem>
#include <string>

#include "appel_web.h"
#include "chaines_maker.h"
#include "commande.h"
#include "enregistrement_pret.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "motifs_utilisateur.h"
#include "projet.h"
#include "rendu_avance.h"

using namespace lumaveil;

extern "C" {

// How many records a saver of the project at `chemin` holds (a pair of
// portraits is one, a blank screen none); -1 when the project cannot be
// read (the reason on standard error).
EMSCRIPTEN_KEEPALIVE int lmv_nombre_enregistrements(const char* chemin) {
  InstalleChainesMaker();
  web::CDialogueErreurs dialogue;
  CProjet p;
  if (!ChargeProjet(p, chemin, dialogue)) return -1;
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  return CRenduEnAvance(p, graphique, 1).NombreGroupes();
}

// Record `k` of the project's saver made ready in the folder `dossier`
// (made when missing), at JPEG quality `qualite`, as --generate makes it.
// Returns 1 when done, 0 otherwise.
EMSCRIPTEN_KEEPALIVE int lmv_prepare_enregistrement(const char* chemin, int k, int qualite,
                                                    const char* dossier) {
  InstalleChainesMaker();
  web::CDialogueErreurs dialogue;
  CProjet p;
  if (!ChargeProjet(p, chemin, dialogue)) return 0;
  std::error_code ec;
  std::filesystem::create_directories(dossier, ec);
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  return PrepareEnregistrement(p, k, graphique, qualite, 1, dossier) ? 1 : 0;
}

}  // extern "C"
