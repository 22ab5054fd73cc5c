// The 50 built-in patterns of the pattern bank, made by code: each has a
// fixed size and is drawn the same way on every run.
#pragma once

#include "base/bitmap.h"
#include "base/mfctypes.h"

namespace talvik {

inline constexpr int kNombreMotifsIntegres = 50;

// Size of built-in pattern n (0-49); 0 x 0 outside that range.
CSize TailleMotifIntegre(int n);

// A short English name of pattern n ("" outside the range).
const char* NomMotifIntegre(int n);

// A new bitmap of built-in pattern n at its size; null outside 0-49. The
// pattern tiles without a seam.
HBITMAP GenereMotifIntegre(int n);

}  // namespace talvik
