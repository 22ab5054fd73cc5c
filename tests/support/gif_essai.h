// Builds GIF files byte by byte for the tests, with a plain LZW coder of its
// own: each code is a root written at the code size the decoder expects, and
// a clear code comes before the table would grow past 12 bits (or never,
// to test a stream that goes on with a full table).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumaveil::testing {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
  std::uint8_t r, g, b;
};

class GifBuilder {
 public:
  // Header, logical screen and an optional global table (size a power of two).
  GifBuilder(const std::string& signature, int width, int height,
             const std::vector<Rgb>& global_table) {
    for (char c : signature) out_.push_back(std::uint8_t(c));
    Word(width);
    Word(height);
    int flags = 0x70;
    if (!global_table.empty()) flags |= 0x80 | (TableBits(global_table.size()) - 1);
    out_.push_back(std::uint8_t(flags));
    out_.push_back(0);
    out_.push_back(0);
    Table(global_table);
  }

  GifBuilder& ControlExtension(bool transparent, int index, int delay = 0, int disposal = 0) {
    Bytes b = {0x21, 0xF9, 4, std::uint8_t((transparent ? 1 : 0) | (disposal << 2)),
               std::uint8_t(delay & 0xFF), std::uint8_t(delay >> 8), std::uint8_t(index), 0};
    out_.insert(out_.end(), b.begin(), b.end());
    return *this;
  }
  GifBuilder& Comment(const std::string& text) {
    out_.push_back(0x21);
    out_.push_back(0xFE);
    SubBlocks(Bytes(text.begin(), text.end()));
    return *this;
  }
  GifBuilder& Application() {
    Bytes b = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
               3, 1, 0, 0, 0};
    out_.insert(out_.end(), b.begin(), b.end());
    return *this;
  }
  GifBuilder& PlainText() {
    Bytes b = {0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0, 5, 'h', 'e', 'l', 'l', 'o', 0};
    out_.insert(out_.end(), b.begin(), b.end());
    return *this;
  }

  // One image. `rows` holds the colour indices row after row, top first;
  // with `interlace` they are written in the order of the four passes.
  GifBuilder& Image(int width, int height, const std::vector<std::uint8_t>& rows,
                    bool interlace = false, const std::vector<Rgb>& local_table = {},
                    int min_code_size = 8, bool with_clears = true) {
    out_.push_back(0x2C);
    Word(0);
    Word(0);
    Word(width);
    Word(height);
    int flags = interlace ? 0x40 : 0;
    if (!local_table.empty()) flags |= 0x80 | (TableBits(local_table.size()) - 1);
    out_.push_back(std::uint8_t(flags));
    Table(local_table);
    std::vector<std::uint8_t> order;
    if (!interlace) {
      order = rows;
    } else {
      const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
      for (int p = 0; p < 4; ++p)
        for (int y = start[p]; y < height; y += step[p])
          order.insert(order.end(), rows.begin() + y * width, rows.begin() + (y + 1) * width);
    }
    out_.push_back(std::uint8_t(min_code_size));
    SubBlocks(Lzw(order, min_code_size, with_clears));
    return *this;
  }

  GifBuilder& Raw(const Bytes& b) {
    out_.insert(out_.end(), b.begin(), b.end());
    return *this;
  }
  Bytes Trailer() {
    out_.push_back(0x3B);
    return out_;
  }
  Bytes Data() const { return out_; }

  // Codes written as roots only, at the decoder's code size.
  static Bytes Lzw(const std::vector<std::uint8_t>& indices, int m, bool with_clears) {
    Bytes data;
    std::uint32_t acc = 0;
    int nbits = 0;
    auto put = [&](int code, int size) {
      acc |= std::uint32_t(code) << nbits;
      nbits += size;
      while (nbits >= 8) {
        data.push_back(std::uint8_t(acc & 0xFF));
        acc >>= 8;
        nbits -= 8;
      }
    };
    const int clear = 1 << m;
    int size = m + 1;
    int next = clear + 2;
    bool first = true;
    put(clear, size);
    for (std::uint8_t k : indices) {
      if (with_clears && next >= (1 << size) - 1 && !first) {
        put(clear, size);
        size = m + 1;
        next = clear + 2;
        first = true;
      }
      put(k, size);
      if (!first && next < 4096) {
        ++next;
        if (next == (1 << size) && size < 12) ++size;
      }
      first = false;
    }
    put(clear + 1, size);
    if (nbits > 0) data.push_back(std::uint8_t(acc & 0xFF));
    return data;
  }

 private:
  void Word(int v) {
    out_.push_back(std::uint8_t(v & 0xFF));
    out_.push_back(std::uint8_t(v >> 8));
  }
  static int TableBits(std::size_t n) {
    int bits = 1;
    while ((std::size_t(1) << bits) < n) ++bits;
    return bits;
  }
  void Table(const std::vector<Rgb>& t) {
    for (const Rgb& c : t) {
      out_.push_back(c.r);
      out_.push_back(c.g);
      out_.push_back(c.b);
    }
  }
  void SubBlocks(const Bytes& data) {
    for (std::size_t i = 0; i < data.size(); i += 255) {
      const std::size_t n = std::min<std::size_t>(255, data.size() - i);
      out_.push_back(std::uint8_t(n));
      out_.insert(out_.end(), data.begin() + long(i), data.begin() + long(i + n));
    }
    out_.push_back(0);
  }
  Bytes out_;
};

}  // namespace lumaveil::testing
