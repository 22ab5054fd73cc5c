// Generating a screen saver: the engine copied byte for byte, one record
// per screen (duration, effect, JPEG length, the screen rendered at its
// target size and encoded as JPEG), then the trailer (ResolutionCible,
// number of complete records, engine length).
//
// Records are streamed: each screen is rendered from a fresh copy of its
// settings, encoded and appended in list order. With several threads the
// next screens are rendered side by side while the current one is encoded
// and written; memory then holds at most one rendered screen per thread
// beyond the current one (see CRenduEnAvance), and the file is byte for
// byte the one a single thread writes.
//
// The package is written beside its target under a temporary name and
// renamed over the target once its trailer is written: a failed or
// stopped run never leaves a half-written package, and an old saver of
// the same name stays until the new one is whole.
#pragma once

#include <string>

#include "dialogue.h"
#include "progression.h"
#include "projet.h"

namespace talvik {
class CFichierAtomique;
class CGraphique;
}

namespace lumaveil {

struct OptionsGeneration {
  std::string sortie;               // package to write
  std::string moteur;               // engine file copied at its start
  int qualiteJPEG = 75;             // JPEG quality of every screen
  int fils = 0;                     // 1: one thread; n: render ahead on n threads;
                                    // 0: FilsDeRenduParDefaut()
  std::string repertoireTemporaire;  // for the JPEG of each screen; "": TMPDIR or /tmp
  bool garderSiInterrompu = true;   // keep the records done when the run is stopped
  std::string fichierProjet;        // the project's own file ("" when it has none)
  int messageChargement = 0;        // non-zero: a picture that cannot be loaded is
                                    // reported ("Unable to load file", naming it)
  std::string langue = "en";        // the saver's messages ("en", "fr", "de", "es": the
                                    // maker's); written in the package unless English
  // When set, the package is written through this file, a link at `sortie`
  // being replaced rather than followed, and left prepared
  // (CFichierAtomique::Prepare): the caller renames it over `sortie`
  // together with the files that go with it.
  talvik::CFichierAtomique* paquetDiffere = nullptr;
  // When set, no screen is rendered: record k is read from this folder,
  // where PrepareEnregistrement made it (enregistrement_pret.h).
  std::string enregistrementsPrets;
};

enum class ResultatGeneration {
  Termine,     // every screen was processed (some may have been skipped)
  Interrompu,  // the user stopped, or chose not to go on after a failed screen
  Echec,       // nothing was generated (fewer than 2 screens, no file, no engine)
};

struct BilanGeneration {
  ResultatGeneration resultat = ResultatGeneration::Echec;
  int enregistrements = 0;   // complete records in the package
  bool paquetEcrit = false;  // the package exists at options.sortie (or is prepared
                             // in options.paquetDiffere)
  int imagesIllisibles = 0;  // screens whose picture could not be loaded
};

// Generates the package for the screens of `projet` in list order.
// Blank screens (EcranBlanc: no picture and no text) are left out, named
// first in one warning (MessageEcransBlancs); fewer than kEcransMinimum
// left is refused with 61239 and nothing is written. The progress line
// names each screen by its number in the list. `graphique` holds the
// pattern bank. Messages and questions (61239,
// 61240, 61242, 61245, 61247) go through `dialogue`, progress and Stop
// through `progression`, whose AfficheEtTeste is called before each screen
// on the calling thread. Every message, those of the pictures' loaders and
// of the rendering included, reaches `dialogue` on the calling thread,
// once, in order: a screen's own messages come before its record is
// written. A stopped run keeps the records completed before the stop. When
// a package was written, projet.CheminEcranDeVeille is set to it. A package
// with no complete record is not kept, and the run then says so
// (IDS_AUCUN_ECRAN_SAUVE), whether every screen failed or the user stopped
// before the first was written.
// An output that is the project's file or the picture of one of its
// screens (SortieEcraseProjet) is refused with 61247 naming it; nothing is
// written. So is a resolution the player would refuse
// (lmvengine::PlayableSize), with a message that gives the sizes allowed.
// Before writing, the leftovers of an earlier run to the same target that
// was killed are removed (restes_generation.h).
BilanGeneration GenereEcranDeVeille(CProjet& projet, talvik::CGraphique& graphique,
                                    const OptionsGeneration& options, IDialogue& dialogue,
                                    IProgression& progression);
// The same, the project only read: whoever keeps the project notes the
// saver written (paquetEcrit: options.sortie) itself. The window does it
// through its project controller, on its own thread.
BilanGeneration GenerePaquet(const CProjet& projet, talvik::CGraphique& graphique,
                             const OptionsGeneration& options, IDialogue& dialogue,
                             IProgression& progression);

// True when `sortie` is an existing file that is also `fichierProjet` or
// the picture of a screen or of the template of `projet` (the same file
// under any name: links and relative paths are seen through). Writing
// there would destroy what the user made.
bool SortieEcraseProjet(const CProjet& projet, const std::string& fichierProjet,
                        const std::string& sortie);

// The file name proposed for a saver: the project's title cut before its
// first "." (the whole title without one).
std::string NomPropose(const std::string& titre);

}  // namespace lumaveil
