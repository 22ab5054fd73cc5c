#include "codec/jpeg_meta.h"

#include <cstring>

#include "colour/profil_couleur.h"
#include "picture/exif.h"
#include "picture/orientation.h"

namespace talvik::jpeg {

namespace {
constexpr int kApp1 = 0xE1, kApp2 = 0xE2;
constexpr char kIcc[] = "ICC_PROFILE";  // with its final zero: 12 bytes
}  // namespace

void LecteurMeta::Segment(int marqueur, const std::uint8_t* d, std::size_t n) {
  if (!d) return;
  if (marqueur == kApp1 && !exifVu_ && n >= 6 && std::memcmp(d, "Exif\0\0", 6) == 0) {
    exifVu_ = true;
    orientation_ = exif::OrientationExif(d, n);
  } else if (marqueur == kApp2 && n >= 14 && std::memcmp(d, kIcc, sizeof kIcc) == 0) {
    const int rang = d[12], nombre = d[13];
    if (rang < 1 || nombre < 1 || rang > nombre || (nombreIcc_ && nombre != nombreIcc_)) {
      iccAbime_ = true;
      return;
    }
    nombreIcc_ = nombre;
    morceaux_.resize(std::size_t(nombre));
    std::vector<std::uint8_t>& m = morceaux_[std::size_t(rang - 1)];
    if (!m.empty()) iccAbime_ = true;
    m.assign(d + 14, d + n);
  }
}

Meta LecteurMeta::Fin() const {
  Meta r;
  r.orientation = orientation_;
  if (iccAbime_ || nombreIcc_ == 0) return r;
  for (const auto& m : morceaux_) {
    if (m.empty()) return Meta{orientation_, {}};
    r.icc.insert(r.icc.end(), m.begin(), m.end());
  }
  return r;
}

bool ParcoursSegments(const std::uint8_t* d, std::size_t taille,
                      const std::function<bool(int, const std::uint8_t*, std::size_t)>& visite) {
  if (!d || taille < 4 || d[0] != 0xFF || d[1] != 0xD8) return false;
  std::size_t p = 2;
  while (p + 4 <= taille) {
    if (d[p] != 0xFF) return false;
    const std::uint8_t m = d[p + 1];
    if (m == 0xFF) {  // fill byte before a marker
      ++p;
      continue;
    }
    if (m == 0x01 || (m >= 0xD0 && m <= 0xD8)) {  // markers without a length
      p += 2;
      continue;
    }
    if (m == 0xD9 || m == 0xDA) break;  // end of picture, start of the data
    const std::size_t longueur = std::size_t(d[p + 2]) << 8 | d[p + 3];
    if (longueur < 2 || p + 2 + longueur > taille) break;
    if (!visite(m, d + p + 4, longueur - 2)) break;
    p += 2 + longueur;
  }
  return true;
}

Meta LitMeta(const std::uint8_t* d, std::size_t taille) {
  LecteurMeta lecteur;
  // A marker out of place ends the scan with what was read before it.
  if (!d || taille < 4 || d[0] != 0xFF || d[1] != 0xD8) return {};
  ParcoursSegments(d, taille, [&](int m, const std::uint8_t* segment, std::size_t n) {
    lecteur.Segment(m, segment, n);
    return true;
  });
  return lecteur.Fin();
}

Bitmap Applique(const Meta& meta, Bitmap image, int* largeur, int* hauteur) {
  if (!image) return image;
  if (!meta.icc.empty()) couleur::ProfilVersSRGB(image, meta.icc.data(), meta.icc.size());
  if (largeur && hauteur) TailleRedressee(meta.orientation, largeur, hauteur);
  return Redresse(image, meta.orientation);
}

}  // namespace talvik::jpeg
