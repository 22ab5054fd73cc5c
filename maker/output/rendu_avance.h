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

#include "projet.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// Renders screen `index` of the project as generation does: a new screen
// from the template, the settings of the list item (with its TailleCible),
// the picture loaded (a JPEG that the screen shrinks by half or more comes
// reduced in the DCT domain), every stage, caches dropped. Null when nothing could
// be rendered (no picture and no background).
HBITMAP RendPourGeneration(const CProjet& projet, int index, talvik::CGraphique& graphique);

class CRenduEnAvance {
 public:
  // With `enAvance`, a second thread starts rendering screen 0 at once
  // (falls back to the caller's thread when no thread can be started).
  CRenduEnAvance(const CProjet& projet, talvik::CGraphique& graphique, bool enAvance);
  // Stops the second thread (after the screen it is rendering) and waits
  // for it.
  ~CRenduEnAvance();
  CRenduEnAvance(const CRenduEnAvance&) = delete;
  CRenduEnAvance& operator=(const CRenduEnAvance&) = delete;

  // Screen `index`, rendered; null for an index outside the list. Indexes
  // must be asked for in order 0, 1, 2...
  // The caller drops its previous screen before asking for the next one to
  // keep memory at two screens.
  HBITMAP Prend(int index);

 private:
  void Boucle();

  const CProjet& projet_;
  talvik::CGraphique& graphique_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool pret_ = false;     // slot_ holds screen indexSlot_
  bool arret_ = false;
  int indexSlot_ = -1;
  HBITMAP slot_;
  std::thread fil_;
};

}  // namespace lumaveil
