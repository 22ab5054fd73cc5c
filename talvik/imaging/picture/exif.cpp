#include "picture/exif.h"

#include <cstring>

namespace talvik::exif {

int OrientationExif(const std::uint8_t* bloc, std::size_t taille) {
  if (!bloc) return 0;
  if (taille >= 6 && std::memcmp(bloc, "Exif\0\0", 6) == 0) {
    bloc += 6;
    taille -= 6;
  }
  LecteurTiff t(bloc, taille);
  std::uint32_t ifd0 = 0, suivant = 0;
  std::uint16_t entrees = 0;
  if (!t.Entete(&ifd0) || !t.Repertoire(ifd0, &entrees, &suivant)) return 0;
  for (std::uint16_t i = 0; i < entrees; ++i) {
    std::uint16_t tag = 0;
    std::uint32_t valeur = 0;
    if (t.Entree(ifd0, i, &tag, &valeur) && tag == 0x0112)
      return valeur >= 1 && valeur <= 8 ? int(valeur) : 0;
  }
  return 0;
}

}  // namespace talvik::exif
