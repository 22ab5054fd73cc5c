// The subject of a photo, and the crop that fills a screen around it.
#pragma once

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "base/wintypes.h"

namespace talvik {

// What the subject search found.
struct Sujet {
  RECT rectangle{};     // picture pixels of the searched picture; empty: nothing
  bool visages = false;  // the rectangle frames faces (else the attention zone)
};

// Long side, in pixels, of the copy the subject is searched on.
inline constexpr int kCoteRecherche = 512;

// The subject of `image`: the faces it shows first (DetecteVisages on a
// copy of at most kCoteRecherche pixels on its long side, area-averaged):
// every face at least a third the width of the largest, each widened by a
// fifth of its width on both sides, a third of its height above (hair) and
// a quarter below (chin), their union inside the picture. Without faces,
// ZoneAttention of the same copy. Picture pixels of `image`, rounded
// outward. The empty subject for a null picture. A few tens of
// milliseconds for a 12 MP photo; `image` is not changed.
Sujet ChercheSujet(const HBITMAP& image);

// The crop of a `image`-sized picture that fills a screen of `ecran`'s
// proportions: the largest rectangle of those proportions (its free side
// rounded to the nearest pixel, at least 1) inside the picture, placed so
// that its centre is the subject's centre on the free axis, then moved
// back inside the picture. An empty subject centres it. A picture already
// of the screen's proportions gives itself.
RECT RectangleRemplissage(CSize image, CSize ecran, RECT sujet);

}  // namespace talvik
