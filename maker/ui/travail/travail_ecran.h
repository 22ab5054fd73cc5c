// What the per-screen commands need from the working screen: the screen
// itself, the image-operations object, and the commit at an invalidation
// level (render again, copy over the selected list item, mark the project
// modified, forget the last generated screen saver).
#pragma once

#include "ecran.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// Invalidation levels of a commit.
enum NiveauValidation : int {
  kNiveauImage = 0,     // the picture changed
  kNiveauRotation = 1,  // the rotation changed
  kNiveauReglage = 2,   // the colour adjustment changed
  kNiveauSuite = 3,     // any later step (crop, resize, texts, border, background, effect, duration)
};

class ITravailEcran {
 public:
  virtual ~ITravailEcran() = default;
  // False before the application has made its first working screen: the
  // commands then do nothing.
  virtual bool AUnEcranCourant() const { return true; }
  // The working screen EcranCourant.
  virtual CEcran& EcranCourant() = 0;
  virtual talvik::CGraphique& Graphique() = 0;
  // How renderings resize (the application's resize quality).
  virtual lumaveil::Echantillonnage Echantillonnage() const {
    return lumaveil::Echantillonnage::Rapide;
  }
  // Commits EcranCourant at the level, as the change `nom` (a name of
  // projet/noms_changements.h; null: "Change screen").
  virtual void Valide(int niveau, const char* nom = nullptr) = 0;
};

}  // namespace lumaveil
