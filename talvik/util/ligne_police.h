// A font as a template file's line holds it, both ways: the thirteen
// numbers of the LOGFONT ("%ld" for the five longs, "%d" for the eight
// bytes), each followed by a space, then the face name.
#pragma once

#include <string>

#include "base/wintypes.h"

namespace talvik {

// The value written after a font's key.
std::string LignePolice(const LOGFONTA& police);

// The font read from the value after its key: each number as atoi reads
// it from where the previous one started after the next space (a missing
// number is 0), the face name after the thirteenth space, cut to
// LF_FACESIZE - 1 characters (empty when the line ends before it).
LOGFONTA LitLignePolice(const std::string& valeur);

}  // namespace talvik
