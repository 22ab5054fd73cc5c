// The full-screen preview of a project, without its window: two screen
// slots, a worker thread that renders the next screen into the slot to
// fill while the other slot is on display, and the display step that draws
// a ready slot with the player's transitions, timing and random generator
// (the player core's own code: geometry, effect plans, generator, blits).
//
// Hand-over between the display thread (the one that calls Demarre,
// EtapeAffichage and Arrete) and the worker:
// - an auto-reset event asks the worker for the next screen (or to end);
// - `pret` (given to the constructor) is called on the worker when the
//   slot to fill is ready: the caller posts it to the display thread and
//   runs EtapeAffichage there;
// - a busy flag and a stop flag let Arrete wait until the worker no longer
//   touches a slot and end it.
// A slot is drawn only once the worker has reported it ready: a timer that
// comes while the next screen is still being rendered draws nothing, and
// the ready report then draws it at once.
//
// The moving effects (cross-fade, pan and zoom) are drawn frame by frame
// with the player core's frame code (motion.h, frame_compositor.h) on a
// millisecond clock: the display step draws their first frame and asks for
// the next one (ResultatAffichage::imageSuivanteMs), and EtapeImage draws
// each following frame at the time it is called, until the fade has ended
// and the pan, if any, has reached its end.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "base/bitmap.h"
#include "frame_compositor.h"
#include "geometry.h"
#include "options_block.h"
#include "platform.h"
#include "random.h"
#include "soft_raster.h"

namespace lumaveil {

// One screen of the project as the preview needs it.
struct EcranApercu {
  talvik::HBITMAP image;  // the screen rendered at the target size (a pan-and-zoom
                          // screen larger); null: nothing drawn
  int duree = 0;          // DureeAffichage, seconds
  int effet = 0;          // EffetTransition, 0..10 (Random unresolved)
  lmvengine::RecordOptions entree;  // its transition length and subject, as the saver's
};

// Renders screen `index` of the project; called on the worker thread.
using RenduApercu = std::function<EcranApercu(int index)>;

// What one run of the display step did.
struct ResultatAffichage {
  bool dessine = false;  // a screen was drawn:
  int index = -1;        //   its index in the list
  int effet = 0;         //   the effect drawn (Random resolved, unknown codes as 0)
  int minuterieMs = 0;   // > 0: arm the timer for this many milliseconds
  int imageSuivanteMs = 0;  // > 0: call EtapeImage in this many milliseconds
};

// The picture as the player's surfaces hold it (0x00RRGGBB, rows top-down).
lmvengine::Raster RasterDepuisBitmap(const talvik::HBITMAP& image);

class CScenarioApercu {
 public:
  struct Parametres {
    int nombre = 0;        // screens in the list
    int depart = 0;        // index of the first screen shown (-1 or outside: 0)
    int largeurEcran = 0;  // the display, pixels
    int hauteurEcran = 0;
    int largeurCible = 0;  // ResolutionCible: the size of every rendered screen
    int hauteurCible = 0;
  };

  // `horloge` gives calendar seconds, `pause` blocks between transition
  // steps, `presente` shows Ecran() after each blit (display thread), `pret`
  // reports a ready slot (worker thread). The display starts with the
  // class background.
  CScenarioApercu(const Parametres& parametres, RenduApercu rendu, lmvengine::Clock& horloge,
                  lmvengine::Sleeper& pause, std::function<void()> presente,
                  std::function<void()> pret);
  // Arrete() when still running.
  ~CScenarioApercu();
  CScenarioApercu(const CScenarioApercu&) = delete;
  CScenarioApercu& operator=(const CScenarioApercu&) = delete;

  // Starts the worker and asks it for the first screen. Returns false when
  // there is nothing to show (no screen, no display) or no thread starts.
  bool Demarre();

  // The display step, on the ready report or the timer. Draws nothing once
  // stopping. Before the screen on display has had its whole seconds,
  // returns the milliseconds still due. Otherwise, when the slot to fill is
  // ready, draws it (without effect the first time), makes the other slot
  // the one to fill and asks the worker for the following screen.
  ResultatAffichage EtapeAffichage();

  // The next frame of a moving effect, drawn for the time it is now.
  // Returns the milliseconds until the frame after it, 0 when the screen
  // has come to rest (nothing more to draw until the next display step).
  int EtapeImage();

  // The millisecond clock of the moving effects (by default the system's
  // monotonic clock); set before Demarre.
  void FixeHorlogeMs(std::function<std::int64_t()> millisecondes) {
    millisecondes_ = std::move(millisecondes);
  }

  // Stops: no more drawing, the worker ends after the screen it is
  // rendering, and this waits for it. Safe to call more than once.
  void Arrete();

  bool ArretEnCours() const { return arretEnCours_; }
  const lmvengine::Raster& Ecran() const { return ecran_; }
  const lmvengine::Geometry& Geometrie() const { return geometrie_; }

 private:
  struct Emplacement {
    lmvengine::Raster image;  // the rendered screen (empty: nothing to draw)
    int duree = 0;
    int effet = 0;
    lmvengine::RecordOptions entree;
    int index = -1;
    bool pret = false;        // rendered and reported; the worker no longer touches it
  };

  // A screen as the display shows it (display thread only).
  struct Affiche {
    lmvengine::Raster image;
    int index = -1;
    int effet = 0;             // as drawn: Random resolved
    int duree = 0;             // seconds
    lmvengine::RecordOptions entree;
    std::int64_t debutMs = 0;  // when it began to come on
    int fonduMs = 0;           // its cross-fade (0: it came on at once)
  };

  void Travail();
  void Signale();  // sets the auto-reset event
  bool EnMouvement(std::int64_t maintenant) const;
  lmvengine::FrameLayer Couche(const Affiche& a, std::int64_t maintenant) const;
  void DessineImage(std::int64_t maintenant);

  Parametres parametres_;
  RenduApercu rendu_;
  lmvengine::Clock& horloge_;
  lmvengine::Sleeper& pause_;
  std::function<void()> presente_;
  std::function<void()> pret_;

  lmvengine::Geometry geometrie_;
  lmvengine::Raster ecran_;     // the window's pixels
  lmvengine::Random aleatoire_;  // effect 7's choices, from 1 for each preview

  std::mutex mutex_;
  std::condition_variable evenement_;
  bool signale_ = false;      // the auto-reset event
  bool arretTravail_ = false;  // the worker ends at its next wake-up
  bool occupe_ = false;       // the worker is rendering
  Emplacement emplacements_[2];
  int aRemplir_ = 0;          // the slot the worker fills; the other is on display
  int suivant_ = 0;           // index of the next screen to render

  std::function<std::int64_t()> millisecondes_;
  Affiche courant_;            // the screen on display
  Affiche ancien_;             // the one it fades from, while it fades
  lmvengine::Raster cadre_;    // a moving frame, the size of the drawn rectangle

  bool premier_ = true;       // nothing drawn yet
  bool arretEnCours_ = false;
  std::int64_t afficheA_ = 0;  // calendar seconds when the screen on display was drawn
  std::thread travailleur_;
};

}  // namespace lumaveil
