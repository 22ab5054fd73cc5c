// The one way a screen's picture is loaded and the screen rendered whole:
// for generation, the list's thumbnails, the working screen, the rebuild of
// every screen and the command line. The purpose decides how the picture is
// read (whole, or a JPEG reduced in the DCT domain when the result cannot
// show more pixels); the rendering is always the complete one, at level 0.
#pragma once

#include <functional>
#include <string>

#include "ecran.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// What the screen is loaded and rendered for.
enum class PourRendu {
  // A screen of the generated saver: a JPEG that the screen shrinks by half
  // or more is read reduced (ReductionPossible).
  Generation,
  // A thumbnail drawn `echelle` times smaller than the screen: the camera's
  // embedded thumbnail of a JPEG when it has pixels enough (not with a
  // crop), else the JPEG reduced for that scale, a reduction of 8 read from
  // its DC coefficients alone.
  Vignette,
  // The working screen (and a thumbnail made from it), a screen rebuilt for
  // a new resolution or template, the command line's rendering: the whole
  // picture.
  EcranDeTravail,
  Refonte,
  LigneDeCommande,
};

struct DemandeRendu {
  PourRendu pour = PourRendu::EcranDeTravail;
  // How the resize stage samples.
  Echantillonnage echantillonnage = Echantillonnage::Rapide;
  // PourRendu::Vignette: the thumbnail area's scale to the screen (<= 1).
  double echelle = 1.0;
  // A picture that does not load is reported: "Unable to load file" with
  // its path goes through the message hook (talvik::AfficheMessage). An
  // empty path is no failure to report.
  bool signaleEchec = false;
  // Asked once the picture is loaded: false, and the screen is not rendered
  // (a request that no longer counts).
  std::function<bool()> poursuit;
};

// Loads the picture at `chemin` into `ecran` (CEcran::ChargeImage's rules:
// on failure the screen has no picture and keeps its CheminImage), then
// renders it completely at level 0: the result is ecran.ImageFinale, its
// size ecran.TailleFinale. Returns 1 when the picture loaded, 0 otherwise
// (the screen is still rendered: background and texts).
//
// Thread safety: as CEcran::CalculeImageFinale; `ecran` is the caller's,
// `graphique` may be shared with other threads that render.
// The loading half of ChargeEtRendEcran: the picture at `chemin` loaded
// into `ecran` as `demande` asks, a failure reported as it says; 1 when it
// loaded. For renderings that draw several screens at once (a pair).
int ChargeImagePourRendu(CEcran& ecran, const std::string& chemin, const DemandeRendu& demande);

int ChargeEtRendEcran(CEcran& ecran, const std::string& chemin, talvik::CGraphique& graphique,
                      const DemandeRendu& demande);

}  // namespace lumaveil
