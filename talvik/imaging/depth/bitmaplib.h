// CBitmapLib: the colours an uncompressed BMP file or DIB uses, and a BMP
// file rewritten at another bit depth (1, 4, 8, 16, 24 or 32), with a
// palette built from the colours found when the new depth is 8 bits or
// less. Files are worked on in bands of at most 100 rows, so that memory
// stays near 100 source rows plus 100 destination rows.
//
// Rows are addressed by their position in the pixel data (row 0 first),
// whatever their order on screen; a negative (top-down) height is read as
// its magnitude. A row is biSizeImage / |biHeight| bytes long when the
// header gives an image size at least as long as the rows need, else
// ((width x bits + 31) / 32) x 4 (the image size is 0 in many files).
#pragma once

#include <cstdint>

#include "base/mfctypes.h"
#include "base/wintypes.h"
#include "depth/progress.h"
#include "picture/dib.h"

namespace talvik {

struct RGBQUAD {
  BYTE rgbBlue = 0;
  BYTE rgbGreen = 0;
  BYTE rgbRed = 0;
  BYTE rgbReserved = 0;
};

// A 40-byte info header and a colour table of up to 256 entries.
struct BITMAPINFO {
  dib::BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

class CBitmapLib {
 public:
  // Appends to colours[0 .. count) every colour of rows first .. first +
  // rows - 1 that is not there yet (compared on blue, green and red), in
  // the order met: row by row, left to right. `bits` is the pixel data
  // that row 0 starts at. Returns the new count; -1 for a compressed
  // picture (biCompression not 0), -2 when a colour does not fit in
  // `capacity` (count then holds the colours found before).
  static int GetUsedColors(const BITMAPINFO* info, const std::uint8_t* bits, int first, int rows,
                           RGBQUAD* colours, unsigned short capacity, unsigned short& count);

  // The colours a BMP file uses, as above over all rows, the file read
  // in bands of 100 rows. The progress bar (may be null) runs over the
  // file length and is set back to 0 at the end. Returns the number of
  // colours; -1 compressed, -2 more colours than the capacity, -3 no
  // memory for the headers, 0 when the file cannot be opened or does not
  // hold what its headers claim.
  static int GetUsedColors(const CString& path, RGBQUAD* colours, unsigned short capacity,
                           CProgressCtrl* progress);

  // Writes the BMP file `source` again as `destination` at `bits` bits
  // per pixel (1, 4, 8, 16, 24 or 32). At 8 bits or less the palette holds
  // the source's colours in the order met, the rest white; a source with
  // more colours than the palette holds fails, leaving the destination
  // as far as it was written. 1 on success, 0 on failure (unreadable or
  // compressed source, other bit count, destination not created, write
  // error).
  static int ChangeColorDepth(const CString& source, const CString& destination,
                              unsigned short bits, CProgressCtrl* progress);

  // Colour of one pixel: 1, 4 and 8 bits through the colour table, 16 as
  // 5-5-5 (each 5-bit value v as v x 8), 24 and 32 as blue, green, red.
  // All zero for another bit count.
  static RGBQUAD GetRGB(const BITMAPINFO* info, int row, int column, const std::uint8_t* bits);
  // ORs a palette index into a cleared row (1, 4 and 8 bits only; the
  // first pixel in the high bits).
  static void SetDIBPixel(const BITMAPINFO* info, int row, int column, std::uint8_t* bits,
                          BYTE index);
  // Writes a colour (16 bits as 5-5-5, 24 as blue, green, red, 32 with a
  // fourth byte 0; other bit counts untouched).
  static void SetRGBPixel(const BITMAPINFO* info, int row, int column, std::uint8_t* bits,
                          RGBQUAD colour);

  // Bytes per row of the pixel data, as described above.
  static std::size_t RowLength(const dib::BITMAPINFOHEADER& header);
};

}  // namespace talvik
