// The pixel count a picture file declares in its header, read without
// decoding it: what a caller needs to know before it decides how many
// pictures it may hold in memory at once.
#pragma once

#include <cstdint>
#include <string>

namespace talvik {

// Width times height as the header of the file declares them, for the
// formats whose header gives them in a few bytes (JPEG, HEIF/AVIF, PNG,
// WebP); 0 for any other format, an unreadable header or a file that does
// not open. The picture itself may still fail to load.
std::int64_t PixelsDeclares(const std::string& chemin);

// The upright width and height the header declares, for the same formats
// (swapped when the file's Exif orientation turns the picture a quarter);
// false, and 0 x 0, when PixelsDeclares would say 0.
bool TailleDeclaree(const std::string& chemin, int* largeur, int* hauteur);

}  // namespace talvik
