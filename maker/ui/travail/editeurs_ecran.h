// The editors that the per-screen commands open, behind one interface:
// each opens its dialog modally with the values it is given and returns 1
// with the values changed when the user confirms, 0 (values untouched)
// when he cancels. CEditeursQt is the window's implementation; tests give
// their own.
#pragma once

#include <string>

#include "base/bitmap.h"
#include "effets_transition.h"
#include "valeurs_editeurs.h"

namespace lumaveil {

using talvik::HBITMAP;

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
  // The effect and the length of its cross-fade.
  virtual int EditeEffet(ValeursEffet& valeurs) = 0;
  virtual int EditeDuree(int& duree) = 0;
};

}  // namespace lumaveil
