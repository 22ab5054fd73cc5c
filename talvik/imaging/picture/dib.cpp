#include "picture/dib.h"

#include <algorithm>
#include <cstring>

#include "raster/parallel.h"

namespace talvik::dib {

BITMAPINFOHEADER LitEntete(const std::uint8_t* o) {
  BITMAPINFOHEADER e;
  e.biSize = Lit32(o);
  e.biWidth = std::int32_t(Lit32(o + 4));
  e.biHeight = std::int32_t(Lit32(o + 8));
  e.biPlanes = Lit16(o + 12);
  e.biBitCount = Lit16(o + 14);
  e.biCompression = Lit32(o + 16);
  e.biSizeImage = Lit32(o + 20);
  e.biXPelsPerMeter = std::int32_t(Lit32(o + 24));
  e.biYPelsPerMeter = std::int32_t(Lit32(o + 28));
  e.biClrUsed = Lit32(o + 32);
  e.biClrImportant = Lit32(o + 36);
  return e;
}

void EcritEntete(const BITMAPINFOHEADER& e, std::uint8_t* o) {
  Ecrit32(o, e.biSize);
  Ecrit32(o + 4, std::uint32_t(e.biWidth));
  Ecrit32(o + 8, std::uint32_t(e.biHeight));
  Ecrit16(o + 12, e.biPlanes);
  Ecrit16(o + 14, e.biBitCount);
  Ecrit32(o + 16, e.biCompression);
  Ecrit32(o + 20, e.biSizeImage);
  Ecrit32(o + 24, std::uint32_t(e.biXPelsPerMeter));
  Ecrit32(o + 28, std::uint32_t(e.biYPelsPerMeter));
  Ecrit32(o + 32, e.biClrUsed);
  Ecrit32(o + 36, e.biClrImportant);
}

std::size_t Pas(std::int64_t largeur, int bits) {
  if (largeur <= 0 || bits <= 0) return 0;
  return std::size_t((largeur * bits + 31) / 32 * 4);
}

namespace {

// One channel of a masked pixel, scaled to 0-255.
struct Canal {
  std::uint32_t masque = 0;
  int decalage = 0;
  int bits = 0;
  explicit Canal(std::uint32_t m) : masque(m) {
    if (!m) return;
    while (!((m >> decalage) & 1)) ++decalage;
    while (decalage + bits < 32 && ((m >> (decalage + bits)) & 1)) ++bits;
  }
  std::uint32_t Valeur(std::uint32_t p) const {
    if (!bits) return 0;
    std::uint32_t v = (p & masque) >> decalage;
    if (bits >= 8) return v >> (bits - 8);
    // Spread the bits over 8 by repeating them.
    std::uint32_t r = 0;
    int n = 0;
    while (n < 8) {
      r = (r << bits) | v;
      n += bits;
    }
    return r >> (n - 8);
  }
};

constexpr const char* kDonneesIncompletes = "The file's data ends before the picture does";

// Whether run-length encoded rows reach the picture's last row before
// their data ends: an end-of-picture code, or runs and moves that cover
// every row. Walks the codes without writing a pixel, so a few bytes that
// declare a large picture cost nothing before they are refused.
bool RleComplet(const BITMAPINFOHEADER& e, const std::uint8_t* bits, std::size_t taille) {
  const bool quatre = e.biCompression == BI_RLE4;
  const std::int64_t w = e.biWidth, h = e.biHeight;
  std::int64_t x = 0, y = 0;
  std::size_t p = 0;
  while (p + 1 < taille && y < h) {
    const std::uint8_t n = bits[p], c = bits[p + 1];
    p += 2;
    if (n > 0) {
      x += n;
    } else if (c == 0) {
      x = 0;
      ++y;
    } else if (c == 1) {
      return true;
    } else if (c == 2) {
      if (p + 1 >= taille) return false;
      x += bits[p];
      y += bits[p + 1];
      p += 2;
    } else {
      const std::size_t octets = quatre ? (std::size_t(c) + 1) / 2 : c;
      if (p + octets > taille) return false;
      x += c;
      p += (octets + 1) / 2 * 2;
    }
    // Pixels past the right edge do not wrap to the next row.
    if (y == h - 1 && x >= w) return true;
  }
  return y >= h;
}

// Run-length encoded rows (BI_RLE8 with 8 bits, BI_RLE4 with 4 bits),
// bottom row first. Pixels the code skips keep index 0; codes that point
// outside the picture are cut; the decoding stops at the end of the data.
Bitmap DepuisRle(const BITMAPINFOHEADER& e, const std::uint32_t* palette, const std::uint8_t* bits,
                 std::size_t taille) {
  const bool quatre = e.biCompression == BI_RLE4;
  const int w = e.biWidth, h = e.biHeight;
  Bitmap image = Bitmap::CreateUninitialized(w, h);
  if (!image) return {};
  std::fill_n(image.Pixels(), image.PixelCount(), palette[0]);
  int x = 0, y = 0;  // y counts rows from the bottom
  auto pose = [&](std::uint8_t i) {
    if (x < w && y < h) image.Row(h - 1 - y)[x] = palette[i];
    ++x;
  };
  std::size_t p = 0;
  while (p + 1 < taille && y < h) {
    const std::uint8_t n = bits[p], c = bits[p + 1];
    p += 2;
    if (n > 0) {
      for (int k = 0; k < n && x < w; ++k) pose(quatre ? ((k & 1) ? c & 0xF : c >> 4) : c);
    } else if (c == 0) {
      x = 0;
      ++y;
    } else if (c == 1) {
      break;
    } else if (c == 2) {
      if (p + 1 >= taille) break;
      x += bits[p];
      y += bits[p + 1];
      p += 2;
    } else {
      const std::size_t octets = quatre ? (std::size_t(c) + 1) / 2 : c;
      if (p + octets > taille) break;
      for (int k = 0; k < c; ++k)
        pose(quatre ? ((k & 1) ? bits[p + std::size_t(k / 2)] & 0xF : bits[p + std::size_t(k / 2)] >> 4)
                    : bits[p + std::size_t(k)]);
      p += (octets + 1) / 2 * 2;
    }
  }
  return image;
}

}  // namespace

Bitmap VersImage(const BITMAPINFOHEADER& e, const std::uint8_t* couleurs,
                 std::size_t nCouleurs, const std::uint8_t* bits, std::size_t tailleBits,
                 const std::uint32_t* masques) {
  const int bpp = e.biBitCount;
  if (e.biWidth <= 0 || e.biHeight == 0 || e.biHeight == INT32_MIN) return {};
  if (!(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32)) return {};
  const bool rle = (e.biCompression == BI_RLE8 && bpp == 8) || (e.biCompression == BI_RLE4 && bpp == 4);
  if (e.biCompression != BI_RGB && !rle &&
      !(e.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32)))
    return {};
  if (rle && e.biHeight < 0) return {};  // compressed rows are always bottom-up
  if (e.biCompression == BI_BITFIELDS && !masques) return {};
  const std::int64_t w = e.biWidth;
  const std::int64_t h = e.biHeight < 0 ? -std::int64_t(e.biHeight) : e.biHeight;
  if (!Bitmap::FitsBudget(w, h)) return {};
  std::uint32_t palette[256] = {};
  const std::size_t n = std::min<std::size_t>(nCouleurs, 256);
  for (std::size_t i = 0; i < n && couleurs; ++i) {
    const std::uint8_t* q = couleurs + 4 * i;
    palette[i] = (std::uint32_t(q[2]) << 16) | (std::uint32_t(q[1]) << 8) | q[0];
  }
  if (rle) {
    if (!bits || !RleComplet(e, bits, tailleBits)) {
      Bitmap::SetLastCreateError(kDonneesIncompletes);
      return {};
    }
    return DepuisRle(e, palette, bits, tailleBits);
  }

  const std::size_t pas = Pas(w, bpp);
  // The last row needs only its pixels, not its padding.
  const std::size_t dernier = std::size_t((w * bpp + 7) / 8);
  if (!bits || pas * std::size_t(h - 1) + dernier > tailleBits) {
    Bitmap::SetLastCreateError(kDonneesIncompletes);
    return {};
  }
  Bitmap image = Bitmap::CreateUninitialized(int(w), int(h));
  if (!image) return {};

  std::uint32_t mr = 0x7C00, mg = 0x03E0, mb = 0x001F;
  if (bpp == 32) mr = 0x00FF0000, mg = 0x0000FF00, mb = 0x000000FF;
  if (e.biCompression == BI_BITFIELDS) mr = masques[0], mg = masques[1], mb = masques[2];
  const Canal cr(mr), cg(mg), cb(mb);
  const bool hautEnBas = e.biHeight < 0;

  raster::ParLignes(int(h), w * h, [&](int debut, int fin) {
    for (int y = debut; y < fin; ++y) {
      const std::uint8_t* s = bits + pas * std::size_t(hautEnBas ? y : h - 1 - y);
      std::uint32_t* d = image.Row(y);
      switch (bpp) {
        case 1:
          for (int x = 0; x < w; ++x) d[x] = palette[(s[x >> 3] >> (7 - (x & 7))) & 1];
          break;
        case 4:
          for (int x = 0; x < w; ++x) d[x] = palette[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
          break;
        case 8:
          for (int x = 0; x < w; ++x) d[x] = palette[s[x]];
          break;
        case 16:
          for (int x = 0; x < w; ++x) {
            const std::uint32_t p = Lit16(s + 2 * x);
            d[x] = (cr.Valeur(p) << 16) | (cg.Valeur(p) << 8) | cb.Valeur(p);
          }
          break;
        case 24:
          for (int x = 0; x < w; ++x, s += 3)
            d[x] = (std::uint32_t(s[2]) << 16) | (std::uint32_t(s[1]) << 8) | s[0];
          break;
        default:
          if (e.biCompression == BI_RGB) {
            for (int x = 0; x < w; ++x, s += 4)
              d[x] = (std::uint32_t(s[2]) << 16) | (std::uint32_t(s[1]) << 8) | s[0];
          } else {
            for (int x = 0; x < w; ++x) {
              const std::uint32_t p = Lit32(s + 4 * x);
              d[x] = (cr.Valeur(p) << 16) | (cg.Valeur(p) << 8) | cb.Valeur(p);
            }
          }
      }
    }
  });
  return image;
}

std::vector<std::uint8_t> Lignes24(const Bitmap& image, bool hautEnBas) {
  if (!image) return {};
  const int w = image.Width(), h = image.Height();
  const std::size_t pas = Pas(w, 24);
  std::vector<std::uint8_t> lignes(pas * std::size_t(h));
  raster::ParLignes(h, std::int64_t(w) * h, [&](int debut, int fin) {
    for (int y = debut; y < fin; ++y) {
      const std::uint32_t* s = image.Row(y);
      std::uint8_t* d = lignes.data() + pas * std::size_t(hautEnBas ? y : h - 1 - y);
      for (int x = 0; x < w; ++x, d += 3) {
        d[0] = std::uint8_t(s[x]);
        d[1] = std::uint8_t(s[x] >> 8);
        d[2] = std::uint8_t(s[x] >> 16);
      }
    }
  });
  return lignes;
}

}  // namespace talvik::dib
