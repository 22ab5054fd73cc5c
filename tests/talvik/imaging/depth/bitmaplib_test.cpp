// CBitmapLib: colour lists and bit-depth changes of BMP files, band by band.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "depth/bitmaplib.h"
#include "dossier_temporaire.h"

using talvik::BITMAPINFO;
using talvik::CBitmapLib;
using talvik::RGBQUAD;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, unsigned v) {
  b[at] = std::uint8_t(v);
  b[at + 1] = std::uint8_t(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}
std::uint32_t Get32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

// A 24-bit BMP; pixels[i] is stored row after row, row 0 first in the file.
Bytes Bmp24(int w, int h, const std::vector<Rgb>& pixels, bool size_zero = false,
            bool top_down = false, std::uint32_t compression = 0) {
  const std::size_t stride = std::size_t((w * 24 + 31) / 32 * 4);
  Bytes b(54 + stride * std::size_t(h), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, std::uint32_t(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, std::uint32_t(w));
  Put32(b, 22, std::uint32_t(top_down ? -h : h));
  Put16(b, 26, 1);
  Put16(b, 28, 24);
  Put32(b, 30, compression);
  Put32(b, 34, size_zero ? 0 : std::uint32_t(stride * std::size_t(h)));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgb& c = pixels[std::size_t(y * w + x)];
      const std::size_t at = 54 + std::size_t(y) * stride + std::size_t(x) * 3;
      b[at] = c.b;
      b[at + 1] = c.g;
      b[at + 2] = c.r;
    }
  return b;
}

void Save(const std::string& path, const Bytes& b) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                              std::streamsize(b.size()));
}
Bytes Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads every pixel of a BMP file written by ChangeColorDepth, row 0 first.
std::vector<Rgb> Pixels(const Bytes& f) {
  BITMAPINFO info{};
  auto& h = info.bmiHeader;
  h.biSize = Get32(f, 14);
  h.biWidth = std::int32_t(Get32(f, 18));
  h.biHeight = std::int32_t(Get32(f, 22));
  h.biBitCount = std::uint16_t(f[28] | (f[29] << 8));
  h.biSizeImage = Get32(f, 34);
  h.biClrUsed = Get32(f, 46);
  for (std::uint32_t i = 0; i < h.biClrUsed; ++i)
    info.bmiColors[i] = RGBQUAD{f[54 + 4 * i], f[55 + 4 * i], f[56 + 4 * i], f[57 + 4 * i]};
  const std::uint8_t* bits = f.data() + Get32(f, 10);
  std::vector<Rgb> out;
  const int rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < h.biWidth; ++x) {
      const RGBQUAD c = CBitmapLib::GetRGB(&info, y, x, bits);
      out.push_back({c.rgbRed, c.rgbGreen, c.rgbBlue});
    }
  return out;
}

const Rgb kRed{255, 0, 0}, kGreen{0, 200, 0}, kBlue{10, 20, 250};

// 5 x 4: row 0 (stored first) starts green, then red; blue only on row 3.
std::vector<Rgb> ThreeColours() {
  std::vector<Rgb> p(20, kRed);
  p[0] = kGreen;
  p[19] = kBlue;
  return p;
}

struct Recorder : talvik::CProgressCtrl {
  int lower = -1, upper = -1;
  std::vector<int> positions;
  void SetRange32(int lo, int hi) override {
    lower = lo;
    upper = hi;
  }
  void SetPos(int p) override { positions.push_back(p); }
};

}  // namespace

TEST(ColourDepth, ThreeColoursTo8BitsKeepOrderOfFirstAppearance) {
  lumaveil::testing::TempDir dir;
  Save(dir.File("in.bmp"), Bmp24(5, 4, ThreeColours()));
  ASSERT_EQ(CBitmapLib::ChangeColorDepth(dir.File("in.bmp"), dir.File("out.bmp"), 8, nullptr), 1);
  const Bytes f = Load(dir.File("out.bmp"));
  ASSERT_GE(f.size(), 54u + 1024);
  EXPECT_EQ(f[28], 8);
  EXPECT_EQ(Get32(f, 46), 256u);             // biClrUsed
  EXPECT_EQ(Get32(f, 10), 54u + 1024);       // bfOffBits
  EXPECT_EQ(Get32(f, 34), 8u * 4);           // biSizeImage: 4 rows of 8 bytes
  EXPECT_EQ(Get32(f, 2), f.size());          // bfSize
  auto entry = [&](int i) { return Rgb{f[56 + 4 * i], f[55 + 4 * i], f[54 + 4 * i]}; };
  EXPECT_EQ(entry(0), kGreen);
  EXPECT_EQ(entry(1), kRed);
  EXPECT_EQ(entry(2), kBlue);
  for (int i = 3; i < 256; ++i) ASSERT_EQ(entry(i), (Rgb{255, 255, 255})) << i;
  EXPECT_EQ(Pixels(f), ThreeColours());
}

TEST(ColourDepth, TooManyColoursForTheDepthFails) {
  lumaveil::testing::TempDir dir;
  Save(dir.File("in.bmp"), Bmp24(5, 4, ThreeColours()));
  EXPECT_EQ(CBitmapLib::ChangeColorDepth(dir.File("in.bmp"), dir.File("out.bmp"), 1, nullptr), 0);
  RGBQUAD colours[2];
  EXPECT_EQ(CBitmapLib::GetUsedColors(dir.File("in.bmp"), colours, 2, nullptr), -2);
}

TEST(ColourDepth, SixteenBitsRoundEachChannelDownToAMultipleOf8) {
  lumaveil::testing::TempDir dir;
  std::vector<Rgb> p;
  for (int i = 0; i < 7 * 3; ++i)
    p.push_back({std::uint8_t(i * 13 + 7), std::uint8_t(255 - i * 5), std::uint8_t(i * 37)});
  Save(dir.File("in.bmp"), Bmp24(7, 3, p));
  ASSERT_EQ(CBitmapLib::ChangeColorDepth(dir.File("in.bmp"), dir.File("out.bmp"), 16, nullptr), 1);
  const auto back = Pixels(Load(dir.File("out.bmp")));
  ASSERT_EQ(back.size(), p.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    EXPECT_EQ(back[i].r, p[i].r & 0xF8);
    EXPECT_EQ(back[i].g, p[i].g & 0xF8);
    EXPECT_EQ(back[i].b, p[i].b & 0xF8);
  }
}

TEST(ColourDepth, EveryDepthKeepsAPictureThatFits) {
  // Two colours fit every depth; odd widths exercise the bit packing and
  // the row padding.
  lumaveil::testing::TempDir dir;
  for (int w : {1, 7, 9, 13, 33}) {
    std::vector<Rgb> p;
    for (int i = 0; i < w * 3; ++i) p.push_back((i * 7 + i / w) % 3 ? Rgb{0, 0, 0} : Rgb{248, 8, 136});
    Save(dir.File("in.bmp"), Bmp24(w, 3, p));
    for (unsigned short bits : {1, 4, 8, 16, 24, 32}) {
      ASSERT_EQ(CBitmapLib::ChangeColorDepth(dir.File("in.bmp"), dir.File("o.bmp"), bits, nullptr), 1);
      const Bytes f = Load(dir.File("o.bmp"));
      EXPECT_EQ(Get32(f, 2), f.size()) << bits;
      EXPECT_EQ(Pixels(f), p) << "width " << w << " bits " << bits;
      // And back to 24 bits through the converted file.
      ASSERT_EQ(CBitmapLib::ChangeColorDepth(dir.File("o.bmp"), dir.File("b.bmp"), 24, nullptr), 1);
      EXPECT_EQ(Pixels(Load(dir.File("b.bmp"))), p) << "width " << w << " bits " << bits;
    }
  }
}

TEST(ColourDepth, OtherBitCountOrUnreadableSourceFails) {
  lumaveil::testing::TempDir dir;
  Save(dir.File("in.bmp"), Bmp24(5, 4, ThreeColours()));
  EXPECT_EQ(CBitmapLib::ChangeColorDepth(dir.File("in.bmp"), dir.File("o.bmp"), 2, nullptr), 0);
  EXPECT_EQ(CBitmapLib::ChangeColorDepth(dir.File("none.bmp"), dir.File("o.bmp"), 8, nullptr), 0);
  EXPECT_EQ(CBitmapLib::ChangeColorDepth(dir.File("in.bmp"), dir.File("no/dir.bmp"), 8, nullptr), 0);
}

TEST(UsedColours, CompressedPictureGivesMinusOne) {
  lumaveil::testing::TempDir dir;
  Bytes rle = Bmp24(5, 4, ThreeColours(), false, false, 1);
  Put16(rle, 28, 8);
  Save(dir.File("rle.bmp"), rle);
  RGBQUAD colours[16];
  EXPECT_EQ(CBitmapLib::GetUsedColors(dir.File("rle.bmp"), colours, 16, nullptr), -1);
  EXPECT_EQ(CBitmapLib::ChangeColorDepth(dir.File("rle.bmp"), dir.File("o.bmp"), 24, nullptr), 0);
  BITMAPINFO info{};
  info.bmiHeader.biCompression = 1;
  unsigned short count = 0;
  std::uint8_t bits[4] = {};
  EXPECT_EQ(CBitmapLib::GetUsedColors(&info, bits, 0, 1, colours, 16, count), -1);
}

TEST(UsedColours, ListsColoursInOrderAndCountsThem) {
  lumaveil::testing::TempDir dir;
  Save(dir.File("in.bmp"), Bmp24(5, 4, ThreeColours()));
  RGBQUAD colours[8];
  Recorder progress;
  EXPECT_EQ(CBitmapLib::GetUsedColors(dir.File("in.bmp"), colours, 8, &progress), 3);
  EXPECT_EQ(colours[0].rgbGreen, 200);
  EXPECT_EQ(colours[2].rgbBlue, 250);
  EXPECT_EQ(progress.lower, 0);
  EXPECT_EQ(progress.upper, 54 + 4 * 16);
  ASSERT_FALSE(progress.positions.empty());
  EXPECT_EQ(progress.positions.back(), 0);
  EXPECT_EQ(CBitmapLib::GetUsedColors(dir.File("in.bmp"), colours, 3, nullptr), 3);
}

TEST(UsedColours, HundredRowsAreOneBandAndHundredOneAreTwo) {
  lumaveil::testing::TempDir dir;
  for (int h : {100, 101}) {
    std::vector<Rgb> p(std::size_t(4 * h), kRed);
    p.back() = kBlue;  // a colour only in the last stored row
    Save(dir.File("in.bmp"), Bmp24(4, h, p));
    RGBQUAD colours[8];
    Recorder progress;
    EXPECT_EQ(CBitmapLib::GetUsedColors(dir.File("in.bmp"), colours, 8, &progress), 2);
    // Positions: 0 at the start, after the file header, after the info header, after each
    // band, then 0.
    std::vector<int> bands(progress.positions.begin() + 3, progress.positions.end() - 1);
    if (h == 100) {
      EXPECT_EQ(bands, std::vector<int>({54 + 12 * 100}));
    } else {
      EXPECT_EQ(bands, std::vector<int>({54 + 12 * 100, 54 + 12 * 101}));
    }
    ASSERT_EQ(CBitmapLib::ChangeColorDepth(dir.File("in.bmp"), dir.File("o.bmp"), 4, nullptr), 1);
    EXPECT_EQ(Pixels(Load(dir.File("o.bmp"))), p);
  }
}

TEST(UsedColours, ZeroImageSizeAndTopDownRowsRead) {
  lumaveil::testing::TempDir dir;
  std::vector<Rgb> p;
  for (int i = 0; i < 9 * 5; ++i) p.push_back({std::uint8_t(i * 5), std::uint8_t(i % 3), 7});
  const Bytes plain = Bmp24(9, 5, p);
  const Bytes no_size = Bmp24(9, 5, p, true);
  const Bytes top_down = Bmp24(9, 5, p, true, true);
  RGBQUAD a[64], b[64];
  Save(dir.File("a.bmp"), plain);
  const int n = CBitmapLib::GetUsedColors(dir.File("a.bmp"), a, 64, nullptr);
  EXPECT_EQ(n, 45);
  for (const Bytes* variant : {&no_size, &top_down}) {
    Save(dir.File("b.bmp"), *variant);
    ASSERT_EQ(CBitmapLib::GetUsedColors(dir.File("b.bmp"), b, 64, nullptr), n);
    for (int i = 0; i < n; ++i) EXPECT_EQ(std::memcmp(&a[i], &b[i], 3), 0);
    ASSERT_EQ(CBitmapLib::ChangeColorDepth(dir.File("b.bmp"), dir.File("o.bmp"), 32, nullptr), 1);
    const Bytes f = Load(dir.File("o.bmp"));
    EXPECT_EQ(std::int32_t(Get32(f, 22)), std::int32_t(Get32(*variant, 22)));
    EXPECT_EQ(Pixels(f), p);
  }
}

TEST(UsedColours, FilesThatDoNotHoldTheirPictureGiveZero) {
  lumaveil::testing::TempDir dir;
  const Bytes good = Bmp24(5, 4, ThreeColours());
  RGBQUAD colours[8];
  Bytes not_bm = good;
  not_bm[0] = 'X';
  Bytes short_file(good.begin(), good.end() - 3);
  Bytes bad_offset = good;
  Put32(bad_offset, 10, 1u << 30);
  Bytes bad_bits = good;
  Put16(bad_bits, 28, 7);
  Bytes huge = good;
  Put32(huge, 18, 1u << 20);
  for (const Bytes* b : {&not_bm, &short_file, &bad_offset, &bad_bits, &huge}) {
    Save(dir.File("x.bmp"), *b);
    EXPECT_EQ(CBitmapLib::GetUsedColors(dir.File("x.bmp"), colours, 8, nullptr), 0);
    EXPECT_EQ(CBitmapLib::ChangeColorDepth(dir.File("x.bmp"), dir.File("o.bmp"), 24, nullptr), 0);
  }
  EXPECT_EQ(CBitmapLib::GetUsedColors(dir.File("missing.bmp"), colours, 8, nullptr), 0);
}
