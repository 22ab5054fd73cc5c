// CGif writing: file layout, bit packing and the LZW compressor with its
// hashed string table.
#include <cstring>
#include <new>

#include "codec/gif.h"

namespace talvik {

namespace {
constexpr std::uint16_t kNone = 0xFFFF;
}

int CGif::BitsNeeded(unsigned n) {
  if (n == 0) return 0;
  int bits = 1;
  for (unsigned v = n - 1; v > 1; v >>= 1) ++bits;
  return bits;
}

void CGif::SetSource(const HBITMAP& picture, const GifPalette& palette) {
  source_ = &picture;
  source_palette_ = &palette;
}

// ---- File output ----

int CGif::Write(const void* data, std::size_t size) {
  if (!out_) return 2;
  if (size == 0) return 0;
  return std::fwrite(data, 1, size, out_.get()) == size ? 0 : 2;
}

int CGif::WriteByte(int value) {
  const std::uint8_t b = std::uint8_t(value);
  return Write(&b, 1);
}

int CGif::WriteWord(int value) {
  const std::uint8_t b[2] = {std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF)};
  return Write(b, 2);
}

int CGif::WriteScreenDescriptor(int flags) {
  if (WriteWord(width_) || WriteWord(height_) || WriteByte(flags) || WriteByte(0) ||
      WriteByte(0))
    return 2;
  return 0;
}

int CGif::WriteImageDescriptor() {
  if (WriteByte(0x2C) || WriteWord(rect_left_) || WriteWord(rect_top_) ||
      WriteWord(rect_width_) || WriteWord(rect_height_) || WriteByte(0))
    return 2;
  return 0;
}

// Graphic control extension: transparency only, no delay.
int CGif::WriteTransparentColorIndex() {
  const std::uint8_t block[8] = {0x21, 0xF9, 4, 1, 0, 0, std::uint8_t(transparent_out_), 0};
  return Write(block, sizeof block);
}

// ---- Public writing steps ----

int CGif::GIF_Create(const char* path, int width, int height, int colours, int resolution) {
  out_.reset();
  out_table_.clear();
  palette_size_ = colours > 0 ? 1 << BitsNeeded(unsigned(colours > 256 ? 256 : colours)) : 0;
  resolution_ = resolution < 1 ? 1 : (resolution > 8 ? 8 : resolution);
  width_ = width;
  height_ = height;
  if (!path) return 1;
  out_.reset(std::fopen(path, "wb"));
  if (!out_) return 1;
  if (Write("GIF87a", 6)) return 2;
  int flags = (resolution_ - 1) << 4;
  if (palette_size_ > 0) flags |= 0x80 | (BitsNeeded(unsigned(palette_size_)) - 1);
  if (WriteScreenDescriptor(flags)) return 2;
  try {
    out_table_.assign(std::size_t(palette_size_) * 3, 0);
  } catch (const std::bad_alloc&) {
    return 3;
  }
  return 0;
}

void CGif::GIF_SetColor(int index, int red, int green, int blue) {
  if (index < 0 || index >= palette_size_) return;
  const int top = (1 << resolution_) - 1;
  auto scale = [top](int v) { return std::uint8_t((v * 255 / top) & 0xFF); };
  out_table_[std::size_t(index) * 3] = scale(red);
  out_table_[std::size_t(index) * 3 + 1] = scale(green);
  out_table_[std::size_t(index) * 3 + 2] = scale(blue);
}

int CGif::GIF_CompressImage(int left, int top, int width, int height) {
  if (!out_) return 2;
  if (width < 0) {
    left = 0;
    width = width_;
  }
  if (height < 0) {
    top = 0;
    height = height_;
  }
  rect_left_ = left < 0 ? 0 : left;
  rect_top_ = top < 0 ? 0 : top;
  rect_width_ = width;
  rect_height_ = height;
  in_column_ = in_row_ = 0;
  if (Write(out_table_.data(), out_table_.size())) return 2;
  if (transparent_out_ >= 0 && WriteTransparentColorIndex()) return 2;
  if (WriteImageDescriptor()) return 2;
  int code_size = BitsNeeded(unsigned(palette_size_));
  if (code_size < 2) code_size = 2;
  if (WriteByte(code_size)) return 2;
  const int r = LZW_Compress(code_size);
  if (r) return r;
  return WriteByte(0);
}

int CGif::GIF_Close() {
  int r = 0;
  if (!out_) return 2;
  if (WriteByte(0x3B)) r = 2;
  if (std::fclose(out_.release()) != 0) r = 2;
  out_table_.clear();
  source_ = nullptr;
  source_palette_ = nullptr;
  return r;
}

// ---- Bit packing ----

void CGif::InitBitFile() {
  std::memset(bit_buffer_, 0, sizeof bit_buffer_);
  bit_index_ = 0;
  bit_free_ = 8;
}

// Packs `bits` bits of `code`, least significant first; a full sub-block of
// 255 bytes goes to the file with its length byte.
int CGif::WriteBits(int code, int bits) {
  while (bits > 0) {
    const int take = bits < bit_free_ ? bits : bit_free_;
    const int shift = 8 - bit_free_;
    bit_buffer_[bit_index_] |= std::uint8_t((code & ((1 << take) - 1)) << shift);
    code >>= take;
    bits -= take;
    bit_free_ -= take;
    if (bit_free_ == 0) {
      ++bit_index_;
      bit_free_ = 8;
      if (bit_index_ == 255) {
        if (WriteByte(255) || Write(bit_buffer_, 255)) return 2;
        InitBitFile();
      }
    }
  }
  return 0;
}

// Writes the bytes still held, a partly filled last byte included, as one
// sub-block.
int CGif::ResetOutBitFile() {
  const int count = bit_index_ + (bit_free_ < 8 ? 1 : 0);
  if (count > 0 && (WriteByte(count) || Write(bit_buffer_, std::size_t(count)))) return 2;
  InitBitFile();
  return 0;
}

// ---- String table ----

int CGif::AllocStrtab() {
  strtab_.reset(new (std::nothrow) StringTable);
  return strtab_ ? 1 : 0;
}

void CGif::FreeStrtab() { strtab_.reset(); }

// Empties the table and puts back the roots 0 .. 2^code_size + 1.
void CGif::ClearStrtab(int code_size) {
  StringTable& t = *strtab_;
  std::memset(t.hash, 0xFF, sizeof t.hash);
  t.count = 0;
  const int roots = (1 << code_size) + 2;
  for (int i = 0; i < roots; ++i) AddCharString(kNone, std::uint8_t(i & 0xFF));
}

std::uint16_t CGif::AddCharString(std::uint16_t prefix, std::uint8_t character) {
  StringTable& t = *strtab_;
  if (t.count > 4095) return kNone;
  int slot = int((unsigned(prefix) ^ (unsigned(character) << 8)) % kHashSize);
  while (t.hash[slot] != kNone) slot = (slot + kHashStep) % kHashSize;
  const std::uint16_t entry = std::uint16_t(t.count++);
  t.hash[slot] = entry;
  t.character[entry] = character;
  t.prefix[entry] = prefix;
  return entry;
}

std::uint16_t CGif::FindCharString(std::uint16_t prefix, std::uint8_t character) const {
  if (prefix == kNone) return character;
  const StringTable& t = *strtab_;
  int slot = int((unsigned(prefix) ^ (unsigned(character) << 8)) % kHashSize);
  while (t.hash[slot] != kNone) {
    const std::uint16_t e = t.hash[slot];
    if (t.prefix[e] == prefix && t.character[e] == character) return e;
    slot = (slot + kHashStep) % kHashSize;
  }
  return kNone;
}

// ---- Compressor ----

// Next colour index of the rectangle, row after row; -1 after the last row.
int CGif::InputByte() {
  if (in_row_ >= rect_height_ || rect_width_ <= 0) return -1;
  int index = 0;
  if (source_ && source_palette_) {
    const COLORREF c = source_->GetPixel(rect_left_ + in_column_, rect_top_ + in_row_);
    index = source_palette_->NearestIndex(c & 0x00FFFFFF);
  }
  if (++in_column_ >= rect_width_) {
    in_column_ = 0;
    ++in_row_;
  }
  return index;
}

int CGif::LZW_Compress(int code_size) {
  InitBitFile();
  if (!AllocStrtab()) return 3;
  ClearStrtab(code_size);
  const int clear = 1 << code_size;
  int size = code_size + 1;
  int largest = (1 << size) - 1;
  int r = WriteBits(clear, size);
  std::uint16_t prefix = kNone;
  for (int k = InputByte(); k >= 0 && r == 0; k = InputByte()) {
    const std::uint16_t found = FindCharString(prefix, std::uint8_t(k));
    if (found != kNone) {
      prefix = found;
      continue;
    }
    r = WriteBits(prefix, size);
    const std::uint16_t entry = AddCharString(prefix, std::uint8_t(k));
    if (entry > largest) {
      if (++size > 12) {
        if (r == 0) r = WriteBits(clear, 12);
        ClearStrtab(code_size);
        size = code_size + 1;
      }
      largest = (1 << size) - 1;
    }
    prefix = std::uint16_t(k);
  }
  if (r == 0 && prefix != kNone) r = WriteBits(prefix, size);
  if (r == 0) r = WriteBits(clear + 1, size);
  if (r == 0) r = ResetOutBitFile();
  FreeStrtab();
  return r;
}

}  // namespace talvik
