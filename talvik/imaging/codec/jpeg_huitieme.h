// A JPEG file decoded at one eighth of its size from the DC coefficient of
// each block alone, its entropy-coded data read by two threads at once:
// for thumbnails of large photos, where libjpeg's own reduction spends most
// of its time on one core decoding coefficients the reduction then drops.
#pragma once

#include <string>

#include "codec/jpeg_lecture.h"

namespace talvik {

// Decodes the file at `chemin` at one eighth, as DecodeJPEG(chemin, 8)
// does: the same size, the same luminance, and the colour converted the
// same way; only the colour of pictures whose colour is sampled at half
// resolution is taken from its DC coefficients too, so it is a little
// softer. The picture comes in sRGB and upright, as from DecodeJPEG.
// Handles baseline files with one scan of one (grey) or three
// (YCbCr) components, the first sampled once or twice in each direction
// and the others once, with or without restart markers. The image is null
// for any other file (progressive, arithmetic-coded, CMYK...) and for a
// damaged or truncated one, which the caller then gives to DecodeJPEG.
// No message is shown.
ImageJPEG DecodeJPEGHuitieme(const std::string& chemin);

}  // namespace talvik
