// CBitmapLib on BMP files: the colour count of a file and the rewrite at
// another bit depth, both in bands of at most 100 rows.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

#include "base/bitmap.h"
#include "depth/bitmaplib.h"

namespace talvik {

namespace {

constexpr int kBandRows = 100;

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::uint32_t Key(const RGBQUAD& c) {
  return (std::uint32_t(c.rgbRed) << 16) | (std::uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
}

bool ValidBits(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void Progress(CProgressCtrl* progress, std::FILE* f) {
  if (progress) progress->SetPos(int(std::ftell(f)));
}

// An opened source BMP, positioned at its pixel data.
struct Source {
  File file;
  std::uint8_t file_header[14] = {};
  BITMAPINFO info{};
  std::size_t row_length = 0;
  int rows = 0;  // |biHeight|
};

// Opens and checks a BMP file. 1 when it is an uncompressed picture whose
// pixel data the file holds whole; else the error code (-1 compressed,
// -3 no memory for the headers, 0 unreadable).
int OpenSource(const CString& path, CProgressCtrl* progress, Source& s) {
  s.file.reset(std::fopen(path.c_str(), "rb"));
  if (!s.file) return 0;
  std::FILE* f = s.file.get();
  if (std::fseek(f, 0, SEEK_END) != 0) return 0;
  const long length = std::ftell(f);
  if (length < 0 || std::fseek(f, 0, SEEK_SET) != 0) return 0;
  if (progress) {
    progress->SetRange32(0, int(length));
    progress->SetPos(0);
  }
  if (std::fread(s.file_header, 1, 14, f) != 14) return 0;
  Progress(progress, f);
  if (s.file_header[0] != 'B' || s.file_header[1] != 'M') return 0;
  const std::uint32_t offset = dib::Lit32(s.file_header + 10);
  if (offset < 14 + dib::kTailleEntete || offset > std::uint64_t(length)) return 0;
  const std::size_t header_bytes = offset - 14;
  std::unique_ptr<std::uint8_t[]> block(new (std::nothrow) std::uint8_t[header_bytes]);
  if (!block) return -3;
  if (std::fread(block.get(), 1, header_bytes, f) != header_bytes) return 0;
  Progress(progress, f);

  const std::uint8_t* h = block.get();
  dib::BITMAPINFOHEADER& ih = s.info.bmiHeader;
  ih.biSize = dib::Lit32(h);
  ih.biWidth = std::int32_t(dib::Lit32(h + 4));
  ih.biHeight = std::int32_t(dib::Lit32(h + 8));
  ih.biPlanes = dib::Lit16(h + 12);
  ih.biBitCount = dib::Lit16(h + 14);
  ih.biCompression = dib::Lit32(h + 16);
  ih.biSizeImage = dib::Lit32(h + 20);
  ih.biXPelsPerMeter = std::int32_t(dib::Lit32(h + 24));
  ih.biYPelsPerMeter = std::int32_t(dib::Lit32(h + 28));
  ih.biClrUsed = dib::Lit32(h + 32);
  ih.biClrImportant = dib::Lit32(h + 36);
  if (ih.biCompression != 0) return -1;
  if (ih.biSize < dib::kTailleEntete || ih.biSize > header_bytes) return 0;
  if (!ValidBits(ih.biBitCount) || ih.biWidth <= 0 || ih.biHeight == 0 ||
      ih.biHeight == INT32_MIN)
    return 0;
  const std::int64_t rows = std::llabs(std::int64_t(ih.biHeight));
  if (std::int64_t(ih.biWidth) * rows > kMaxPixels) return 0;
  s.rows = int(rows);

  // Colour table: the entries the header names, as far as the block holds them.
  if (ih.biBitCount <= 8) {
    std::size_t entries = ih.biClrUsed ? ih.biClrUsed : (std::size_t(1) << ih.biBitCount);
    if (entries > 256) entries = 256;
    const std::size_t room = (header_bytes - ih.biSize) / 4;
    if (entries > room) entries = room;
    for (std::size_t i = 0; i < entries; ++i) {
      const std::uint8_t* e = h + ih.biSize + 4 * i;
      s.info.bmiColors[i] = RGBQUAD{e[0], e[1], e[2], e[3]};
    }
  }
  s.row_length = CBitmapLib::RowLength(ih);
  if (std::uint64_t(s.row_length) * std::uint64_t(rows) > std::uint64_t(length) - offset)
    return 0;
  return 1;
}

// Reads the next band of `count` rows; false on a short read.
bool ReadBand(Source& s, std::vector<std::uint8_t>& band, int count, CProgressCtrl* progress) {
  const std::size_t bytes = s.row_length * std::size_t(count);
  const bool ok = std::fread(band.data(), 1, bytes, s.file.get()) == bytes;
  Progress(progress, s.file.get());
  return ok;
}

bool WriteAll(std::FILE* f, const void* data, std::size_t size) {
  return size == 0 || std::fwrite(data, 1, size, f) == size;
}

}  // namespace

int CBitmapLib::GetUsedColors(const CString& path, RGBQUAD* colours, unsigned short capacity,
                              CProgressCtrl* progress) {
  Source s;
  const int opened = OpenSource(path, progress, s);
  if (opened != 1) return opened;
  std::vector<std::uint8_t> band;
  try {
    band.resize(s.row_length * std::size_t(s.rows < kBandRows ? s.rows : kBandRows));
  } catch (const std::bad_alloc&) {
    return -3;
  }
  unsigned short count = 0;
  for (int done = 0; done < s.rows; done += kBandRows) {
    const int n = s.rows - done < kBandRows ? s.rows - done : kBandRows;
    if (!ReadBand(s, band, n, progress)) return 0;
    const int r = GetUsedColors(&s.info, band.data(), 0, n, colours, capacity, count);
    if (r < 0) return r;
  }
  if (progress) progress->SetPos(0);
  return count;
}

int CBitmapLib::ChangeColorDepth(const CString& source, const CString& destination,
                                 unsigned short bits, CProgressCtrl* progress) {
  if (!ValidBits(bits)) return 0;
  Source s;
  if (OpenSource(source, progress, s) != 1) return 0;
  File out(std::fopen(destination.c_str(), "wb"));
  if (!out) return 0;

  // The new headers: the source's with the new depth, a 40-byte info header.
  BITMAPINFO info = {};
  info.bmiHeader = s.info.bmiHeader;
  dib::BITMAPINFOHEADER& ih = info.bmiHeader;
  ih.biSize = dib::kTailleEntete;
  ih.biBitCount = bits;
  ih.biCompression = 0;
  const unsigned entries = bits <= 8 ? 1u << bits : 0u;
  ih.biClrUsed = ih.biClrImportant = entries;
  const std::size_t stride = std::size_t((std::int64_t(ih.biWidth) * bits + 31) / 32 * 4);
  ih.biSizeImage = std::uint32_t(stride * std::size_t(s.rows));
  for (unsigned i = 0; i < entries; ++i) info.bmiColors[i] = RGBQUAD{255, 255, 255, 0};

  std::uint8_t head[14 + 40];
  std::memcpy(head, s.file_header, 14);
  const std::uint32_t offset = 14 + ih.biSize + 4 * entries;
  dib::Ecrit32(head + 2, offset + ih.biSizeImage);
  dib::Ecrit32(head + 10, offset);
  dib::Ecrit32(head + 14, ih.biSize);
  dib::Ecrit32(head + 18, std::uint32_t(ih.biWidth));
  dib::Ecrit32(head + 22, std::uint32_t(ih.biHeight));
  dib::Ecrit16(head + 26, ih.biPlanes);
  dib::Ecrit16(head + 28, ih.biBitCount);
  dib::Ecrit32(head + 30, ih.biCompression);
  dib::Ecrit32(head + 34, ih.biSizeImage);
  dib::Ecrit32(head + 38, std::uint32_t(ih.biXPelsPerMeter));
  dib::Ecrit32(head + 42, std::uint32_t(ih.biYPelsPerMeter));
  dib::Ecrit32(head + 46, ih.biClrUsed);
  dib::Ecrit32(head + 50, ih.biClrImportant);
  if (!WriteAll(out.get(), head, sizeof head) ||
      !WriteAll(out.get(), info.bmiColors, 4 * entries))
    return 0;

  const int band_rows = s.rows < kBandRows ? s.rows : kBandRows;
  std::vector<std::uint8_t> in_band, out_band;
  try {
    in_band.resize(s.row_length * std::size_t(band_rows));
    out_band.resize(stride * std::size_t(band_rows));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  unsigned short count = 0;
  std::unordered_map<std::uint32_t, BYTE> index_of;  // first palette entry of each colour
  for (int done = 0; done < s.rows; done += kBandRows) {
    const int n = s.rows - done < kBandRows ? s.rows - done : kBandRows;
    if (!ReadBand(s, in_band, n, progress)) return 0;
    if (entries) {
      const unsigned short before = count;
      if (GetUsedColors(&s.info, in_band.data(), 0, n, info.bmiColors,
                        static_cast<unsigned short>(entries), count) < 0)
        return 0;
      for (unsigned i = before; i < count; ++i)
        index_of.emplace(Key(info.bmiColors[i]), BYTE(i));
    }
    std::fill(out_band.begin(), out_band.end(), 0);
    for (int row = 0; row < n; ++row)
      for (int column = 0; column < ih.biWidth; ++column) {
        const RGBQUAD c = GetRGB(&s.info, row, column, in_band.data());
        if (entries)
          SetDIBPixel(&info, row, column, out_band.data(), index_of[Key(c)]);
        else
          SetRGBPixel(&info, row, column, out_band.data(), c);
      }
    if (!WriteAll(out.get(), out_band.data(), stride * std::size_t(n))) return 0;
  }
  if (entries) {
    if (std::fseek(out.get(), long(14 + ih.biSize), SEEK_SET) != 0 ||
        !WriteAll(out.get(), info.bmiColors, 4 * entries))
      return 0;
  }
  if (std::fclose(out.release()) != 0) return 0;
  if (progress) progress->SetPos(0);
  return 1;
}

}  // namespace talvik
