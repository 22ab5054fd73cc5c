// TIFF pictures through libtiff.
//
// 8-bit RGB (three or more samples, contiguous) and 8-bit palette files
// are read strip by strip; every other layout libtiff knows (bilevel,
// grey, 16-bit, CMYK, YCbCr, tiled...) goes through libtiff's RGBA reader.
// libtiff's messages are kept quiet: a damaged file simply gives null.
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <memory>
#include <vector>

#include "graphique.h"

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
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(1) << 31);
  Tiff t(TIFFOpenExt(chemin.c_str(), mode, options));
  TIFFOpenOptionsFree(options);
  return t;
}

// Any layout, through libtiff's RGBA reader (top row first).
bool LitRGBA(TIFF* t, Bitmap& image) {
  const int w = image.Width(), h = image.Height();
  std::vector<std::uint32_t> rgba(std::size_t(w) * std::size_t(h));
  if (!TIFFReadRGBAImageOriented(t, std::uint32_t(w), std::uint32_t(h), rgba.data(),
                                 ORIENTATION_TOPLEFT, 0))
    return false;
  std::uint32_t* d = image.Pixels();
  for (std::size_t i = 0; i < rgba.size(); ++i) {
    const std::uint32_t p = rgba[i];
    d[i] = (TIFFGetR(p) << 16) | (TIFFGetG(p) << 8) | TIFFGetB(p);
  }
  return true;
}

}  // namespace

HBITMAP CGraphique::ChargeImageTIFF(const CString& chemin) {
  Tiff t = Ouvre(chemin, "r");
  if (!t) return {};
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
  if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return {};
  HBITMAP image = Bitmap::Create(int(w), int(h));  // refuses more than 2^28 pixels
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
  std::vector<std::uint8_t> bande(std::size_t(tailleBande) + std::size_t(tailleLigne));
  for (std::uint32_t ligne = 0; ligne < h; ligne += lignesParBande) {
    const std::uint32_t n = std::min(lignesParBande, h - ligne);
    const tmsize_t lus = TIFFReadEncodedStrip(t.get(), TIFFComputeStrip(t.get(), ligne, 0),
                                              bande.data(), tmsize_t(bande.size()));
    if (lus < tmsize_t(n) * tailleLigne) return {};
    for (std::uint32_t k = 0; k < n; ++k) {
      const std::uint8_t* s = bande.data() + std::size_t(k) * std::size_t(tailleLigne);
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
