// The screens of a project rendered in order for generation, either on
// the caller's thread when asked for, or ahead of the caller on several
// threads at once (decoding a phone photo takes far longer than encoding
// the screen, so the cores decode side by side). Each screen is rendered
// from a fresh copy of its settings, with its picture loaded again and
// area-averaging resize; the project's own screens are not touched.
//
// Memory stays bounded: with n threads, at most n screens are being
// rendered or wait beyond the one the caller holds, and a picture whose
// header declares more than kPixelsEnParallele pixels (or does not say) is
// loaded alone, while no other picture is in memory.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "base/message.h"
#include "paires_portraits.h"
#include "options_block.h"
#include "projet.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// A screen rendered for generation, with the messages that loading and
// rendering it raised, in order: they were kept on the thread that did the
// work and are shown by the caller, on its own thread.
struct EcranRendu {
  HBITMAP image;  // null when nothing could be rendered
  bool imageIllisible = false;  // the screen names a picture that could not be loaded
  std::vector<talvik::MessageUtilisateur> messages;
  // Where the picture's subject lies in `image`, in 1/10000 of its width
  // and height (left, top, right, bottom); the whole picture when the
  // screen has none or does not pan.
  RECT sujet{0, 0, 10000, 10000};
};

// The size screen `ecran` is rendered at for a saver of `resolution`: the
// resolution itself, or kPanZoomScale times it (lmvengine's
// PanZoomPictureSide) for a pan-and-zoom screen, whose moving window must
// never sample fewer pixels than the display has.
SIZE TailleRendu(const CEcran& ecran, SIZE resolution);

// The entry of the saver's options block for screen `ecran` rendered as
// `rendu`: its transition length (kept in 0.5 .. 5 s), and for a
// pan-and-zoom screen its picture's size and subject. The entry of any
// other screen leaves the picture at the saver's size (0) and no subject.
lmvengine::RecordOptions EntreeEnregistrement(const CEcran& ecran, const EcranRendu& rendu);

// Renders screen `index` of the project as generation does: a new screen
// from the template, the settings of the list item (with its TailleCible),
// the picture loaded (a JPEG that the screen shrinks by half or more comes
// reduced in the DCT domain; `messageChargement` non-zero reports a
// picture that cannot be loaded with "Unable to load file" naming it),
// every stage, caches dropped. A pan-and-zoom screen is rendered whole at
// TailleRendu (AgranditEcran: canvas, picture, border and texts alike).
// The image is null when nothing could be rendered (no picture and no
// background). Nothing is shown: every message comes back in the result.
EcranRendu RendPourGeneration(const CProjet& projet, int index, talvik::CGraphique& graphique,
                              int messageChargement = 0);

// The same for one displayed screen of the generated saver: a screen alone
// as RendPourGeneration, or a pair of portraits side by side (RendPaire),
// both pictures loaded as generation loads them; imageIllisible when
// either picture could not be loaded.
EcranRendu RendGroupePourGeneration(const CProjet& projet, const GroupeEcrans& groupe,
                                    talvik::CGraphique& graphique, int messageChargement = 0);

// Pictures up to this many pixels (32 MP: 128 MB decoded) are loaded side
// by side; bigger ones one at a time.
inline constexpr std::int64_t kPixelsEnParallele = std::int64_t(1) << 25;

// The number of rendering threads generation uses by default: the
// machine's cores, 2 to 4.
int FilsDeRenduParDefaut();

// The groups of project screens a saver shows, in order (see below).
std::vector<GroupeEcrans> GroupesAGenerer(const CProjet& projet);

// The screens the saver shows are the project's screens grouped by the
// pairing rule (GroupesDuProjet with the project's PairePortraits): with
// pairs, screen k of the saver may be two screens of the project. A blank
// screen (EcranBlanc: no picture, no text; never half of a pair) is left
// out.
class CRenduEnAvance {
 public:
  // With `fils` >= 2, that many threads start rendering screens 0, 1, ...
  // at once (falls back to the caller's thread when no thread can be
  // started); with 1, each screen is rendered on the caller's thread when
  // it is asked for. `messageChargement` as for RendPourGeneration.
  CRenduEnAvance(const CProjet& projet, talvik::CGraphique& graphique, int fils,
                 int messageChargement = 0);
  // Stops the threads (after the screens they are rendering) and waits for
  // them.
  ~CRenduEnAvance();
  CRenduEnAvance(const CRenduEnAvance&) = delete;
  CRenduEnAvance& operator=(const CRenduEnAvance&) = delete;

  // How many screens the saver shows, and which project screens each one is.
  int NombreGroupes() const { return int(groupes_.size()); }
  const GroupeEcrans& Groupe(int index) const { return groupes_.at(std::size_t(index)); }

  // Displayed screen `index` (0 to NombreGroupes() - 1), rendered, with
  // its messages; a null image and no message for an index outside them. Indexes must be asked for in
  // order 0, 1, 2...; one asked for out of order is null.
  // The caller drops its previous screen before asking for the next one to
  // keep memory bounded.
  EcranRendu Prend(int index);

 private:
  void Boucle();

  const CProjet& projet_;
  const std::vector<GroupeEcrans> groupes_;
  talvik::CGraphique& graphique_;
  const int capacite_;  // screens rendered or being rendered beyond the caller's
  std::mutex mutex_;
  std::condition_variable cv_;
  bool arret_ = false;
  int prochain_ = 0;          // the next screen a thread takes up
  int attendu_ = 0;           // the next screen the caller asks for
  int enCours_ = 0;           // screens being rendered
  int seulEnAttente_ = 0;     // big pictures waiting for the others to finish
  bool seulEnCours_ = false;  // a big picture is being rendered
  std::map<int, EcranRendu> prets_;
  int messageChargement_ = 0;
  std::vector<std::thread> fils_;
};

}  // namespace lumaveil
