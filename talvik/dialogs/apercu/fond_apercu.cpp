#include "dialogs/apercu/fond_apercu.h"

namespace talvik {

namespace {

HBITMAP DessineFond() {
  HBITMAP fond = Bitmap::CreateUninitialized(kLargeurFondApercu, kHauteurFondApercu);
  if (!fond) return fond;
  constexpr int kCase = 10;  // side of a square, pixels
  for (int y = 0; y < kHauteurFondApercu; ++y) {
    std::uint32_t* ligne = fond.Row(y);
    // A slight vertical shading keeps the squares from looking flat.
    const int ombre = 8 * y / kHauteurFondApercu;
    for (int x = 0; x < kLargeurFondApercu; ++x) {
      const bool clair = ((x / kCase) + (y / kCase)) % 2 == 0;
      const int v = (clair ? 0xDC : 0xC8) - ombre;
      ligne[x] = std::uint32_t(v) * 0x010101u;
    }
  }
  return fond;
}

}  // namespace

const HBITMAP& FondApercu() {
  static const HBITMAP fond = DessineFond();
  return fond;
}

}  // namespace talvik
