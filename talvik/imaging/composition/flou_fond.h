// The "Blurred photo" background: the screen behind a fitted picture is the
// same picture scaled to fill it, strongly blurred and slightly darkened.
#pragma once

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "base/wintypes.h"

namespace talvik {

// How much the blurred copy keeps of its light, in 256ths.
inline constexpr int kLumiereFlou = 200;

// The blur's standard deviation for a background of `taille`, in its
// pixels: a fortieth of its longer side (48 at 1920 x 1080).
double EcartTypeFlou(CSize taille);

// A taille.cx x taille.cy picture: `image` scaled to cover it (proportions
// kept, centred, what overflows cut evenly on both sides), blurred with a
// near-Gaussian blur of standard deviation EcartTypeFlou(taille), edges
// extended (no dark rim), each channel then multiplied by kLumiereFlou / 256
// (truncated). The blur runs as three box passes each way on a copy about
// EcartTypeFlou / 4.5 times smaller, scaled back up bilinearly; the copy
// is made by averaging the pixels each of its pixels covers. A new picture
// the caller owns; `image` is not changed. Null when `image` is null or a
// size is not positive.
HBITMAP FlouRemplissage(const HBITMAP& image, CSize taille);

// The background of a screen with the "Blurred photo" choice: the
// FlouRemplissage of `image` with `image` itself drawn centred on it at
// ((taille.cx - w) / 2, (taille.cy - h) / 2), truncated toward zero, as
// CGraphique::FondImage centres it (cut when larger); with `transparent`
// its pixels of the colour `cle` are not drawn. Null as FlouRemplissage.
HBITMAP FondFlouImage(CSize taille, const HBITMAP& image, int transparent, COLORREF cle);

}  // namespace talvik
