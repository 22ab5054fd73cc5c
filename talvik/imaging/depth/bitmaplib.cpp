// CBitmapLib: pixel access in DIB rows and the colour list of a DIB.
#include <cstdlib>
#include <unordered_set>

#include "depth/bitmaplib.h"

namespace talvik {

namespace {

std::uint32_t Key(const RGBQUAD& c) {
  return (std::uint32_t(c.rgbRed) << 16) | (std::uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
}

}  // namespace

std::size_t CBitmapLib::RowLength(const dib::BITMAPINFOHEADER& h) {
  const std::int64_t width = h.biWidth;
  if (width <= 0) return 0;
  const std::size_t stride = std::size_t((width * h.biBitCount + 31) / 32 * 4);
  const std::int64_t height = std::llabs(std::int64_t(h.biHeight));
  if (h.biSizeImage != 0 && height > 0) {
    const std::size_t given = std::size_t(h.biSizeImage / std::uint64_t(height));
    if (given >= stride) return given;
  }
  return stride;
}

RGBQUAD CBitmapLib::GetRGB(const BITMAPINFO* info, int row, int column,
                           const std::uint8_t* bits) {
  const std::uint8_t* line = bits + std::size_t(row) * RowLength(info->bmiHeader);
  const std::size_t x = std::size_t(column);
  RGBQUAD c;
  switch (info->bmiHeader.biBitCount) {
    case 1:
      return info->bmiColors[(line[x / 8] >> (7 - x % 8)) & 1];
    case 4:
      return info->bmiColors[(x % 2 == 0) ? (line[x / 2] >> 4) : (line[x / 2] & 0x0F)];
    case 8:
      return info->bmiColors[line[x]];
    case 16: {
      const unsigned v = line[2 * x] | (line[2 * x + 1] << 8);
      c.rgbRed = BYTE(((v >> 10) & 0x1F) * 8);
      c.rgbGreen = BYTE(((v >> 5) & 0x1F) * 8);
      c.rgbBlue = BYTE((v & 0x1F) * 8);
      return c;
    }
    case 24:
      c.rgbBlue = line[3 * x];
      c.rgbGreen = line[3 * x + 1];
      c.rgbRed = line[3 * x + 2];
      return c;
    case 32:
      c.rgbBlue = line[4 * x];
      c.rgbGreen = line[4 * x + 1];
      c.rgbRed = line[4 * x + 2];
      return c;
    default:
      return c;
  }
}

void CBitmapLib::SetDIBPixel(const BITMAPINFO* info, int row, int column, std::uint8_t* bits,
                             BYTE index) {
  std::uint8_t* line = bits + std::size_t(row) * RowLength(info->bmiHeader);
  const std::size_t x = std::size_t(column);
  switch (info->bmiHeader.biBitCount) {
    case 1:
      line[x / 8] |= BYTE((index & 1) << (7 - x % 8));
      break;
    case 4:
      line[x / 2] |= (x % 2 == 0) ? BYTE((index & 0x0F) << 4) : BYTE(index & 0x0F);
      break;
    case 8:
      line[x] = index;
      break;
    default:
      break;
  }
}

void CBitmapLib::SetRGBPixel(const BITMAPINFO* info, int row, int column, std::uint8_t* bits,
                             RGBQUAD colour) {
  std::uint8_t* line = bits + std::size_t(row) * RowLength(info->bmiHeader);
  const std::size_t x = std::size_t(column);
  switch (info->bmiHeader.biBitCount) {
    case 16: {
      const unsigned v = (unsigned(colour.rgbRed >> 3) << 10) |
                         (unsigned(colour.rgbGreen >> 3) << 5) | unsigned(colour.rgbBlue >> 3);
      line[2 * x] = BYTE(v & 0xFF);
      line[2 * x + 1] = BYTE(v >> 8);
      break;
    }
    case 24:
      line[3 * x] = colour.rgbBlue;
      line[3 * x + 1] = colour.rgbGreen;
      line[3 * x + 2] = colour.rgbRed;
      break;
    case 32:
      line[4 * x] = colour.rgbBlue;
      line[4 * x + 1] = colour.rgbGreen;
      line[4 * x + 2] = colour.rgbRed;
      line[4 * x + 3] = 0;
      break;
    default:
      break;
  }
}

int CBitmapLib::GetUsedColors(const BITMAPINFO* info, const std::uint8_t* bits, int first,
                              int rows, RGBQUAD* colours, unsigned short capacity,
                              unsigned short& count) {
  if (info->bmiHeader.biCompression != 0) return -1;
  // The colours already listed, for a search that does not grow with them.
  std::unordered_set<std::uint32_t> known;
  known.reserve(std::size_t(count) * 2 + 16);
  for (unsigned i = 0; i < count; ++i) known.insert(Key(colours[i]));
  const int width = info->bmiHeader.biWidth;
  for (int row = first; row < first + rows; ++row)
    for (int column = 0; column < width; ++column) {
      const RGBQUAD c = GetRGB(info, row, column, bits);
      if (known.count(Key(c))) continue;
      if (count == capacity) return -2;
      colours[count] = c;
      colours[count].rgbReserved = 0;
      ++count;
      known.insert(Key(c));
    }
  return count;
}

}  // namespace talvik
