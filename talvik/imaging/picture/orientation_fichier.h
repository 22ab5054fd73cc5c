// The orientation a picture file records, whatever its format, for tools
// that report it (the upright picture itself comes from ChargeImage).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace talvik {

// The Exif orientation (1 to 8) the file records: the Exif block of a JPEG
// (APP1), PNG (eXIf) or WebP (EXIF chunk), a TIFF's orientation tag, or
// for HEIF and AVIF the rotation and mirror boxes of the primary picture
// expressed as the Exif value that does the same. 0 when the file records
// none, records a value outside 1..8, or cannot be read.
int OrientationDuFichier(const std::string& chemin);

// The rotation (irot) and mirror (imir) boxes of a HEIF or AVIF file's
// primary item, given whole in memory, as the Exif value that turns the
// stored picture the same way: 1 when the item has neither, 0 when the
// boxes cannot be read.
int OrientationHeif(const std::uint8_t* fichier, std::size_t taille);

}  // namespace talvik
