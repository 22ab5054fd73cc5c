#include "codec/exif_vignette.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "codec/jpeg_meta.h"
#include "picture/exif.h"
#include "picture/fichier.h"

namespace talvik {

namespace {

// An Exif block lives in one APP1 segment (at most 64 KiB) near the start
// of the file, before the tables and the frame header: this much of the
// file holds it and the frame header in every file that has one, with room
// for a JFIF header, an ICC profile or other segments before it.
constexpr std::size_t kTeteLue = 192 * 1024;

constexpr std::uint16_t kTagCompression = 0x0103;
constexpr std::uint16_t kTagDebutVignette = 0x0201;   // JPEGInterchangeFormat
constexpr std::uint16_t kTagLongueurVignette = 0x0202;  // JPEGInterchangeFormatLength
constexpr std::uint32_t kCompressionJPEG = 6;

std::uint16_t Grand16(const std::uint8_t* p) { return std::uint16_t(p[0] << 8 | p[1]); }

// The thumbnail named by the second directory (IFD1) of an Exif block's
// TIFF structure: its offset and length from the structure's start.
bool VignetteDuBloc(const std::uint8_t* tiff, std::size_t n, std::uint32_t* debut,
                    std::uint32_t* longueur) {
  exif::LecteurTiff t(tiff, n);
  std::uint32_t ifd0 = 0, ifd1 = 0;
  std::uint16_t entrees = 0;
  if (!t.Entete(&ifd0) || !t.Repertoire(ifd0, &entrees, &ifd1) || ifd1 == 0 || ifd1 == ifd0 ||
      !t.Repertoire(ifd1, &entrees, &ifd0))
    return false;
  std::uint32_t compression = kCompressionJPEG;
  *debut = *longueur = 0;
  for (std::uint16_t i = 0; i < entrees; ++i) {
    std::uint16_t tag = 0;
    std::uint32_t valeur = 0;
    if (!t.Entree(ifd1, i, &tag, &valeur)) continue;
    if (tag == kTagCompression) compression = valeur;
    else if (tag == kTagDebutVignette) *debut = valeur;
    else if (tag == kTagLongueurVignette) *longueur = valeur;
  }
  return compression == kCompressionJPEG && *debut > 0 && *longueur >= 4 &&
         std::uint64_t(*debut) + *longueur <= n;
}

bool EstDebutDeTrame(std::uint8_t m) {
  // SOF0..SOF15, less DHT (C4), JPG (C8) and DAC (CC).
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

}  // namespace

bool LitEnteteExif(const std::uint8_t* d, std::size_t taille, EnteteExif* entete) {
  EnteteExif lu;
  bool vignette = false, trame = false;
  const bool lisible =
      jpeg::ParcoursSegments(d, taille, [&](int m, const std::uint8_t* segment, std::size_t n) {
        if (m == 0xE1 && !vignette && n >= 6 && std::memcmp(segment, "Exif\0\0", 6) == 0) {
          std::uint32_t debut = 0, longueurVignette = 0;
          if (VignetteDuBloc(segment + 6, n - 6, &debut, &longueurVignette)) {
            lu.debut = std::size_t(segment + 6 - d) + debut;
            lu.longueur = longueurVignette;
            vignette = true;
          }
        } else if (EstDebutDeTrame(std::uint8_t(m)) && !trame && n >= 5) {
          lu.hauteur = Grand16(segment + 1);
          lu.largeur = Grand16(segment + 3);
          trame = true;
        }
        return !(vignette && trame);
      });
  if (!lisible || !vignette || !trame || lu.largeur <= 0 || lu.hauteur <= 0) return false;
  if (entete) *entete = lu;
  return true;
}

ImageJPEG DecodeVignetteExif(const std::string& chemin) {
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f) return {};
  std::vector<std::uint8_t> tete(kTeteLue);
  tete.resize(std::fread(tete.data(), 1, tete.size(), f.get()));
  EnteteExif e;
  if (!LitEnteteExif(tete.data(), tete.size(), &e)) return {};
  // The thumbnail is stored as the picture is: the file's orientation and
  // profile apply to it, not any of its own.
  ImageJPEG v = DecodeJPEGMemoire(tete.data() + e.debut, e.longueur, 1, false);
  if (!v.image) return {};
  const std::int64_t l = v.image.Width(), h = v.image.Height();
  const std::int64_t L = e.largeur, H = e.hauteur;
  // The same proportions, to a pixel of the thumbnail's rounding.
  if (l >= L || h >= H || std::llabs(l * H - h * L) > std::max(L, H)) return {};
  v.largeurFichier = e.largeur;
  v.hauteurFichier = e.hauteur;
  v.reduction = std::max(2, int((L + l / 2) / l));
  v.image = jpeg::Applique(jpeg::LitMeta(tete.data(), tete.size()), std::move(v.image),
                           &v.largeurFichier, &v.hauteurFichier);
  if (!v.image) return {};
  return v;
}

}  // namespace talvik
