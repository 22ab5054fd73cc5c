// The values of the picture editors (colour, resize, border, background) and
// what a confirmed editor does to a screen: which fields take the values and
// which use flags turn on or off. Shared by the window's per-screen commands
// and the tests; no user interface.
#pragma once

#include <string>

#include "ecran.h"

namespace lumaveil {

// Colour adjustment, 0..100 each, 50 neutral.
struct ValeursReglage {
  int lumiere = 50;
  int contraste = 50;
  int intensite = 50;
};

// Resizing: by percentage or to a size, keeping the proportions or not.
struct ValeursRedimension {
  talvik::LONG tailleX = 0;
  talvik::LONG tailleY = 0;
  int pourcentage = 100;
  int parPourcentage = 1;
  int conservationProportion = 1;
  int remplissage = 0;        // "Fill the screen"
};

// Border: none, colour or pattern.
enum class ModeCadre { Aucun = 0, Couleur = 1, Motif = 2 };
struct ValeursCadre {
  ModeCadre mode = ModeCadre::Aucun;
  int motif = 25;
  int taille = 5;
  int bordureUtilisation = 0;
  COLORREF couleur = 0;
  COLORREF couleurBordure = 0;
};

// Background on the canvas of the target size.
struct ValeursFond {
  SIZE tailleCible{};         // canvas size (given to the editor, not edited)
  int motif = 25;
  COLORREF couleur = 0x00FFFFFF;
  int motifUtilisation = 0;
  int modeCouleur = 1;        // background on without a pattern (given, not edited)
  int flou = 0;               // "Blurred photo"
};

// What a confirmed editor does to the screen's values and use flags.
// New picture: the picture replaced, crop, rotation and colour flags
// cleared (their values kept); 1 when the picture loaded.
int AppliqueChargement(CEcran& ecran, const std::string& chemin);
// Angle and RotationUtilisation both take the angle (0 turns the step
// off); the crop is turned off.
void AppliqueRotation(CEcran& ecran, int angle);
// The three values; RotationUtilisation set from RotationAngle; the step
// is off when all three are 50.
void AppliqueReglage(CEcran& ecran, const ValeursReglage& valeurs);
// The rectangle; the step is off when it is the whole preview (0, 0, w, h).
// A screen that fills the screen without a crop of its own keeps no crop:
// the rectangle becomes its fill rectangle (RemplissageRectangle), the
// place the user moved the fill to.
void AppliqueRecoupe(CEcran& ecran, const RECT& rectangle, SIZE apercu);
// The five values; the step is on for a percentage other than 100 or, by
// size, for a size other than the preview's. "Fill the screen" sets the
// screen to RemplitEcran (the user's fill rectangle is forgotten) and
// leaves the other values as they were; turning it off keeps the fit.
void AppliqueRedimension(CEcran& ecran, const ValeursRedimension& valeurs, SIZE apercu);
void AppliqueCadre(CEcran& ecran, const ValeursCadre& valeurs);
// Pattern, colour, pattern flag and "Blurred photo"; the background step
// is on.
void AppliqueFond(CEcran& ecran, const ValeursFond& valeurs);

// The values each editor starts from.
ValeursReglage ValeursReglageEcran(const CEcran& ecran);
// A screen that fills the screen without a crop of its own starts from its
// fill rectangle (RectangleRemplissageEcran of `image`, the picture the
// crop editor shows).
RECT RectangleRecoupeEcran(CEcran& ecran, SIZE apercu, const HBITMAP& image);
ValeursRedimension ValeursRedimensionEcran(const CEcran& ecran, SIZE apercu);
ValeursCadre ValeursCadreEcran(const CEcran& ecran);
ValeursFond ValeursFondEcran(const CEcran& ecran);

}  // namespace lumaveil
