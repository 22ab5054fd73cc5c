// The FreeType face behind a font record, sized and ready to draw. Faces
// are kept in a small cache; every use must hold VerrouTexte() because
// FreeType objects are not shared across threads.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <mutex>

#include "base/wintypes.h"

namespace talvik::texte {

struct Face {
  FT_Face ft = nullptr;
  bool emboldir = false;  // the family has no bold face: embolden outlines
  bool incliner = false;  // the family has no italic face: slant outlines
  int ascent = 0;         // pixels above the baseline
  int descent = 0;        // pixels below it
  int soulignement = 0;   // top of the underline, pixels below the baseline
  int epaisseurSoulignement = 1;
  int barre = 0;          // top of the strike-out line, pixels above the baseline
  int epaisseurBarre = 1;
};

std::mutex& VerrouTexte();

// The face for the record at its size, or null when no face loads. Call
// with VerrouTexte() held; the face stays valid while it is held.
Face* FacePour(const LOGFONT& police);

}  // namespace talvik::texte
