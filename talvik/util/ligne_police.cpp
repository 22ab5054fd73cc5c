#include "ligne_police.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "conversion.h"

namespace talvik {

namespace {

// The thirteen numbers of the line, in its order.
constexpr auto kNombres = std::make_tuple(
    &LOGFONTA::lfHeight, &LOGFONTA::lfWidth, &LOGFONTA::lfEscapement, &LOGFONTA::lfOrientation,
    &LOGFONTA::lfWeight, &LOGFONTA::lfItalic, &LOGFONTA::lfUnderline, &LOGFONTA::lfStrikeOut,
    &LOGFONTA::lfCharSet, &LOGFONTA::lfOutPrecision, &LOGFONTA::lfClipPrecision,
    &LOGFONTA::lfQuality, &LOGFONTA::lfPitchAndFamily);
constexpr int kNombreNombres = int(std::tuple_size_v<decltype(kNombres)>);

}  // namespace

std::string LignePolice(const LOGFONTA& f) {
  std::string ligne;
  std::apply([&](auto... membre) { ((ligne += std::to_string(long(f.*membre)) + ' '), ...); },
             kNombres);
  return ligne + std::string(f.lfFaceName, strnlen(f.lfFaceName, LF_FACESIZE));
}

LOGFONTA LitLignePolice(const std::string& valeur) {
  // Each number starts where the previous one started, after the next
  // space; the face name follows the thirteenth space.
  long long nombres[kNombreNombres] = {};
  std::size_t debut = 0;
  bool complet = true;
  for (int i = 0; i < kNombreNombres; ++i) {
    if (i > 0) {
      std::size_t espace = valeur.find(' ', debut);
      if (espace == std::string::npos) {
        complet = false;
        break;
      }
      debut = espace + 1;
    }
    nombres[i] = ConvertitEntier(std::string_view(valeur).substr(debut));
  }
  std::string face;
  if (complet) {
    std::size_t espace = valeur.find(' ', debut);
    if (espace != std::string::npos) face = valeur.substr(espace + 1);
  }
  LOGFONTA f;
  int i = 0;
  std::apply(
      [&](auto... membre) {
        ((f.*membre = static_cast<std::remove_reference_t<decltype(f.*membre)>>(nombres[i++])),
         ...);
      },
      kNombres);
  std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::memcpy(f.lfFaceName, face.data(), n);
  f.lfFaceName[n] = '\0';
  return f;
}

}  // namespace talvik
