#include "apercu_scenario/scenario_apercu.h"

#include <limits>

#include "effects.h"

namespace lumaveil {

namespace {

// Whole seconds as timer milliseconds, clamped: a damaged duration can
// neither go negative nor overflow.
int EnMillisecondes(std::int64_t secondes) {
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  if (secondes <= 0) return 0;
  if (secondes > kMax / 1000) return int(kMax);
  return int(secondes * 1000);
}

}  // namespace

lmvengine::Raster RasterDepuisBitmap(const talvik::HBITMAP& image) {
  lmvengine::Raster r;
  if (!image) return r;
  r.width = image.Width();
  r.height = image.Height();
  const std::uint32_t* p = image.Pixels();
  r.pixels.resize(image.PixelCount());
  // The fourth byte is unused in a bitmap; the player's pixels keep it zero.
  for (std::size_t i = 0; i < r.pixels.size(); ++i) r.pixels[i] = p[i] & 0x00FFFFFFu;
  return r;
}

CScenarioApercu::CScenarioApercu(const Parametres& parametres, RenduApercu rendu,
                                 lmvengine::Clock& horloge, lmvengine::Sleeper& pause,
                                 std::function<void()> presente, std::function<void()> pret)
    : parametres_(parametres),
      rendu_(std::move(rendu)),
      horloge_(horloge),
      pause_(pause),
      presente_(std::move(presente)),
      pret_(std::move(pret)) {
  geometrie_ = lmvengine::ComputeGeometry(parametres_.largeurCible, parametres_.hauteurCible,
                                          parametres_.largeurEcran, parametres_.hauteurEcran);
  ecran_ = lmvengine::MakeRaster(parametres_.largeurEcran, parametres_.hauteurEcran,
                                 lmvengine::kClassBackground);
  const bool departValide = parametres_.depart >= 0 && parametres_.depart < parametres_.nombre;
  suivant_ = departValide ? parametres_.depart : 0;
}

CScenarioApercu::~CScenarioApercu() { Arrete(); }

bool CScenarioApercu::Demarre() {
  if (parametres_.nombre < 1 || ecran_.pixels.empty() || travailleur_.joinable() ||
      arretEnCours_)
    return false;
  try {
    travailleur_ = std::thread(&CScenarioApercu::Travail, this);
  } catch (...) {
    return false;
  }
  Signale();
  return true;
}

void CScenarioApercu::Signale() {
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    signale_ = true;
  }
  evenement_.notify_all();
}

void CScenarioApercu::Travail() {
  for (;;) {
    int index = 0;
    int emplacement = 0;
    {
      std::unique_lock<std::mutex> verrou(mutex_);
      occupe_ = false;
      evenement_.wait(verrou, [this] { return signale_; });
      signale_ = false;  // auto-reset
      if (arretTravail_) return;
      occupe_ = true;
      index = suivant_;
      emplacement = aRemplir_;
      // What the slot held was on display until the display step handed it over.
      emplacements_[emplacement] = Emplacement{};
    }
    Emplacement e;
    try {
      EcranApercu ecran = rendu_(index);
      e.image = RasterDepuisBitmap(ecran.image);
      e.duree = ecran.duree;
      e.effet = ecran.effet;
    } catch (...) {
      // Out of memory: nothing to draw and no time to wait; the screen
      // on display stays until the next one.
      e = Emplacement{};
    }
    e.index = index;
    e.pret = true;
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      emplacements_[emplacement] = std::move(e);
      suivant_ = (index + 1) % parametres_.nombre;
    }
    if (pret_) pret_();
  }
}

ResultatAffichage CScenarioApercu::EtapeAffichage() {
  ResultatAffichage resultat;
  if (arretEnCours_) return resultat;
  int emplacement = 0;
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    emplacement = aRemplir_;
    if (!premier_) {
      const std::int64_t ecoule = horloge_.NowSeconds() - afficheA_;
      const int duree = emplacements_[1 - emplacement].duree;
      if (ecoule < duree) {
        resultat.minuterieMs = EnMillisecondes(duree - ecoule);
        return resultat;
      }
    }
    // Still being rendered: its ready report runs this step again.
    if (!emplacements_[emplacement].pret) return resultat;
  }
  // A ready slot is left alone by the worker until the event is signalled
  // again, below: it can be drawn without the lock.
  const Emplacement& e = emplacements_[emplacement];
  const int effet = lmvengine::DrawnEffect(lmvengine::ResolveRandomEffect(
      premier_ ? int32_t{lmvengine::kEffectNone} : int32_t{e.effet}, aleatoire_));
  for (int etape = 1; etape <= lmvengine::EffectStepCount(effet); ++etape) {
    lmvengine::BlitRaster(e.image,
                          lmvengine::PlanEffectStep(effet, etape, geometrie_,
                                                    parametres_.largeurCible,
                                                    parametres_.hauteurCible),
                          ecran_);
    if (presente_) presente_();
    if (lmvengine::EffectPauses(effet)) pause_.SleepMilliseconds(lmvengine::kStepPauseMs);
  }
  resultat.dessine = true;
  resultat.index = e.index;
  resultat.effet = effet;
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    aRemplir_ = 1 - emplacement;
    // The slot now to fill holds the screen drawn before: it is not ready.
    emplacements_[aRemplir_].pret = false;
    afficheA_ = horloge_.NowSeconds();
  }
  if (!arretEnCours_) Signale();
  premier_ = false;
  return resultat;
}

void CScenarioApercu::Arrete() {
  arretEnCours_ = true;
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    arretTravail_ = true;
    signale_ = true;
  }
  evenement_.notify_all();
  // The worker finishes the screen it is rendering, then sees the stop.
  if (travailleur_.joinable()) travailleur_.join();
  std::lock_guard<std::mutex> verrou(mutex_);
  emplacements_[0] = Emplacement{};
  emplacements_[1] = Emplacement{};
}

}  // namespace lumaveil
