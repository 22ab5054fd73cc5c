// Decoding a JPEG file straight into a picture's rows, optionally reduced
// in the DCT domain.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/bitmap.h"

namespace talvik {

// Reductions libjpeg can apply while decoding: 1 (none), 2, 4 or 8.
inline constexpr int kReductionsJPEG[] = {8, 4, 2, 1};

struct ImageJPEG {
  Bitmap image;           // null on failure
  int largeurFichier = 0;  // size of the picture in the file, before reduction
  int hauteurFichier = 0;
  int reduction = 1;      // factor applied: the picture is ceil(size / reduction)
};

// Decodes the file at `chemin`. With `reduction` 2, 4 or 8 libjpeg scales
// each 8 x 8 block in the DCT domain, so the picture comes out
// ceil(W / reduction) x ceil(H / reduction) at a fraction of the cost (any
// other value decodes at full size). Greyscale files give grey pixels;
// CMYK and YCCK files (inks stored inverted when an Adobe segment says
// so) are turned into colours through their ICC profile, or without one
// as (1 - ink) x (1 - black). The picture comes in sRGB (an embedded ICC
// profile of another space is converted) and upright (the Exif
// orientation applied; an orientation outside 1..8 or a damaged Exif block
// leaves it as stored): largeurFichier and hauteurFichier are the upright
// size. The image is null when the file does not open (no message), is
// not a JPEG, is damaged or truncated, or has another number of
// components; fatal errors and the first warning are reported as JpegFile
// reports them.
ImageJPEG DecodeJPEG(const std::string& chemin, int reduction = 1);

// The same for a JPEG held in memory (`taille` bytes at `donnees`), without
// any message: the image is null when the bytes do not decode. Without
// `metadonnees` the bytes' own orientation and profile are not applied
// (for a thumbnail that follows the file holding it).
ImageJPEG DecodeJPEGMemoire(const std::uint8_t* donnees, std::size_t taille, int reduction = 1,
                            bool metadonnees = true);

// Upright size of the picture in a JPEG file (width and height swapped
// when its Exif orientation turns it a quarter), from its header only.
// False when the file does not open or its header is not readable (no
// message).
bool TailleJPEG(const std::string& chemin, int* largeur, int* hauteur);

}  // namespace talvik
