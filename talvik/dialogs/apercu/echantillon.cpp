#include "dialogs/apercu/echantillon.h"

#include <vector>

namespace talvik {

HBITMAP EchantillonneImage(const HBITMAP& image, CSize taille) {
  if (!image || taille.cx <= 0 || taille.cy <= 0) return {};
  HBITMAP resultat = Bitmap::CreateUninitialized(int(taille.cx), int(taille.cy));
  if (!resultat) return {};
  const long W = image.Width(), H = image.Height();
  std::vector<long> colonnes(std::size_t(taille.cx));
  for (long x = 0; x < taille.cx; ++x) colonnes[std::size_t(x)] = SourceEchantillon(x, W, taille.cx);
  for (long y = 0; y < taille.cy; ++y) {
    const std::uint32_t* source = image.Row(int(SourceEchantillon(y, H, taille.cy)));
    std::uint32_t* ligne = resultat.Row(int(y));
    for (long x = 0; x < taille.cx; ++x) ligne[x] = source[colonnes[std::size_t(x)]];
  }
  return resultat;
}

}  // namespace talvik
