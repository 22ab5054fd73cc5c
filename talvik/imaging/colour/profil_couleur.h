// Pictures brought into sRGB from the colour space their file declares:
// an embedded ICC profile, or the colour primaries and transfer curve of a
// HEIF/AVIF "nclx" box, converted with Little CMS. A picture that declares
// sRGB (or nothing) keeps its pixels bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/bitmap.h"

namespace talvik::couleur {

// Converts the picture's pixels from the RGB or grey ICC profile to sRGB
// in place (perceptual intent). True when converted, or when the profile
// describes sRGB itself (its primaries and curves match sRGB's to within
// the rounding of profile files): the pixels are then left as they are.
// False, the pixels untouched, for a profile that does not parse or is of
// another colour space.
bool ProfilVersSRGB(Bitmap& image, const std::uint8_t* icc, std::size_t taille);

// The same for colour primaries and transfer characteristics given by
// their ITU-T H.273 codes, as an "nclx" box gives them. BT.709/sRGB
// primaries (1) or unspecified ones (2) with an sRGB-like transfer (1, 2,
// 6, 13, 14, 15) leave the pixels as they are. Known primaries: 1, 4, 5,
// 6, 7, 9, 11 (DCI-P3), 12 (Display P3); transfers: the sRGB-like ones, 4
// (gamma 2.2), 5 (gamma 2.8), 8 (linear). False, pixels untouched, for any
// other code.
bool NclxVersSRGB(Bitmap& image, int primaires, int transfert);

// Turns pixels holding CMYK samples (bytes cyan, magenta, yellow, black in
// memory order, as libjpeg gives them) into sRGB pixels in place. With
// `inverse` the samples are stored inverted (255 is no ink), as Adobe's
// JPEG files have them. With an ICC profile of CMYK space the conversion
// goes through it; without one (or an unusable one) each channel is
// (1 - ink) x (1 - black).
void CmjnVersSRGB(Bitmap& image, bool inverse, const std::uint8_t* icc, std::size_t taille);

}  // namespace talvik::couleur
