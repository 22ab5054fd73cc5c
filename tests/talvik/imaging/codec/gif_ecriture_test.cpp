// Writing GIF files: byte layout, the transparency extension's place, the
// clear code at 12 bits, and pictures that come back through the reader.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <iterator>

#include "codec/gif.h"
#include "palette_essai.h"
#include "dossier_temporaire.h"

using talvik::CGif;
using talvik::GifPalette;
using talvik::HBITMAP;

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes `picture` with the halftone palette the way the GIF saver does.
int WriteGif(const std::string& path, const HBITMAP& picture, int transparent = -1) {
  const GifPalette pal = GifPalette::Halftone();
  CGif g;
  g.SetSource(picture, pal);
  if (int r = g.GIF_Create(path.c_str(), picture.Width(), picture.Height(), 256, 8)) return r;
  g.SetTransparentIndex(transparent);
  for (int i = 0; i < 256; ++i)
    g.GIF_SetColor(i, pal.Entry(i).peRed, pal.Entry(i).peGreen, pal.Entry(i).peBlue);
  if (int r = g.GIF_CompressImage(0, 0, -1, -1)) return r;
  return g.GIF_Close();
}

// Codes of the image data that starts at `at` (the minimum code size
// byte), with the size each was read at, following the decoder's rules.
struct Code {
  int code;
  int size;
};
std::vector<Code> Codes(const std::vector<std::uint8_t>& f, std::size_t at) {
  const int m = f[at++];
  std::vector<std::uint8_t> data;
  while (f[at] != 0) {
    const int n = f[at++];
    data.insert(data.end(), f.begin() + long(at), f.begin() + long(at + std::size_t(n)));
    at += std::size_t(n);
  }
  std::vector<Code> codes;
  const int clear = 1 << m;
  int size = m + 1, next = clear + 2;
  bool first = true;
  std::size_t bit = 0;
  while (bit + std::size_t(size) <= data.size() * 8) {
    int c = 0;
    for (int i = 0; i < size; ++i, ++bit) c |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
    codes.push_back({c, size});
    if (c == clear + 1) break;
    if (c == clear) {
      size = m + 1;
      next = clear + 2;
      first = true;
      continue;
    }
    if (!first && next < 4096) {
      ++next;
      if (next == (1 << size) && size < 12) ++size;
    }
    first = false;
  }
  return codes;
}

HBITMAP Noise(int w, int h, const GifPalette& pal) {
  HBITMAP b = HBITMAP::Create(w, h);
  std::uint32_t s = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s = s * 1103515245u + 12345u;
      const auto& e = pal.Entry(int((s >> 16) % 256));
      b.SetPixel(x, y, talvik::RGB(e.peRed, e.peGreen, e.peBlue));
    }
  return b;
}

}  // namespace

TEST(GifBitsNeeded, SmallestBitCountHoldingTheValues) {
  EXPECT_EQ(CGif::BitsNeeded(0), 0);
  EXPECT_EQ(CGif::BitsNeeded(1), 1);
  EXPECT_EQ(CGif::BitsNeeded(2), 1);
  EXPECT_EQ(CGif::BitsNeeded(3), 2);
  EXPECT_EQ(CGif::BitsNeeded(4), 2);
  EXPECT_EQ(CGif::BitsNeeded(5), 3);
  EXPECT_EQ(CGif::BitsNeeded(256), 8);
}

TEST(GifHalftone, HoldsCubeGreysAndSystemColours) {
  const GifPalette pal = GifPalette::Halftone();
  ASSERT_EQ(pal.Count(), 256);
  // Every cube colour and pure primary maps to an entry of exactly its colour.
  for (int r = 0; r < 256; r += 51)
    for (int g = 0; g < 256; g += 51)
      for (int b = 0; b < 256; b += 51) {
        const auto& e = pal.Entry(pal.NearestIndex(talvik::RGB(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b))));
        EXPECT_EQ(e.peRed, r);
        EXPECT_EQ(e.peGreen, g);
        EXPECT_EQ(e.peBlue, b);
      }
  const auto& silver = pal.Entry(pal.NearestIndex(talvik::RGB(192, 192, 192)));
  EXPECT_EQ(silver.peRed, 192);
  // At least 26 distinct greys: the cube's 6 and 20 more.
  std::set<int> greys;
  for (int i = 0; i < 256; ++i)
    if (pal.Entry(i).peRed == pal.Entry(i).peGreen && pal.Entry(i).peGreen == pal.Entry(i).peBlue)
      greys.insert(pal.Entry(i).peRed);
  EXPECT_GE(greys.size(), 26u);
}

TEST(GifWrite, OnePixelPictureLayout) {
  lumaveil::testing::TempDir dir;
  const std::string path = dir.File("one.gif");
  ASSERT_EQ(WriteGif(path, HBITMAP::Create(1, 1, talvik::RGB(255, 0, 0))), 0);
  const auto f = ReadAll(path);
  ASSERT_GE(f.size(), 13u + 768 + 10 + 1 + 2 + 1 + 1);
  EXPECT_EQ(std::string(f.begin(), f.begin() + 6), "GIF87a");
  EXPECT_EQ(f[6], 1);
  EXPECT_EQ(f[8], 1);
  EXPECT_EQ(f[10], 0xF7);
  const std::size_t desc = 13 + 768;
  EXPECT_EQ(f[desc], 0x2C);
  EXPECT_EQ(f[desc + 5], 1);  // width
  EXPECT_EQ(f[desc + 9], 0);  // no local table, no interlace
  EXPECT_EQ(f[desc + 10], 8);  // minimum code size
  const std::size_t block = desc + 11;
  const std::size_t n = f[block];
  ASSERT_GT(n, 0u);
  EXPECT_EQ(f[block + 1 + n], 0);      // terminator after one sub-block
  EXPECT_EQ(f[block + 2 + n], 0x3B);   // trailer
  EXPECT_EQ(f.size(), block + 3 + n);
  // Clear, the pixel, end: 9 bits each.
  const auto codes = Codes(f, desc + 10);
  ASSERT_EQ(codes.size(), 3u);
  EXPECT_EQ(codes[0].code, 256);
  EXPECT_EQ(codes[2].code, 257);
  const GifPalette pal = GifPalette::Halftone();
  const auto& e = pal.Entry(codes[1].code);
  EXPECT_EQ(talvik::RGB(e.peRed, e.peGreen, e.peBlue), talvik::RGB(255, 0, 0));
}

TEST(GifWrite, TransparencyExtensionSitsBetweenTableAndDescriptor) {
  lumaveil::testing::TempDir dir;
  const std::string path = dir.File("t.gif");
  ASSERT_EQ(WriteGif(path, HBITMAP::Create(3, 2, talvik::RGB(0, 0, 255)), 77), 0);
  const auto f = ReadAll(path);
  const std::size_t at = 13 + 768;
  const std::vector<std::uint8_t> gce(f.begin() + at, f.begin() + at + 8);
  EXPECT_EQ(gce, (std::vector<std::uint8_t>{0x21, 0xF9, 4, 1, 0, 0, 77, 0}));
  EXPECT_EQ(f[at + 8], 0x2C);
  EXPECT_EQ(std::string(f.begin(), f.begin() + 6), "GIF87a");
  CGif g;
  ASSERT_EQ(g.Load(path.c_str()), 1);
  ASSERT_TRUE(g.FirstImage());
  EXPECT_EQ(g.TransparencyFlag(), 1);
  EXPECT_EQ(g.TransparentIndex(), 77);
}

TEST(GifWrite, FullTableClearsAt12BitsAndRestartsAt9) {
  const GifPalette pal = GifPalette::Halftone();
  HBITMAP pic = Noise(200, 100, pal);
  lumaveil::testing::TempDir dir;
  const std::string path = dir.File("big.gif");
  ASSERT_EQ(WriteGif(path, pic), 0);
  const auto codes = Codes(ReadAll(path), 13 + 768 + 10);
  int clears_at_12 = 0;
  for (std::size_t i = 1; i < codes.size(); ++i)
    if (codes[i].code == 256 && codes[i].size == 12) {
      ++clears_at_12;
      ASSERT_LT(i + 1, codes.size());
      EXPECT_EQ(codes[i + 1].size, 9);
    }
  EXPECT_GE(clears_at_12, 2);
  EXPECT_EQ(codes.back().code, 257);
  // And the reader gives the picture back.
  CGif g;
  ASSERT_EQ(g.Load(path.c_str()), 1);
  HBITMAP back = g.FirstImage();
  ASSERT_TRUE(back);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(back.GetPixel(x, y), pic.GetPixel(x, y));
}

TEST(GifWrite, PicturesComeBackAsTheirNearestPaletteColours) {
  lumaveil::testing::TempDir dir;
  const GifPalette pal = GifPalette::Halftone();
  for (auto wh : {std::pair{1, 7}, std::pair{13, 1}, std::pair{64, 64}, std::pair{300, 5}}) {
    HBITMAP pic = HBITMAP::Create(wh.first, wh.second);
    for (int y = 0; y < wh.second; ++y)
      for (int x = 0; x < wh.first; ++x)
        pic.SetPixel(x, y, talvik::RGB(std::uint8_t(x * 37), std::uint8_t(y * 11), std::uint8_t(x ^ y)));
    const std::string path = dir.File("rt.gif");
    ASSERT_EQ(WriteGif(path, pic), 0);
    CGif g;
    ASSERT_EQ(g.Load(path.c_str()), 1);
    HBITMAP back = g.FirstImage();
    ASSERT_TRUE(back);
    ASSERT_EQ(back.Width(), wh.first);
    ASSERT_EQ(back.Height(), wh.second);
    for (int y = 0; y < wh.second; ++y)
      for (int x = 0; x < wh.first; ++x) {
        ASSERT_EQ(back.GetPixel(x, y),
                  lumaveil::testing::CouleurLaPlusProche(pal, pic.GetPixel(x, y)));
      }
  }
}

TEST(GifWrite, ColourResolutionScalesEntries) {
  lumaveil::testing::TempDir dir;
  const std::string path = dir.File("r.gif");
  CGif g;
  ASSERT_EQ(g.GIF_Create(path.c_str(), 2, 2, 3, 4), 0);  // 4 entries, 4-bit values
  g.GIF_SetColor(1, 15, 7, 0);
  g.GIF_SetColor(9, 1, 1, 1);  // outside the table: ignored
  ASSERT_EQ(g.GIF_CompressImage(0, 0, -1, -1), 0);
  ASSERT_EQ(g.GIF_Close(), 0);
  const auto f = ReadAll(path);
  EXPECT_EQ(f[10], 0x80 | (3 << 4) | 1);
  EXPECT_EQ(f[13 + 3], 255);
  EXPECT_EQ(f[13 + 4], 119);
  EXPECT_EQ(f[13 + 5], 0);
  EXPECT_EQ(f[13 + 12 + 10], 2);  // minimum code size never below 2
}

TEST(GifWrite, UnwritablePathGivesOne) {
  CGif g;
  EXPECT_EQ(g.GIF_Create("/nonexistent/dir/x.gif", 1, 1, 256, 8), 1);
  EXPECT_EQ(g.GIF_CompressImage(0, 0, -1, -1), 2);
}

TEST(GifHalftone, NearestIndexIsTheClosestEntryLowestIndexFirst) {
  // A palette with repeated entries and the halftone one, against a plain
  // search over every entry.
  std::vector<talvik::PALETTEENTRY> entries;
  std::uint32_t s = 7;
  for (int i = 0; i < 200; ++i) {
    s = s * 1664525u + 1013904223u;
    entries.push_back({std::uint8_t(s >> 24), std::uint8_t(s >> 16), std::uint8_t(s >> 8), 0});
  }
  entries.push_back(entries[3]);
  entries.push_back(entries[150]);
  const GifPalette own(entries.data(), int(entries.size()));
  const GifPalette halftone = GifPalette::Halftone();
  for (const GifPalette* pal : {&own, &halftone}) {
    for (int n = 0; n < 20000; ++n) {
      s = s * 1664525u + 1013904223u;
      const talvik::COLORREF c = s & 0xFFFFFF;
      int best = 0, best_d = 1 << 30;
      for (int i = 0; i < pal->Count(); ++i) {
        const int dr = talvik::GetRValue(c) - pal->Entry(i).peRed;
        const int dg = talvik::GetGValue(c) - pal->Entry(i).peGreen;
        const int db = talvik::GetBValue(c) - pal->Entry(i).peBlue;
        if (dr * dr + dg * dg + db * db < best_d) {
          best_d = dr * dr + dg * dg + db * db;
          best = i;
        }
      }
      ASSERT_EQ(pal->NearestIndex(c), best) << std::hex << c;
      ASSERT_EQ(pal->NearestIndex(c), best) << "cached answer";
    }
  }
}
