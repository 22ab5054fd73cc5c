// Device-independent bitmaps: the 40-byte info header, row layouts, and
// the two conversions between DIB rows and pictures that the file codecs
// share (what CreateDIBitmap and GetDIBits did).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/bitmap.h"

namespace talvik::dib {

inline constexpr std::uint32_t BI_RGB = 0;
inline constexpr std::uint32_t BI_RLE8 = 1;
inline constexpr std::uint32_t BI_RLE4 = 2;
inline constexpr std::uint32_t BI_BITFIELDS = 3;
inline constexpr std::size_t kTailleEntete = 40;

struct BITMAPINFOHEADER {
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 0;
  std::int32_t biHeight = 0;  // > 0 bottom-up, < 0 top-down
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 24;
  std::uint32_t biCompression = BI_RGB;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 0;
  std::int32_t biYPelsPerMeter = 0;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};

// Little-endian reading and writing of the 40 header bytes.
BITMAPINFOHEADER LitEntete(const std::uint8_t* octets);
void EcritEntete(const BITMAPINFOHEADER& entete, std::uint8_t* octets);

inline std::uint16_t Lit16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::uint32_t Lit32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}
inline void Ecrit16(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v);
  p[1] = std::uint8_t(v >> 8);
}
inline void Ecrit32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

// Bytes of one row of width pixels at the bit count, padded to 4 bytes:
// ((width x bits + 31) / 32) x 4. 0 for a width of zero or less.
std::size_t Pas(std::int64_t largeur, int bits);

// Builds a picture from DIB rows, as CreateDIBitmap does. Bit counts 1, 4,
// 8 (through the colour table: nCouleurs entries of blue, green, red,
// reserved; 4 and 8 bits also run-length encoded, BI_RLE4 / BI_RLE8), 16
// (5-5-5, or the three masks with BI_BITFIELDS), 24 and 32 (blue, green,
// red, unused; or the masks). Gives null when the header is
// not one of these, when the picture exceeds kMaxPixels, when the rows
// need more than tailleBits bytes. An index past the colour table gives a
// black pixel.
Bitmap VersImage(const BITMAPINFOHEADER& entete, const std::uint8_t* couleurs,
                 std::size_t nCouleurs, const std::uint8_t* bits, std::size_t tailleBits,
                 const std::uint32_t* masques = nullptr);

// The picture as 24-bit rows (blue, green, red), each padded to 4 bytes,
// top row first when hautEnBas, else bottom row first (GetDIBits). The
// padding bytes are 0.
std::vector<std::uint8_t> Lignes24(const Bitmap& image, bool hautEnBas);

}  // namespace talvik::dib
