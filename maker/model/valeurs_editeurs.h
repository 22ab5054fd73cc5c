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
void AppliqueRecoupe(CEcran& ecran, const RECT& rectangle, SIZE apercu);
// The five values; the step is on for a percentage other than 100 or, by
// size, for a size other than the preview's.
void AppliqueRedimension(CEcran& ecran, const ValeursRedimension& valeurs, SIZE apercu);
void AppliqueCadre(CEcran& ecran, const ValeursCadre& valeurs);
// Pattern, colour and pattern flag; the background step is on.
void AppliqueFond(CEcran& ecran, const ValeursFond& valeurs);

// The values each editor starts from.
ValeursReglage ValeursReglageEcran(const CEcran& ecran);
RECT RectangleRecoupeEcran(const CEcran& ecran, SIZE apercu);
ValeursRedimension ValeursRedimensionEcran(const CEcran& ecran, SIZE apercu);
ValeursCadre ValeursCadreEcran(const CEcran& ecran);
ValeursFond ValeursFondEcran(const CEcran& ecran);

}  // namespace lumaveil
