// TIFF pictures through libtiff.
//
// 8-bit RGB (three or more samples, contiguous) and 8-bit palette files
// are read strip by strip; every other layout libtiff knows (bilevel,
// grey, 16-bit, CMYK, YCbCr, tiled...) goes through libtiff's RGBA reader,
// band by band. A strip or tile that cannot be read makes the file fail.
// libtiff's messages are kept quiet: a damaged file simply gives null.
#include <sys/stat.h>
#include <tiffio.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <memory>
#include <vector>

#include "colour/profil_couleur.h"
#include "graphique.h"
#include "picture/fichier.h"
#include "picture/orientation.h"

namespace talvik {

namespace {

int Silence(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct FermeTiff {
  void operator()(TIFF* t) const {
    if (t) TIFFClose(t);
  }
};
using Tiff = std::unique_ptr<TIFF, FermeTiff>;

Tiff Ouvre(const std::string& chemin, const char* mode) {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (!options) return nullptr;
  TIFFOpenOptionsSetErrorHandlerExtR(options, Silence, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options, Silence, nullptr);
  // No buffer of libtiff's own may be larger than a picture of the budget.
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(kMaxPixels) * 4);
  Tiff t;
  if (mode[0] == 'r') {
    // Regular files only, as every reader; TIFFClose closes the descriptor.
    const int fd = fichier::OuvreFichierOrdinaire(chemin);
    if (fd >= 0) {
      t.reset(TIFFFdOpenExt(fd, chemin.c_str(), mode, options));
      if (!t) ::close(fd);
    }
  } else {
    t.reset(TIFFOpenExt(chemin.c_str(), mode, options));
  }
  TIFFOpenOptionsFree(options);
  return t;
}

// At most how many bytes one byte of the given compression decodes to, 0
// when there is no such bound (fax, JPEG, ... can code a blank row in a
// few bits). PackBits: 2 bytes for a run of 128; LZW: a code of 9 bits or
// more for a string of at most 4096 bytes; Deflate: about 1032 to 1.
std::uint64_t RapportMaximal(std::uint16_t compression) {
  switch (compression) {
    case COMPRESSION_NONE: return 1;
    case COMPRESSION_PACKBITS: return 64;
    case COMPRESSION_LZW: return 4096;
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE: return 1100;
    default: return 0;
  }
}

// Fax codings spend at least one bit on every row (a blank row coded
// against a blank one is a single vertical-mode code).
bool CodageFax(std::uint16_t compression) {
  return compression == COMPRESSION_CCITTRLE || compression == COMPRESSION_CCITTRLEW ||
         compression == COMPRESSION_CCITTFAX3 || compression == COMPRESSION_CCITTFAX4;
}

// False when a picture of more than 2^24 pixels cannot be filled by the
// strip or tile data the file holds: what its strips decode to exceeds
// what their bytes inside the file could give, or a fax-coded picture has
// more rows than its data has bits. Byte counts are taken only as far as
// the file goes. Such a file (a few hundred bytes may declare 2^27 pixels)
// fails now, before libtiff and this reader make buffers of the declared
// size for it.
bool DonneesSuffisantes(TIFF* t, std::uint32_t w, std::uint32_t h) {
  if (std::uint64_t(w) * h <= (std::uint64_t(1) << 24)) return true;
  std::uint16_t compression = COMPRESSION_NONE;
  TIFFGetFieldDefaulted(t, TIFFTAG_COMPRESSION, &compression);
  const std::uint64_t rapport = RapportMaximal(compression);
  const bool fax = CodageFax(compression);
  if (rapport == 0 && !fax) return true;
  struct stat st {};
  if (fstat(TIFFFileno(t), &st) != 0 || st.st_size <= 0) return true;
  const std::uint64_t taille = std::uint64_t(st.st_size);
  const bool tuiles = TIFFIsTiled(t);
  const std::uint32_t n = tuiles ? TIFFNumberOfTiles(t) : TIFFNumberOfStrips(t);
  std::uint64_t disponibles = 0;
  for (std::uint32_t i = 0; i < n; ++i) {
    const std::uint64_t debut = TIFFGetStrileOffset(t, i), octets = TIFFGetStrileByteCount(t, i);
    if (debut < taille) disponibles += std::min(octets, taille - debut);
  }
  if (fax) {
    std::uint32_t hauteurTuile = 0;
    if (tuiles) TIFFGetField(t, TIFFTAG_TILELENGTH, &hauteurTuile);
    const std::uint64_t lignes = tuiles ? std::uint64_t(n) * hauteurTuile : std::uint64_t(h);
    return lignes <= disponibles * 8;
  }
  // Tiles are whole even past the picture's edges; strips hold the rows.
  std::uint16_t configuration = PLANARCONFIG_CONTIG, echantillons = 1;
  TIFFGetFieldDefaulted(t, TIFFTAG_PLANARCONFIG, &configuration);
  TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLESPERPIXEL, &echantillons);
  const std::uint64_t plans = configuration == PLANARCONFIG_SEPARATE ? echantillons : 1;
  const std::uint64_t decodes = tuiles ? std::uint64_t(TIFFTileSize64(t)) * n
                                       : std::uint64_t(TIFFVStripSize64(t, h)) * plans;
  return decodes / rapport <= disponibles;
}

// Any layout, through libtiff's RGBA reader, a band of strips or tiles at a
// time straight into the picture's rows (stored row order). The first band
// that cannot be read ends the reading: a file declaring a large picture
// with little data behind it stops there, its rows never written.
bool LitRGBA(TIFF* t, Bitmap& image) {
  char message[1024];
  if (!TIFFRGBAImageOK(t, message)) return false;
  TIFFRGBAImage lecteur;
  if (!TIFFRGBAImageBegin(&lecteur, t, 1, message)) return false;
  struct Fin {
    TIFFRGBAImage* l;
    ~Fin() { TIFFRGBAImageEnd(l); }
  } fin{&lecteur};
  // The rows come as stored, top row first (the file's orientation is
  // applied afterwards, the same way for every layout).
  lecteur.req_orientation = lecteur.orientation;
  // libtiff draws colour pictures with a separate alpha over black, but
  // leaves grey ones as stored: these are drawn over black here, so that
  // alpha means the same in every layout.
  const bool grisSurNoir = lecteur.alpha == EXTRASAMPLE_UNASSALPHA &&
                           (lecteur.photometric == PHOTOMETRIC_MINISBLACK ||
                            lecteur.photometric == PHOTOMETRIC_MINISWHITE);
  const std::uint32_t w = std::uint32_t(image.Width()), h = std::uint32_t(image.Height());
  std::uint32_t hauteurBande = 0;
  if (TIFFIsTiled(t))
    TIFFGetField(t, TIFFTAG_TILELENGTH, &hauteurBande);
  else
    TIFFGetFieldDefaulted(t, TIFFTAG_ROWSPERSTRIP, &hauteurBande);
  if (hauteurBande == 0 || hauteurBande > h) hauteurBande = h;
  for (std::uint32_t ligne = 0; ligne < h; ligne += hauteurBande) {
    const std::uint32_t n = std::min(hauteurBande, h - ligne);
    std::uint32_t* d = image.Row(int(ligne));
    lecteur.row_offset = int(ligne);
    lecteur.col_offset = 0;
    if (!TIFFRGBAImageGet(&lecteur, d, w, n)) return false;
    for (std::size_t i = 0; i < std::size_t(w) * n; ++i) {
      const std::uint32_t p = d[i];
      if (grisSurNoir) {
        const std::uint32_t v = (TIFFGetR(p) * TIFFGetA(p) + 127) / 255;
        d[i] = v * 0x010101u;
      } else {
        d[i] = (TIFFGetR(p) << 16) | (TIFFGetG(p) << 8) | TIFFGetB(p);
      }
    }
  }
  return true;
}

// The picture as its rows are stored (see ChargeImageTIFF).
Bitmap LitStockee(Tiff t) {
  std::uint32_t w = 0, h = 0, lignesParBande = 0;
  std::uint16_t bitsParEchantillon = 1, echantillons = 1, photometrie = 0,
                configuration = PLANARCONFIG_CONTIG;
  if (!TIFFGetField(t.get(), TIFFTAG_IMAGEWIDTH, &w) ||
      !TIFFGetField(t.get(), TIFFTAG_IMAGELENGTH, &h))
    return {};
  TIFFGetFieldDefaulted(t.get(), TIFFTAG_BITSPERSAMPLE, &bitsParEchantillon);
  TIFFGetFieldDefaulted(t.get(), TIFFTAG_SAMPLESPERPIXEL, &echantillons);
  TIFFGetFieldDefaulted(t.get(), TIFFTAG_ROWSPERSTRIP, &lignesParBande);
  TIFFGetFieldDefaulted(t.get(), TIFFTAG_PLANARCONFIG, &configuration);
  if (!TIFFGetField(t.get(), TIFFTAG_PHOTOMETRIC, &photometrie)) return {};
  if (!Bitmap::FitsBudget(w, h)) return {};
  if (!DonneesSuffisantes(t.get(), w, h)) {
    Bitmap::SetLastCreateError("The file's data ends before the picture does");
    return {};
  }
  // Every row is written before the picture is given, or the picture is
  // dropped: it is not cleared first, so that a large declared size costs
  // nothing until its data is read.
  HBITMAP image = Bitmap::CreateUninitialized(int(w), int(h));
  if (!image) return {};

  const bool rgb8 = photometrie == PHOTOMETRIC_RGB && bitsParEchantillon == 8 &&
                    echantillons >= 3 && configuration == PLANARCONFIG_CONTIG;
  const bool palette8 =
      photometrie == PHOTOMETRIC_PALETTE && bitsParEchantillon == 8 && echantillons == 1;
  if ((!rgb8 && !palette8) || TIFFIsTiled(t.get())) {
    if (!LitRGBA(t.get(), image)) return {};
    return image;
  }

  std::uint32_t palette[256] = {};
  if (palette8) {
    std::uint16_t *rouge = nullptr, *vert = nullptr, *bleu = nullptr;
    if (!TIFFGetField(t.get(), TIFFTAG_COLORMAP, &rouge, &vert, &bleu)) return {};
    // A map with any value of 256 or more holds 16-bit values.
    bool seize = false;
    for (int i = 0; i < 256; ++i) seize = seize || rouge[i] >= 256 || vert[i] >= 256 || bleu[i] >= 256;
    auto canal = [seize](std::uint16_t v) {
      return seize ? std::uint32_t(v * 255.0 / 65535.0) : std::uint32_t(v & 0xFF);
    };
    for (int i = 0; i < 256; ++i)
      palette[i] = (canal(rouge[i]) << 16) | (canal(vert[i]) << 8) | canal(bleu[i]);
  }

  const tmsize_t tailleLigne = TIFFScanlineSize(t.get());
  if (tailleLigne < tmsize_t(w) * (rgb8 ? echantillons : 1)) return {};
  if (lignesParBande == 0 || lignesParBande > h) lignesParBande = h;
  const tmsize_t tailleBande = TIFFStripSize(t.get());
  if (tailleBande < tailleLigne) return {};
  // Only the bytes libtiff says it read are used: the strip buffer is not
  // cleared either.
  const std::size_t tailleTampon = std::size_t(tailleBande) + std::size_t(tailleLigne);
  // (new without "()": its bytes are left as they are; the browser build's
  // library has no make_unique_for_overwrite.)
  const std::unique_ptr<std::uint8_t[]> bande(new std::uint8_t[tailleTampon]);
  for (std::uint32_t ligne = 0; ligne < h; ligne += lignesParBande) {
    const std::uint32_t n = std::min(lignesParBande, h - ligne);
    const tmsize_t lus = TIFFReadEncodedStrip(t.get(), TIFFComputeStrip(t.get(), ligne, 0),
                                              bande.get(), tmsize_t(tailleTampon));
    if (lus < tmsize_t(n) * tailleLigne) return {};
    for (std::uint32_t k = 0; k < n; ++k) {
      const std::uint8_t* s = bande.get() + std::size_t(k) * std::size_t(tailleLigne);
      std::uint32_t* d = image.Row(int(ligne + k));
      if (rgb8) {
        for (std::uint32_t x = 0; x < w; ++x, s += echantillons)
          d[x] = (std::uint32_t(s[0]) << 16) | (std::uint32_t(s[1]) << 8) | s[2];
      } else {
        for (std::uint32_t x = 0; x < w; ++x) d[x] = palette[s[x]];
      }
    }
  }
  return image;
}

}  // namespace

HBITMAP CGraphique::ChargeImageTIFF(const CString& chemin) {
  Tiff t = Ouvre(chemin, "r");
  if (!t) return {};
  std::uint16_t orientation = ORIENTATION_TOPLEFT;
  TIFFGetFieldDefaulted(t.get(), TIFFTAG_ORIENTATION, &orientation);
  std::vector<std::uint8_t> icc;
  std::uint32_t tailleIcc = 0;
  void* donneesIcc = nullptr;
  if (TIFFGetField(t.get(), TIFFTAG_ICCPROFILE, &tailleIcc, &donneesIcc) && donneesIcc)
    icc.assign(static_cast<const std::uint8_t*>(donneesIcc),
               static_cast<const std::uint8_t*>(donneesIcc) + tailleIcc);
  Bitmap image = LitStockee(std::move(t));
  if (!image) return {};
  if (!icc.empty()) couleur::ProfilVersSRGB(image, icc.data(), icc.size());
  return Redresse(image, orientation);
}

int CGraphique::SauveImageTIFF(const CString& chemin, const HBITMAP& image) {
  if (!image) return 0;
  Tiff t = Ouvre(chemin, "w");
  if (!t) return 0;
  const int w = image.Width(), h = image.Height();
  TIFFSetField(t.get(), TIFFTAG_IMAGEWIDTH, std::uint32_t(w));
  TIFFSetField(t.get(), TIFFTAG_IMAGELENGTH, std::uint32_t(h));
  TIFFSetField(t.get(), TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(t.get(), TIFFTAG_SAMPLESPERPIXEL, 3);
  TIFFSetField(t.get(), TIFFTAG_COMPRESSION, COMPRESSION_NONE);
  TIFFSetField(t.get(), TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(t.get(), TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(t.get(), TIFFTAG_ROWSPERSTRIP, 1);
  std::vector<std::uint8_t> ligne(std::size_t(w) * 3);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* s = image.Row(y);
    for (int x = 0; x < w; ++x) {
      ligne[3 * std::size_t(x)] = std::uint8_t(s[x] >> 16);
      ligne[3 * std::size_t(x) + 1] = std::uint8_t(s[x] >> 8);
      ligne[3 * std::size_t(x) + 2] = std::uint8_t(s[x]);
    }
    if (TIFFWriteScanline(t.get(), ligne.data(), std::uint32_t(y), 0) < 0) return 0;
  }
  return TIFFFlush(t.get()) ? 1 : 0;
}

}  // namespace talvik
