// Generation shared between several instances of the core (the page's
// workers): each makes some of the saver's records ready
// (enregistrement_pret.h), and one writes the package from them all with
// the command line's own --generate or --web-page, as it would have
// written it alone.
#include <emscripten/emscripten.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

namespace {

// The groups of the project last read, worked out once for the records an
// instance makes of it: with pairs, they come from every photo's header,
// and a browser's file is a trip to the browser each time it is read. A
// generation's instance is given one project and makes many records of
// it; another project file, or the same one changed, is worked out again.
const std::vector<GroupeEcrans>& GroupesDe(const CProjet& projet, const char* chemin) {
  static std::string octets;
  static std::vector<GroupeEcrans> groupes;
  std::ifstream f(chemin, std::ios::binary);
  std::string lus((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (lus.empty() || lus != octets) {
    groupes = GroupesAGenerer(projet);
    octets = std::move(lus);
  }
  return groupes;
}

}  // namespace

extern "C" {

// How many records a saver of the project at `chemin` holds (a pair of
// portraits is one, a blank screen none); -1 when the project cannot be
// read (the reason on standard error).
EMSCRIPTEN_KEEPALIVE int lmv_nombre_enregistrements(const char* chemin) {
  InstalleChainesMaker();
  web::CDialogueErreurs dialogue;
  CProjet p;
  if (!ChargeProjet(p, chemin, dialogue)) return -1;
  return int(GroupesAGenerer(p).size());
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
  return PrepareEnregistrement(p, GroupesDe(p, chemin), k, graphique, qualite, 1, dossier) ? 1 : 0;
}

// The pictures of record `k` of the project's saver, one per line (two
// for a pair), as the project names them: what a worker reads ahead.
// Null for a project that cannot be read or a record beyond its own; the
// caller frees the text.
EMSCRIPTEN_KEEPALIVE char* lmv_photos_enregistrement(const char* chemin, int k) {
  InstalleChainesMaker();
  web::CDialogueErreurs dialogue;
  CProjet p;
  if (!ChargeProjet(p, chemin, dialogue)) return nullptr;
  const std::vector<GroupeEcrans>& groupes = GroupesDe(p, chemin);
  if (k < 0 || k >= int(groupes.size())) return nullptr;
  std::string lignes = p.Ecran(groupes[std::size_t(k)].premier).CheminImage;
  if (groupes[std::size_t(k)].Paire()) lignes += "\n" + p.Ecran(groupes[std::size_t(k)].second).CheminImage;
  return web::Copie(lignes);
}

}  // extern "C"
