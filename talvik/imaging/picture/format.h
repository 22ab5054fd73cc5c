// The picture file format chosen by a path's extension.
#pragma once

#include <string>

namespace talvik {

enum class FormatImage { Inconnu, BMP, JPEG, GIF, PNG, TIFF };

// The last three characters of the path in upper case (the whole path
// when shorter): BMP; JPG, PEG, JPE; GIF; PNG; TIF, IFF. Anything else is
// Inconnu.
FormatImage FormatDuChemin(const std::string& chemin);

}  // namespace talvik
