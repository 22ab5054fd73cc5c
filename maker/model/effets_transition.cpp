#include "effets_transition.h"

namespace lumaveil {

std::optional<int> LitEffet(const std::string& texte) {
  if (texte == "cross-fade") return kEffetFondu;
  if (texte == "pan-zoom") return kEffetPanoramique;
  if (texte.empty() || texte.size() > 2) return std::nullopt;
  int code = 0;
  for (char c : texte) {
    if (c < '0' || c > '9') return std::nullopt;
    code = code * 10 + (c - '0');
  }
  if (code >= kNombreCodesEffet) return std::nullopt;
  return code;
}

std::optional<int> LitDureeTransition(const std::string& texte) {
  // Digits with at most one point, read by hand: no sign, exponent, "inf"
  // or "nan", and the same whatever the locale's decimal mark.
  long ms = 0;
  int chiffres = 0;
  int decimales = -1;  // digits after the point; -1 before it
  for (char c : texte) {
    if (c == '.') {
      if (decimales >= 0) return std::nullopt;
      decimales = 0;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    if (++chiffres > 9) return std::nullopt;
    if (decimales >= 3) continue;  // below a millisecond: dropped
    ms = ms * 10 + (c - '0');
    if (decimales >= 0) ++decimales;
  }
  if (chiffres == 0) return std::nullopt;
  for (int d = decimales < 0 ? 0 : decimales; d < 3; ++d) ms *= 10;
  if (ms < kDureeTransitionMinMs || ms > kDureeTransitionMaxMs) return std::nullopt;
  return int(ms);
}

}  // namespace lumaveil
