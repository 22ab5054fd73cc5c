// The screens of a project rendered in order for generation, either on
// the caller's thread when asked for, or ahead on a second thread. Each
// screen is rendered from a fresh copy of its settings with its picture
// loaded again and area-averaging resize; the project's own screens are
// not touched.
//
// With the second thread the work of one screen is split: the caller's
// thread loads the picture of the next screen while the second thread
// renders the current one (every picture load stays on one thread, as the
// loaders require), and the caller then encodes the current screen while
// the next one is rendered. At most two rendered screens exist at a time:
// the one the caller holds and the one being rendered, which is started
// only once the caller has taken the previous one.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "projet.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// Screen `index` of the project made ready for rendering as generation
// does: a new screen from the template with the settings of the list item
// (its TailleCible included) and its picture loaded.
std::unique_ptr<CEcran> PrepareEcran(const CProjet& projet, int index);

// Renders a prepared screen with every stage; its caches go with it. Null
// when nothing could be rendered (no picture and no background).
HBITMAP RendEcranPrepare(std::unique_ptr<CEcran> ecran, talvik::CGraphique& graphique);

// Both steps on the calling thread.
HBITMAP RendPourGeneration(const CProjet& projet, int index, talvik::CGraphique& graphique);

class CRenduEnAvance {
 public:
  // With `enAvance`, a second thread renders (falls back to the caller's
  // thread when no thread can be started).
  CRenduEnAvance(const CProjet& projet, talvik::CGraphique& graphique, bool enAvance);
  // Stops the second thread (after the screen it is rendering) and waits
  // for it.
  ~CRenduEnAvance();
  CRenduEnAvance(const CRenduEnAvance&) = delete;
  CRenduEnAvance& operator=(const CRenduEnAvance&) = delete;

  // Screen `index`, rendered; null for an index outside the list. Indexes
  // must be asked for in order 0, 1, 2, ... The caller drops its previous
  // screen before asking for the next one, to keep memory at two screens.
  HBITMAP Prend(int index);

 private:
  void Boucle();
  // Hands a prepared screen to the second thread once it has taken the
  // previous one.
  void Fournit(int index);

  const CProjet& projet_;
  talvik::CGraphique& graphique_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool arret_ = false;
  std::unique_ptr<CEcran> source_;  // prepared screen waiting to be rendered
  int indexSource_ = -1;
  int fourni_ = -1;                 // last index handed over
  bool pret_ = false;               // rendu_ holds screen indexRendu_
  int indexRendu_ = -1;
  HBITMAP rendu_;
  int profondeur_ = 32;             // display depth, taken on the caller's thread
  std::thread fil_;
};

}  // namespace lumaveil
