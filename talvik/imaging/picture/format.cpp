// Telling a picture file's format by its name and by its first bytes.
#include "picture/format.h"

#include <cctype>
#include <cstring>

#include "picture/fichier.h"

namespace talvik {

namespace {

std::string EnMajuscules(std::string s) {
  for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool Commence(const std::uint8_t* p, const char* texte) {
  return std::memcmp(p, texte, std::strlen(texte)) == 0;
}

}  // namespace

FormatImage FormatDuChemin(const std::string& chemin) {
  const std::string fin = EnMajuscules(chemin.size() > 3 ? chemin.substr(chemin.size() - 3) : chemin);
  if (fin == "BMP") return FormatImage::BMP;
  if (fin == "JPG" || fin == "PEG" || fin == "JPE") return FormatImage::JPEG;
  if (fin == "GIF") return FormatImage::GIF;
  if (fin == "PNG") return FormatImage::PNG;
  if (fin == "TIF" || fin == "IFF") return FormatImage::TIFF;
  const std::size_t point = chemin.find_last_of("./");
  if (point == std::string::npos || chemin[point] != '.') return FormatImage::Inconnu;
  const std::string extension = EnMajuscules(chemin.substr(point + 1));
  if (extension == "HEIC" || extension == "HEIF" || extension == "HIF") return FormatImage::HEIF;
  if (extension == "AVIF") return FormatImage::AVIF;
  if (extension == "WEBP") return FormatImage::WebP;
  return FormatImage::Inconnu;
}

FormatImage FormatDuContenu(const std::uint8_t* d, std::size_t n) {
  if (!d) return FormatImage::Inconnu;
  if (n >= 12 && Commence(d, "RIFF") && Commence(d + 8, "WEBP")) return FormatImage::WebP;
  // An ISO media file starts with its "ftyp" box: size, "ftyp", the major
  // brand, a minor version, then compatible brands up to the box's end.
  if (n < 16 || !Commence(d + 4, "ftyp")) return FormatImage::Inconnu;
  const std::size_t boite = (std::size_t(d[0]) << 24) | (std::size_t(d[1]) << 16) |
                            (std::size_t(d[2]) << 8) | d[3];
  if (boite < 16) return FormatImage::Inconnu;
  const std::size_t fin = boite < n ? boite : n;
  bool heif = false;
  for (std::size_t o = 8; o + 4 <= fin; o += (o == 8 ? 8 : 4)) {
    const std::uint8_t* marque = d + o;
    if (Commence(marque, "avif") || Commence(marque, "avis")) return FormatImage::AVIF;
    for (const char* m : {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"})
      heif = heif || Commence(marque, m);
  }
  return heif ? FormatImage::HEIF : FormatImage::Inconnu;
}

FormatImage FormatDuFichier(const std::string& chemin) {
  std::uint8_t tete[64];
  std::size_t lus = 0;
  if (fichier::Fichier f = fichier::Ouvre(chemin, "rb")) lus = std::fread(tete, 1, sizeof tete, f.get());
  const FormatImage contenu = FormatDuContenu(tete, lus);
  return contenu != FormatImage::Inconnu ? contenu : FormatDuChemin(chemin);
}

const std::vector<ExtensionImage>& ExtensionsLisibles() {
  static const std::vector<ExtensionImage> liste = {
      {"bmp", "BMP"},   {"jpg", "JPEG"},  {"jpeg", "JPEG"}, {"jpe", "JPEG"},
      {"gif", "GIF"},   {"png", "PNG"},   {"tif", "TIFF"},  {"tiff", "TIFF"},
      {"heic", "HEIF"}, {"heif", "HEIF"}, {"hif", "HEIF"},  {"avif", "AVIF"},
      {"webp", "WebP"}};
  return liste;
}

const char* NomFormat(FormatImage format) {
  switch (format) {
    case FormatImage::BMP: return "BMP";
    case FormatImage::JPEG: return "JPEG";
    case FormatImage::GIF: return "GIF";
    case FormatImage::PNG: return "PNG";
    case FormatImage::TIFF: return "TIFF";
    case FormatImage::HEIF: return "HEIF";
    case FormatImage::AVIF: return "AVIF";
    case FormatImage::WebP: return "WebP";
    case FormatImage::Inconnu: break;
  }
  return "";
}

}  // namespace talvik
