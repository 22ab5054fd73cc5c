// The raster layer: the few drawing primitives that the image operations
// are built on, working on talvik::Bitmap (32-bit pixels 0x00RRGGBB).
//
// Every primitive clips to the destination and to the source: nothing is
// read or written outside a bitmap, whatever the coordinates. A null
// bitmap makes a primitive do nothing. Rectangles are given as
// left, top, right, bottom with right and bottom excluded, as in GDI.
#pragma once

#include "base/bitmap.h"
#include "base/wintypes.h"

namespace talvik::raster {

// Stretch modes of StretchBlt.
inline constexpr int COLORONCOLOR = 3;  // nearest sample
inline constexpr int HALFTONE = 4;      // area average (box filter)

// Pen styles of Rectangle.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;        // 18 on, 6 off (width 1 only)
inline constexpr int PS_DOT = 2;         // 3 on, 3 off (width 1 only)
inline constexpr int PS_DASHDOT = 3;     // 9, 6, 3, 6
inline constexpr int PS_DASHDOTDOT = 4;  // 9, 3, 3, 3, 3, 3
inline constexpr int PS_NULL = 5;        // no outline
inline constexpr int PS_INSIDEFRAME = 6; // solid, drawn inside the rectangle

struct Pen {
  int style = PS_SOLID;
  int width = 1;       // pixels; 0 draws like 1
  COLORREF color = 0;  // 0x00BBGGRR
};

struct Brush {
  bool hollow = false;  // true: the interior is left as it is (NULL_BRUSH)
  COLORREF color = 0;
};

// Copies the w x h block at (sx, sy) of src to (dx, dy) of dst (SRCCOPY).
// dst and src may be the same bitmap only when the blocks do not overlap.
void BitBlt(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy);

// Copies the sw x sh block at (sx, sy) of src onto the dw x dh block at
// (dx, dy) of dst, scaling it. COLORONCOLOR takes for each destination
// pixel the source pixel under its centre; HALFTONE averages the source
// area that the destination pixel covers (exact box filter with fractional
// edge weights when shrinking; bilinear when enlarging), rounding to
// nearest. Large jobs are split over the machine's cores by rows.
// Negative sizes (mirroring) are not supported: the call does nothing.
void StretchBlt(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy,
                int sw, int sh, int mode);

// As StretchBlt with COLORONCOLOR, except that source pixels of the key
// colour leave the destination as it is.
void TransparentBlt(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx,
                    int sy, int sw, int sh, COLORREF key);

// Fills [left, right) x [top, bottom) with one colour.
void FillRect(Bitmap& dst, const RECT& r, COLORREF color);
// Fills the whole bitmap but `trou` with one colour: for a background that
// a picture is drawn over right after (an empty `trou` fills everything).
void FillAround(Bitmap& dst, const RECT& trou, COLORREF color);

// Draws a rectangle as GDI does: the outline follows the edges of
// [left, right - 1] x [top, bottom - 1] with the pen centred on them (a
// width w pen covers w pixels, (w - 1) / 2 of them outside);
// PS_INSIDEFRAME keeps the whole pen inside. The brush fills the inside;
// with a PS_NULL pen the filled area is [left, right - 1) x [top, bottom - 1).
void Rectangle(Bitmap& dst, int left, int top, int right, int bottom, const Pen& pen,
               const Brush& brush);

// Pixel access; outside the bitmap GetPixel gives CLR_INVALID (0xFFFFFFFF)
// and SetPixelV does nothing.
COLORREF GetPixel(const Bitmap& bmp, int x, int y);
void SetPixelV(Bitmap& bmp, int x, int y, COLORREF color);

}  // namespace talvik::raster
