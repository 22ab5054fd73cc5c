// Number conversion as the C library's atoi/atol do it, without their
// undefined behaviour on overflow: leading white space skipped, optional
// sign, decimal digits up to the first other character, 0 when there are
// none; values beyond the 64-bit range saturate.
#pragma once

#include <string_view>

namespace talvik {

long long ConvertitEntier(std::string_view texte);

}  // namespace talvik
