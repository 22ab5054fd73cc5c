// HEIF pictures (HEIC from phones and cameras) and AVIF pictures, read
// with libheif: the primary picture, or the thumbnail item such files
// usually carry beside it.
#pragma once

#include <string>

#include "codec/jpeg_lecture.h"

namespace talvik {

// Decodes the primary picture of the HEIF or AVIF file at `chemin`:
// upright (its rotation and mirror boxes applied), at 8 bits per sample
// whatever its depth, its colours brought to sRGB from its ICC profile or
// nclx box, and a picture with alpha drawn over black. The result's
// largeurFichier and hauteurFichier are the picture's upright size,
// reduction 1. The image is null when the file does not open or does not
// decode (no message), and when its declared size passes kMaxPixels, which
// is refused before anything is allocated for the pixels
// (Bitmap::LastCreateError then says so).
ImageJPEG DecodeHEIF(const std::string& chemin);

// The thumbnail item of the HEIF or AVIF file at `chemin`, decoded as
// DecodeHEIF decodes the picture (upright, sRGB), for lists of many photos:
// image is the thumbnail, largeurFichier and hauteurFichier the upright
// size of the primary picture, reduction how many whole times the
// thumbnail is smaller (at least 2). Null image when the file has no
// thumbnail, when it does not decode, when it is not smaller than the
// picture, or when its proportions differ from the upright picture's by
// more than a pixel of rounding: the picture itself must be decoded then.
// No message is shown.
ImageJPEG DecodeVignetteHEIF(const std::string& chemin);

// The upright size of the primary picture, from the file's boxes alone
// (nothing is decoded). False when the file does not open or is not a
// HEIF or AVIF file libheif reads.
bool TailleHEIF(const std::string& chemin, int* largeur, int* hauteur);

}  // namespace talvik
