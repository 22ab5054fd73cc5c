// Two portrait screens shown side by side on one landscape screen (see
// paires_portraits.h for which screens pair).
#pragma once

#include "chargement_rendu.h"
#include "ecran.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// The gap between the two pictures of a pair on a screen `largeur` pixels
// wide: a ninety-sixth of it (20 at 1920), at least 2.
talvik::LONG EcartPaire(talvik::LONG largeur);

// Renders the pair: a `gauche`.TailleCible picture whose left half
// (TailleCible.cx / 2 wide) is `gauche` rendered completely for that half
// (its own background, texts placed in the half) and whose right half is
// `droite` rendered for the rest. Each picture is fitted into
// (TailleCible.cx - EcartPaire) / 2 by the full height, both then brought
// to the lower of their two heights (proportions kept), and drawn against
// the middle: their inner sides EcartPaire apart, centred vertically.
// Both pictures must be loaded (ImageSource); each screen keeps its
// settings; its ImageFinale is then its half, and its PlacementImage says
// where its picture landed in the pair (its left half's pixels plus, for
// `droite`, the width of the left half). Null when the result cannot be
// made.
HBITMAP RendPaire(CEcran& gauche, CEcran& droite, talvik::CGraphique& graphique,
                  Echantillonnage echantillonnage);

// Loads both pictures as `demande` asks (ChargeImagePourRendu) and renders
// the pair; `*charges` receives how many of the two pictures loaded. A pair
// one of whose pictures does not load is rendered all the same (that half
// shows its background and texts).
HBITMAP ChargeEtRendPaire(CEcran& gauche, CEcran& droite, talvik::CGraphique& graphique,
                          const DemandeRendu& demande, int* charges = nullptr);

}  // namespace lumaveil
