// CGif reading: the block walk, the LZW decoder and the pixel layout.
#include <algorithm>
#include <cstring>

#include "codec/gif.h"
#include "picture/fichier.h"

namespace talvik {

// Working state of one image being decoded.
struct CGif::Decode {
  // Sub-block reader.
  std::size_t block_left = 0;  // bytes left in the current data sub-block
  bool ended = false;          // the data ended (zero-length block or end of buffer)
  bool overrun = false;        // a sub-block ran past the end of the buffer
  // Bit reader.
  std::uint32_t bits = 0;
  int bit_count = 0;
  // Picture and layout.
  HBITMAP picture;
  std::uint32_t colours[256] = {};  // 0x00RRGGBB per index
  int width = 0;
  int height = 0;
  int column = 0;
  int row = 0;
  int pass = 0;  // interlace pass 0..3
  std::int64_t placed = 0;  // pixels written so far
  bool interlaced = false;
  // LZW tables.
  std::uint8_t suffix[4096];
  std::uint16_t prefix[4096];
  std::uint8_t stack[4096];
};

CGif::CGif() = default;
CGif::~CGif() = default;

void CGif::ResetImageState() {
  gce_seen_ = gce_transparent_ = false;
  gce_index_ = gce_disposal_ = gce_delay_ = 0;
  image_transparent_ = false;
  image_transparent_index_ = image_disposal_ = image_delay_ = image_flags_ = 0;
  transparent_color_ = 0;
}

int CGif::Load(const char* path) {
  data_.clear();
  data_.shrink_to_fit();
  pos_ = 0;
  global_count_ = 0;
  ResetImageState();
  if (!path) return 0;
  // Regular files only: a device or a pipe could be read for ever.
  std::vector<std::uint8_t> bytes;
  if (!fichier::LitTout(path, bytes)) return 0;
  return LoadMemory(bytes.data(), bytes.size());
}

int CGif::LoadMemory(const std::uint8_t* data, std::size_t size) {
  data_.clear();
  data_.shrink_to_fit();
  pos_ = 0;
  screen_width_ = screen_height_ = background_index_ = global_count_ = 0;
  std::memset(global_table_, 0, sizeof global_table_);
  ResetImageState();
  if (!data || size < 13) return 0;
  if (std::memcmp(data, "GIF8", 4) != 0 || (data[4] != '7' && data[4] != '9') || data[5] != 'a')
    return 0;
  screen_width_ = data[6] | (data[7] << 8);
  screen_height_ = data[8] | (data[9] << 8);
  const int flags = data[10];
  background_index_ = data[11];
  std::size_t at = 13;
  if (flags & 0x80) {
    const int count = 1 << ((flags & 7) + 1);
    if (size - at < std::size_t(count) * 3) return 0;
    std::memcpy(global_table_, data + at, std::size_t(count) * 3);
    global_count_ = count;
    at += std::size_t(count) * 3;
  }
  data_.assign(data + at, data + size);
  return 1;
}

HBITMAP CGif::FirstImage() {
  pos_ = 0;
  gce_seen_ = gce_transparent_ = false;
  return NextImage();
}

// Skips a chain of sub-blocks up to and including its zero-length
// terminator. False when the chain runs past the data.
bool CGif::SkipSubBlocks() {
  for (;;) {
    if (pos_ >= data_.size()) return false;
    const std::size_t len = data_[pos_++];
    if (len == 0) return true;
    if (data_.size() - pos_ < len) return false;
    pos_ += len;
  }
}

HBITMAP CGif::NextImage() {
  // Whether this walk has covered the data from its first block without
  // meeting an image: reaching the trailer again would then loop for ever.
  bool from_start = pos_ == 0;
  while (pos_ < data_.size()) {
    const std::uint8_t kind = data_[pos_];
    if (kind == 0x3B || kind == 0x00) {
      if (from_start) return {};
      pos_ = 0;
      from_start = true;
      gce_seen_ = gce_transparent_ = false;
      continue;
    }
    if (kind == 0x21) {
      if (data_.size() - pos_ < 2) return {};
      const std::uint8_t label = data_[pos_ + 1];
      if (label != 0x01 && label != 0xF9 && label != 0xFE && label != 0xFF) return {};
      pos_ += 2;
      if (label == 0xF9) {
        // First sub-block: flags, delay (16 bits), transparent index.
        if (pos_ >= data_.size()) return {};
        const std::size_t len = data_[pos_];
        if (len >= 4 && data_.size() - pos_ > 4) {
          const std::uint8_t* b = data_.data() + pos_ + 1;
          gce_seen_ = true;
          gce_transparent_ = (b[0] & 1) != 0;
          gce_disposal_ = b[0] & 0x1C;
          gce_delay_ = b[1] | (b[2] << 8);
          gce_index_ = b[3];
        }
      }
      // The header of plain-text and application blocks is the first
      // sub-block of the chain, so one walk skips header, data and terminator.
      if (!SkipSubBlocks()) return {};
      continue;
    }
    if (kind == 0x2C) {
      ++pos_;
      return TakeIt();
    }
    return {};
  }
  return {};
}

HBITMAP CGif::TakeIt() {
  if (data_.size() - pos_ < 9) {
    pos_ = data_.size();
    return {};
  }
  const std::uint8_t* d = data_.data() + pos_;
  const int width = d[4] | (d[5] << 8);
  const int height = d[6] | (d[7] << 8);
  const int flags = d[8];
  pos_ += 9;
  if (width > 0 && height > 0 && !Bitmap::FitsBudget(width, height)) {
    pos_ = data_.size();
    return {};
  }

  image_flags_ = flags;
  image_transparent_ = gce_transparent_;
  image_transparent_index_ = gce_transparent_ ? gce_index_ : 0;
  image_disposal_ = gce_disposal_;
  image_delay_ = gce_delay_;
  gce_seen_ = gce_transparent_ = false;
  gce_index_ = gce_disposal_ = gce_delay_ = 0;
  transparent_color_ = 0;

  auto state = std::make_unique<Decode>();
  Decode& s = *state;

  // Colour table: the local one when present, else the global one; the
  // entries not given stay black.
  const std::uint8_t* table = global_table_;
  int table_count = global_count_;
  if (flags & 0x80) {
    const int count = 1 << ((flags & 7) + 1);
    if (data_.size() - pos_ < std::size_t(count) * 3) {
      pos_ = data_.size();
      return {};
    }
    table = data_.data() + pos_;
    table_count = count;
    pos_ += std::size_t(count) * 3;
  }
  for (int i = 0; i < table_count; ++i)
    s.colours[i] = (std::uint32_t(table[3 * i]) << 16) | (std::uint32_t(table[3 * i + 1]) << 8) |
                   table[3 * i + 2];
  if (image_transparent_) transparent_color_ = ColorFromPixel(s.colours[image_transparent_index_]);

  // Minimum code size, then the data sub-blocks.
  if (pos_ >= data_.size()) return {};
  const int min_size = data_[pos_++];
  if (width == 0 || height == 0 || min_size < 1 || min_size > 8) {
    SkipSubBlocks();
    return {};
  }
  // Each code takes at least min_size + 1 bits and gives at most 4096
  // pixels. A picture of more than 2^24 pixels (up to 65535 x 65535 may be
  // declared in a few bytes) that the data cannot fill fails now, before
  // hundreds of megabytes are made for it; smaller ones are kept as far as
  // the data goes.
  const std::int64_t codes = std::int64_t(data_.size() - pos_) * 8 / (min_size + 1);
  const std::int64_t pixels = std::int64_t(width) * height;
  if (pixels > (std::int64_t(1) << 24) && pixels > codes * 4096) {
    Bitmap::SetLastCreateError("The file's data ends before the picture does");
    SkipSubBlocks();
    return {};
  }
  s.picture = Bitmap::Create(width, height);
  if (!s.picture) {
    SkipSubBlocks();
    return {};
  }
  s.width = width;
  s.height = height;
  s.interlaced = (flags & 0x40) != 0;
  dec_ = &s;

  const int clear = 1 << min_size;
  const int end = clear + 1;
  int size = min_size + 1;
  int next = clear + 2;
  int prev = -1;           // previous code, -1 after a clear
  std::uint8_t first = 0;  // first character of the previous code's string
  bool ok = true;
  for (;;) {
    const int code = GetCode(size);
    if (code < 0) {
      // The data ended without an end code: a picture already complete is
      // kept, a cut one fails.
      ok = s.placed == std::int64_t(width) * height;
      break;
    }
    if (code == clear) {
      size = min_size + 1;
      next = clear + 2;
      prev = -1;
      continue;
    }
    if (code == end) break;
    // A code may name a string already in the table, or the one about to
    // be added (never right after a clear).
    if (code > next || (code == next && (prev < 0 || next >= 4096))) {
      ok = false;
      break;
    }
    int depth = 0;
    int c = code;
    if (code == next) {
      s.stack[depth++] = first;  // last character: the previous string's first
      c = prev;
    }
    while (c >= clear) {
      if (c == end || c == clear || s.prefix[c] >= c || depth >= 4095) {
        ok = false;
        break;
      }
      s.stack[depth++] = s.suffix[c];
      c = s.prefix[c];
    }
    if (!ok) break;
    s.stack[depth++] = std::uint8_t(c);
    const std::uint8_t head = std::uint8_t(c);
    while (depth > 0) Output(s.stack[--depth]);
    // The new entry: previous string plus this string's first character.
    // A full table takes no more entries until the next clear.
    if (prev >= 0 && next < 4096) {
      s.prefix[next] = std::uint16_t(prev);
      s.suffix[next] = head;
      ++next;
      if (next == (1 << size) && size < 12) ++size;
    }
    prev = code;
    first = head;
  }
  dec_ = nullptr;
  // Skip what is left of the image data: the rest of the current sub-block
  // and the sub-blocks after it up to the terminator.
  if (!s.ended) {
    pos_ += s.block_left;
    if (!SkipSubBlocks()) pos_ = data_.size();
  }
  if (!ok || s.overrun) return {};
  // An end code before the last pixel: the pixels not reached take index 0
  // (a new bitmap is black already).
  if (s.colours[0] != 0) {
    while (s.row < s.height) {
      std::uint32_t* line = s.picture.Row(s.row);
      std::fill(line + s.column, line + s.width, s.colours[0]);
      s.column = 0;
      NextRow(s);
    }
  }
  return std::move(s.picture);
}

// Next data byte of the image, moving to the next sub-block when one is
// used up; -1 when the data ends (a zero-length block or the end of the
// buffer), without moving, or when a sub-block claims more bytes than the
// buffer holds (the image then fails).
int CGif::GetByte() {
  Decode& s = *dec_;
  if (s.ended) return -1;
  if (s.block_left == 0) {
    if (pos_ >= data_.size() || data_[pos_] == 0) {
      if (pos_ < data_.size()) ++pos_;  // the terminator belongs to the image
      s.ended = true;
      return -1;
    }
    s.block_left = data_[pos_++];
    if (data_.size() - pos_ < s.block_left) {
      // A sub-block that claims more than there is fails the image.
      s.overrun = true;
      s.ended = true;
      pos_ = data_.size();
      return -1;
    }
  }
  --s.block_left;
  return data_[pos_++];
}

// Next code of `bits` bits, least significant bit first; -1 when the data
// ends before the code is complete.
int CGif::GetCode(int bits) {
  Decode& s = *dec_;
  while (s.bit_count < bits) {
    const int b = GetByte();
    if (b < 0) return -1;
    s.bits |= std::uint32_t(b) << s.bit_count;
    s.bit_count += 8;
  }
  const int code = int(s.bits & ((1u << bits) - 1));
  s.bits >>= bits;
  s.bit_count -= bits;
  return code;
}

// Places one colour index at the next pixel: row after row, or in the four
// interlace passes (rows 0, 8, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...).
// Indices past the last row are dropped.
void CGif::Output(std::uint8_t index) {
  Decode& s = *dec_;
  if (s.row >= s.height) return;
  s.picture.Row(s.row)[s.column] = s.colours[index];
  ++s.placed;
  if (++s.column < s.width) return;
  s.column = 0;
  NextRow(s);
}

// The row after the current one, in the order the image stores them; the
// row count once every row is done.
void CGif::NextRow(Decode& s) {
  if (!s.interlaced) {
    ++s.row;
    return;
  }
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  s.row += kStep[s.pass];
  while (s.row >= s.height && s.pass < 3) {
    ++s.pass;
    s.row = kStart[s.pass];
  }
}

}  // namespace talvik
