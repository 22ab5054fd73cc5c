// The size the resize stage gives a picture, in every mode: by percentage,
// to a width and height (keeping the proportions or not), or fitted to the
// screen: the whole picture as large as fits the screen's canvas, its
// proportions kept.
//
// Fitted to the screen is stored in the fields the files already hold: the
// resize step on, by size, with a width and height of 0. The resize editor
// never lets a size of 0 through, so no saved project or template holds
// that combination with another meaning; a screen made this way fits
// whatever TailleCible it is rendered for.
#pragma once

#include "ecran.h"
#include "graphique.h"

namespace lumaveil {

// True when the screen's resize settings say "fitted to the screen" (the
// whole picture, or the screen filled: both are stored as fitted).
bool EstAjusteEcran(const CEcran& ecran);

// Sets the resize settings to "fitted to the screen", the whole picture.
void AjusteEcran(CEcran& ecran);

// "Fill the screen": fitted to the screen, with RedimensionRemplissage on.
// The picture is cut to the screen's proportions around its subject
// (RectangleRemplissageEcran, sujet_ecran.h) and fills the place.
bool EstRemplissageEcran(const CEcran& ecran);

// Sets the resize settings to "Fill the screen"; the user's fill
// rectangle is forgotten.
void RemplitEcran(CEcran& ecran);

// The place a fitted or filling picture takes: PlaceAjustement when set,
// else TailleCible, less the border on each side when the border is on,
// never below 1 x 1.
talvik::CSize PlaceImage(const CEcran& ecran);

// The defaults of a new project's template: every field at its default
// (TailleCible = `tailleCible`), and new screens fitted to the screen.
void ModeleParDefaut(CEcran& modele, SIZE tailleCible);

// The size the resize stage of `ecran` gives a picture that is `avant`
// after rotation and crop (file pixels). Filling the screen: PlaceImage.
// Fitted to the screen: the largest
// size with the picture's proportions (rounded) inside PlaceImage, never
// below 1 x 1. Otherwise
// the percentage or the wanted size, a wanted size above 2000 pixels on
// either axis falling back to `avant`, then set against the proportions
// (CGraphique::ConservationProportion) when they are kept.
talvik::CSize TailleRedimensionnee(const CEcran& ecran, talvik::CSize avant);

}  // namespace lumaveil
