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
// other value decodes at full size). Greyscale files give grey pixels.
// Pixels are written once, row by row, with the unused byte 0. The image
// is null when the file does not open (no message), is not a JPEG, is
// damaged or truncated, or has other than 1 or 3 components; fatal errors
// and the first warning are reported as JpegFile reports them.
ImageJPEG DecodeJPEG(const std::string& chemin, int reduction = 1);

// The same for a JPEG held in memory (`taille` bytes at `donnees`), without
// any message: the image is null when the bytes do not decode.
ImageJPEG DecodeJPEGMemoire(const std::uint8_t* donnees, std::size_t taille, int reduction = 1);

// Size of the picture in a JPEG file, from its header only. False when the
// file does not open or its header is not readable (no message).
bool TailleJPEG(const std::string& chemin, int* largeur, int* hauteur);

}  // namespace talvik
