#include "picture/orientation_fichier.h"

#include <tiffio.h>
#include <webp/demux.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <vector>

#include "codec/heif_boites.h"
#include "codec/jpeg_meta.h"
#include "picture/exif.h"
#include "picture/fichier.h"
#include "picture/format.h"
#include "picture/orientation.h"

namespace talvik {

namespace {

std::uint32_t Grand32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// The upright picture of a 3 x 2 picture of distinct pixels turned by the
// HEIF operations, compared with the eight Exif ones.
struct Operation {
  bool miroir;  // else rotation
  int valeur;   // quarter turns anticlockwise, or the mirror's axis
};

Bitmap Tourne(const Bitmap& b, const Operation& op) {
  // A quarter turn anticlockwise is Exif's 8. A mirror of axis 0 swaps top
  // and bottom (Exif 4), of axis 1 left and right (Exif 2): so libheif
  // reads the box when it turns the picture, and so its writer and Apple's
  // devices write it.
  if (op.miroir) return Redresse(b, op.valeur == 0 ? 4 : 2);
  Bitmap r = b;
  for (int i = 0; i < (op.valeur & 3); ++i) r = Redresse(r, 8);
  return r;
}

int OrientationDesOperations(const std::vector<Operation>& ops) {
  Bitmap depart = Bitmap::Create(3, 2);
  for (int i = 0; i < 6; ++i) depart.SetPixel(i % 3, i / 3, COLORREF(i + 1));
  Bitmap fin = depart;
  for (const Operation& op : ops) fin = Tourne(fin, op);
  for (int o = 1; o <= 8; ++o) {
    const Bitmap essai = Redresse(depart, o);
    if (essai.Width() != fin.Width()) continue;
    if (std::equal(essai.Pixels(), essai.Pixels() + essai.PixelCount(), fin.Pixels())) return o;
  }
  return 0;
}

int Silence(TIFF*, void*, const char*, const char*, va_list) { return 1; }

int OrientationTiff(const std::string& chemin) {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (!options) return 0;
  TIFFOpenOptionsSetErrorHandlerExtR(options, Silence, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options, Silence, nullptr);
  TIFF* t = TIFFOpenExt(chemin.c_str(), "r", options);
  TIFFOpenOptionsFree(options);
  if (!t) return 0;
  std::uint16_t o = 0;
  const bool lu = TIFFGetField(t, TIFFTAG_ORIENTATION, &o) != 0;
  TIFFClose(t);
  return lu && OrientationValide(o) ? int(o) : 0;
}

int OrientationPng(const std::vector<std::uint8_t>& d) {
  for (std::size_t p = 8; p + 12 <= d.size();) {
    const std::size_t n = Grand32(&d[p]);
    if (n > d.size() - p - 12) return 0;
    if (std::memcmp(&d[p + 4], "eXIf", 4) == 0) return exif::OrientationExif(&d[p + 8], n);
    if (std::memcmp(&d[p + 4], "IEND", 4) == 0) return 0;
    p += 12 + n;
  }
  return 0;
}

int OrientationWebP(const std::vector<std::uint8_t>& d) {
  const WebPData donnees{d.data(), d.size()};
  WebPDemuxer* demux = WebPDemux(&donnees);
  if (!demux) return 0;
  WebPChunkIterator it;
  int o = 0;
  if (WebPDemuxGetChunk(demux, "EXIF", 1, &it)) o = exif::OrientationExif(it.chunk.bytes, it.chunk.size);
  WebPDemuxReleaseChunkIterator(&it);
  WebPDemuxDelete(demux);
  return o;
}

}  // namespace

int OrientationHeif(const std::uint8_t* d, std::size_t taille) {
  using heif::Boite;
  using heif::Cherche;
  using heif::LitBoite;
  if (!d) return 0;
  const std::uint8_t* fin = d + taille;
  Boite meta, pitm, iprp, ipco, ipma;
  // meta, pitm and ipma are full boxes: a version byte and three of flags.
  if (!Cherche(d, fin, "meta", &meta) || meta.taille < 4) return 0;
  const std::uint8_t* m = meta.corps + 4;
  const std::uint8_t* mfin = meta.corps + meta.taille;
  if (!Cherche(m, mfin, "pitm", &pitm) || pitm.taille < 6) return 0;
  const std::uint32_t principal =
      pitm.corps[0] == 0 ? (std::uint32_t(pitm.corps[4]) << 8 | pitm.corps[5])
                         : (pitm.taille >= 8 ? Grand32(pitm.corps + 4) : 0);
  if (!Cherche(m, mfin, "iprp", &iprp)) return 0;
  const std::uint8_t* ifin = iprp.corps + iprp.taille;
  if (!Cherche(iprp.corps, ifin, "ipco", &ipco) || !Cherche(iprp.corps, ifin, "ipma", &ipma) ||
      ipma.taille < 8)
    return 0;
  // The properties, numbered from 1.
  std::vector<Boite> proprietes;
  for (const std::uint8_t* p = ipco.corps; p < ipco.corps + ipco.taille;) {
    Boite b;
    if (!LitBoite(p, ipco.corps + ipco.taille, &b)) return 0;
    proprietes.push_back(b);
    p = b.corps + b.taille;
  }
  const int version = ipma.corps[0];
  const bool grandsIndices = (ipma.corps[3] & 1) != 0;
  const std::uint8_t* p = ipma.corps + 4;
  const std::uint8_t* pfin = ipma.corps + ipma.taille;
  const std::uint32_t entrees = Grand32(p);
  p += 4;
  for (std::uint32_t e = 0; e < entrees; ++e) {
    const std::size_t tailleId = version < 1 ? 2 : 4;
    if (pfin - p < std::ptrdiff_t(tailleId + 1)) return 0;
    const std::uint32_t item = tailleId == 2 ? (std::uint32_t(p[0]) << 8 | p[1]) : Grand32(p);
    p += tailleId;
    const int n = *p++;
    std::vector<Operation> ops;
    for (int i = 0; i < n; ++i) {
      std::size_t index = 0;
      if (grandsIndices) {
        if (pfin - p < 2) return 0;
        index = (std::size_t(p[0] & 0x7F) << 8) | p[1];
        p += 2;
      } else {
        if (pfin - p < 1) return 0;
        index = *p & 0x7F;
        p += 1;
      }
      if (item != principal || index == 0 || index > proprietes.size()) continue;
      const Boite& b = proprietes[index - 1];
      if (std::memcmp(b.type, "irot", 4) == 0 && b.taille >= 1) ops.push_back({false, b.corps[0] & 3});
      if (std::memcmp(b.type, "imir", 4) == 0 && b.taille >= 1) ops.push_back({true, b.corps[0] & 1});
    }
    if (item == principal) return OrientationDesOperations(ops);
  }
  return 1;
}

int OrientationDuFichier(const std::string& chemin) {
  const FormatImage format = FormatDuFichier(chemin);
  if (format == FormatImage::TIFF) return OrientationTiff(chemin);
  if (format != FormatImage::JPEG && format != FormatImage::PNG && format != FormatImage::WebP &&
      format != FormatImage::HEIF && format != FormatImage::AVIF)
    return 0;
  std::vector<std::uint8_t> d;
  if (!fichier::LitTout(chemin, d)) return 0;
  switch (format) {
    case FormatImage::JPEG: return jpeg::LitMeta(d.data(), d.size()).orientation;
    case FormatImage::PNG: return OrientationPng(d);
    case FormatImage::WebP: return OrientationWebP(d);
    default: return OrientationHeif(d.data(), d.size());
  }
}

}  // namespace talvik
