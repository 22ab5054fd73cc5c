// Small value types that the imaging library shares with its callers:
// colours, rectangles, points, sizes and the font record. They keep the
// layout and meaning of their Windows namesakes so that stored files
// (project and template files) read the same everywhere.
#pragma once

#include <cstdint>

namespace talvik {

// A colour 0x00BBGGRR: red in the low byte.
using COLORREF = std::uint32_t;
using BYTE = std::uint8_t;
using LONG = std::int32_t;

// Stands for "the colour of the picture's top-left pixel" where a fill
// colour is accepted.
inline constexpr COLORREF kCouleurCoinHautGauche = 0xFFFFFFFFu;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }

struct POINT {
  LONG x = 0;
  LONG y = 0;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};

struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};

inline constexpr int LF_FACESIZE = 32;

// The 60-byte font record: five 32-bit values, eight bytes, 32 bytes of
// NUL-padded face name (UTF-8 in memory).
struct LOGFONT {
  LONG lfHeight = 0;       // < 0: character height in pixels; > 0: cell height
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = 0;       // 400 normal, >= 600 picks a bold face
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};
};
static_assert(sizeof(LOGFONT) == 60, "LOGFONT must keep its 60-byte layout");
using LOGFONTA = LOGFONT;

}  // namespace talvik
