// The picture file format of a path: by its extension, and for the formats
// that phones and web sites bring (HEIF, AVIF, WebP) by its first bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace talvik {

enum class FormatImage { Inconnu, BMP, JPEG, GIF, PNG, TIFF, HEIF, AVIF, WebP };

// By extension. The five first formats by the last three characters of the
// path in upper case (the whole path when shorter): BMP; JPG, PEG, JPE;
// GIF; PNG; TIF, IFF. Then by the extension after the last dot, in any
// case: heic, heif, hif (HEIF); avif (AVIF); webp (WebP). Anything else is
// Inconnu.
FormatImage FormatDuChemin(const std::string& chemin);

// By content, from the first bytes of a file (16 are enough): an ISO media
// file whose "ftyp" box names a HEIF brand (heic, heix, heim, heis, hevc,
// hevx, mif1, msf1) or an AVIF one (avif, avis), or a RIFF file of type
// WEBP. Inconnu for anything else, the older formats included: they go by
// their extension alone.
FormatImage FormatDuContenu(const std::uint8_t* debut, std::size_t taille);

// The format ChargeImage reads the file with: its content when it is
// HEIF, AVIF or WebP whatever its name (a phone's HEIC photo renamed .jpg
// still loads), else its extension (FormatDuChemin). A file that cannot be
// opened goes by its extension.
FormatImage FormatDuFichier(const std::string& chemin);

// One extension that ChargeImage reads, lower case without the dot, and
// the name of its format.
struct ExtensionImage {
  std::string extension;  // "jpg"
  std::string format;     // "JPEG"
};

// Every extension ChargeImage reads, grouped by format in this order: BMP
// (bmp), JPEG (jpg, jpeg, jpe), GIF (gif), PNG (png), TIFF (tif, tiff),
// HEIF (heic, heif, hif), AVIF (avif), WebP (webp). Case does not matter
// when a path is matched against them. For file choosers' filters and for
// accepting dropped files.
const std::vector<ExtensionImage>& ExtensionsLisibles();

// The display name of a format ("JPEG", "HEIF", ...); "" for Inconnu.
const char* NomFormat(FormatImage format);

}  // namespace talvik
