#include "apercu_scenario/scenario_apercu.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "effects.h"
#include "motion.h"

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

// A frame every 16 ms: about the rate of a 60 Hz display.
constexpr int kIntervalleImageMs = 16;

std::int64_t MillisecondesMonotones() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int MillisecondesBornees(std::int64_t ms) {
  if (ms <= 0) return 0;
  return ms > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(ms);
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
      pret_(std::move(pret)),
      millisecondes_(MillisecondesMonotones) {
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
      e.entree = ecran.entree;
      e.entree.pictureWidth = e.image.width;
      e.entree.pictureHeight = e.image.height;
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
      if (lmvengine::IsMovingEffect(courant_.effet)) {
        // A moving screen counts its time in milliseconds from its fade.
        const std::int64_t du =
            courant_.debutMs + courant_.fonduMs + std::int64_t(courant_.duree) * 1000;
        const std::int64_t maintenant = millisecondes_();
        if (maintenant < du) {
          resultat.minuterieMs = MillisecondesBornees(du - maintenant);
          return resultat;
        }
      } else {
        const std::int64_t ecoule = horloge_.NowSeconds() - afficheA_;
        const int duree = courant_.duree;
        if (ecoule < duree) {
          resultat.minuterieMs = EnMillisecondes(duree - ecoule);
          return resultat;
        }
      }
    }
    // Still being rendered: its ready report runs this step again.
    if (!emplacements_[emplacement].pret) return resultat;
  }
  // A ready slot is left alone by the worker until the event is signalled
  // again, below: it can be drawn (and its picture taken) without the lock.
  Emplacement& e = emplacements_[emplacement];
  // The first screen comes on without an effect; a pan-and-zoom one pans
  // all the same.
  const int32_t code = premier_ ? (e.effet == lmvengine::kEffectPanZoom
                                       ? int32_t{lmvengine::kEffectPanZoom}
                                       : int32_t{lmvengine::kEffectNone})
                                : lmvengine::ResolveRandomEffect(e.effet, aleatoire_);
  Affiche suivant;
  suivant.index = e.index;
  suivant.duree = e.duree;
  suivant.entree = e.entree;
  if (lmvengine::IsMovingEffect(code)) {
    suivant.effet = code;
    suivant.fonduMs = premier_ ? 0 : e.entree.transitionMs;
    suivant.debutMs = millisecondes_();
    suivant.image = std::move(e.image);
    ancien_ = std::move(courant_);
    courant_ = std::move(suivant);
    DessineImage(courant_.debutMs);
    resultat.imageSuivanteMs = kIntervalleImageMs;
  } else {
    const int effet = lmvengine::DrawnEffect(code);
    for (int etape = 1; etape <= lmvengine::EffectStepCount(effet); ++etape) {
      lmvengine::BlitRaster(e.image,
                            lmvengine::PlanEffectStep(effet, etape, geometrie_,
                                                      parametres_.largeurCible,
                                                      parametres_.hauteurCible),
                            ecran_);
      if (presente_) presente_();
      if (lmvengine::EffectPauses(effet)) pause_.SleepMilliseconds(lmvengine::kStepPauseMs);
    }
    // A pan that was under way stops here: the steps drew over its last frame.
    suivant.effet = effet;
    suivant.debutMs = millisecondes_();
    suivant.image = std::move(e.image);
    ancien_ = Affiche{};
    courant_ = std::move(suivant);
  }
  resultat.dessine = true;
  resultat.index = courant_.index;
  resultat.effet = courant_.effet;
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    aRemplir_ = 1 - emplacement;
    // The slot now to fill held the screen drawn before: it is not ready.
    emplacements_[aRemplir_].pret = false;
    afficheA_ = horloge_.NowSeconds();
  }
  if (!arretEnCours_) Signale();
  premier_ = false;
  return resultat;
}

bool CScenarioApercu::EnMouvement(std::int64_t maintenant) const {
  if (!ancien_.image.pixels.empty() && maintenant < courant_.debutMs + courant_.fonduMs)
    return true;
  return courant_.effet == lmvengine::kEffectPanZoom &&
         maintenant - courant_.debutMs <
             lmvengine::PanPeriodMs(courant_.duree, courant_.entree.transitionMs);
}

lmvengine::FrameLayer CScenarioApercu::Couche(const Affiche& a, std::int64_t maintenant) const {
  lmvengine::FrameLayer couche;
  if (a.image.pixels.empty()) return couche;
  couche.picture = &a.image;
  couche.window =
      a.effet == lmvengine::kEffectPanZoom
          ? lmvengine::PanZoomWindow(
                a.index,
                lmvengine::Progress(maintenant - a.debutMs,
                                    lmvengine::PanPeriodMs(a.duree, a.entree.transitionMs)),
                a.image.width, a.image.height, parametres_.largeurCible,
                parametres_.hauteurCible, a.entree)
          : lmvengine::WholePicture(a.image);
  return couche;
}

void CScenarioApercu::DessineImage(std::int64_t maintenant) {
  const lmvengine::Geometry& g = geometrie_;
  if (g.destWidth <= 0 || g.destHeight <= 0) return;
  if (cadre_.width != g.destWidth || cadre_.height != g.destHeight)
    cadre_ = lmvengine::MakeRaster(g.destWidth, g.destHeight, 0);
  const bool fondu =
      !ancien_.image.pixels.empty() && maintenant < courant_.debutMs + courant_.fonduMs;
  if (fondu) {
    lmvengine::ComposeRows(Couche(ancien_, maintenant), Couche(courant_, maintenant),
                           lmvengine::CrossFadeAlpha(maintenant - courant_.debutMs,
                                                     courant_.fonduMs),
                           cadre_, 0, cadre_.height);
  } else {
    ancien_ = Affiche{};  // the fade is over
    lmvengine::ComposeRows(Couche(courant_, maintenant), lmvengine::FrameLayer{}, 0, cadre_, 0,
                           cadre_.height);
  }
  // The frame into the window's pixels, cut to them.
  const int x0 = std::max(0, g.destX), y0 = std::max(0, g.destY);
  const int x1 = std::min(ecran_.width, g.destX + g.destWidth);
  const int y1 = std::min(ecran_.height, g.destY + g.destHeight);
  for (int y = y0; y < y1; ++y)
    std::copy_n(&cadre_.pixels[std::size_t(y - g.destY) * std::size_t(cadre_.width) +
                               std::size_t(x0 - g.destX)],
                std::max(0, x1 - x0), &ecran_.pixels[std::size_t(y) * std::size_t(ecran_.width) +
                                                     std::size_t(x0)]);
  if (presente_) presente_();
}

int CScenarioApercu::EtapeImage() {
  if (arretEnCours_ || premier_) return 0;
  const std::int64_t maintenant = millisecondes_();
  const bool encore = EnMouvement(maintenant);
  // One last frame at the end of the fade or the pan, so it ends exactly there.
  if (encore || !ancien_.image.pixels.empty() || courant_.effet == lmvengine::kEffectPanZoom)
    DessineImage(maintenant);
  return encore ? kIntervalleImageMs : 0;
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
  ancien_ = Affiche{};
  courant_ = Affiche{};
}

}  // namespace lumaveil
