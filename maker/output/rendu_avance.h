// The screens of a project rendered in order for generation, either on
// the caller's thread when asked for, or one screen ahead on a second
// thread. Each screen is rendered from a fresh copy of its settings, with
// its picture loaded again and area-averaging resize; the project's own
// screens are not touched. At most two rendered screens exist at a time:
// the one the caller holds and the one rendered ahead, which is started
// only once the caller has taken the previous one. Every picture is
// loaded and rendered on the second thread, so that one picture at a time
// is in memory and the loaders run on one thread only.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "base/message.h"
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
};

// Renders screen `index` of the project as generation does: a new screen
// from the template, the settings of the list item (with its TailleCible),
// the picture loaded (a JPEG that the screen shrinks by half or more comes
// reduced in the DCT domain; `messageChargement` non-zero reports a
// picture that cannot be loaded with "Unable to load file" naming it),
// every stage, caches dropped. The image is null when nothing could be
// rendered (no picture and no background). Nothing is shown: every
// message comes back in the result.
EcranRendu RendPourGeneration(const CProjet& projet, int index, talvik::CGraphique& graphique,
                              int messageChargement = 0);

class CRenduEnAvance {
 public:
  // With `enAvance`, a second thread starts rendering screen 0 at once
  // (falls back to the caller's thread when no thread can be started).
  // `messageChargement` as for RendPourGeneration.
  CRenduEnAvance(const CProjet& projet, talvik::CGraphique& graphique, bool enAvance,
                 int messageChargement = 0);
  // Stops the second thread (after the screen it is rendering) and waits
  // for it.
  ~CRenduEnAvance();
  CRenduEnAvance(const CRenduEnAvance&) = delete;
  CRenduEnAvance& operator=(const CRenduEnAvance&) = delete;

  // Screen `index`, rendered, with its messages; a null image and no
  // message for an index outside the list. Indexes must be asked for in
  // order 0, 1, 2...
  // The caller drops its previous screen before asking for the next one to
  // keep memory at two screens.
  EcranRendu Prend(int index);

 private:
  void Boucle();

  const CProjet& projet_;
  talvik::CGraphique& graphique_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool pret_ = false;     // slot_ holds screen indexSlot_
  bool arret_ = false;
  int indexSlot_ = -1;
  EcranRendu slot_;
  int messageChargement_ = 0;
  std::thread fil_;
};

}  // namespace lumaveil
