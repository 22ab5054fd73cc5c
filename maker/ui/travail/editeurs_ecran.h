// The editors that the per-screen commands open, behind one interface:
// each opens its dialog modally with the values it is given and returns 1
// with the values changed when the user confirms, 0 (values untouched)
// when he cancels. CEditeursQt is the window's implementation; tests give
// their own.
#pragma once

#include <string>

#include "base/bitmap.h"
#include "ecran.h"

namespace lumaveil {

using talvik::HBITMAP;

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

class IEditeursEcran {
 public:
  virtual ~IEditeursEcran() = default;

  // The picture chooser (default extension ".jpg", the picture filter, an
  // existing file); chemin holds the initial name and receives the choice.
  virtual int ChoixImage(std::string& chemin) = 0;
  // Each editor receives the preview (the screen rendered up to the step
  // before the edit) and its size.
  virtual int EditeRotation(const HBITMAP& apercu, SIZE taille, int& angle) = 0;
  virtual int EditeReglage(const HBITMAP& apercu, SIZE taille, ValeursReglage& valeurs) = 0;
  virtual int EditeRecoupe(const HBITMAP& apercu, SIZE taille, RECT& rectangle) = 0;
  virtual int EditeRedimension(const HBITMAP& apercu, SIZE taille,
                               ValeursRedimension& valeurs) = 0;
  virtual int EditeTextes(const HBITMAP& apercu, SIZE taille,
                          T_TEXTE (&textes)[kNombreTextes]) = 0;
  virtual int EditeCadre(const HBITMAP& apercu, SIZE taille, ValeursCadre& valeurs) = 0;
  virtual int EditeFond(const HBITMAP& apercu, SIZE taille, ValeursFond& valeurs) = 0;
  virtual int EditeEffet(int& effet) = 0;
  virtual int EditeDuree(int& duree) = 0;
};

}  // namespace lumaveil
