// The text editor's preview, made without drawing the texts on the whole
// picture: the picture is reduced once, and only the box of each text is
// drawn at the picture's real size, then reduced the same way and set in
// place. The result is, pixel for pixel, the full-size drawing reduced by
// the same nearest-pixel sampling, so captions keep their true scale.
#pragma once

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "dialogs/apercu/echantillon.h"
#include "text/texte.h"

namespace talvik {

// The used texts of `textes` (count `nombre`) drawn in order on `image` as
// EcritureTexteDansImage draws them, seen through EchantillonneImage at
// the size of `reduite`, which must be EchantillonneImage(image, its size).
// A text whose font cannot be loaded is skipped.
HBITMAP ApercuTextes(const HBITMAP& image, const HBITMAP& reduite, const T_TEXTE* textes,
                     int nombre);

}  // namespace talvik
