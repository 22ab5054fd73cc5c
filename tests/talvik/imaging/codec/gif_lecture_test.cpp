// Reading GIF files: signatures, tables, interlace, animation, transparency,
// extensions, and damaged data that must give null without reading outside
// the file's bytes.
#include <gtest/gtest.h>

#include <chrono>

#include "codec/gif.h"
#include "gif_essai.h"

using lumaveil::testing::Bytes;
using lumaveil::testing::GifBuilder;
using lumaveil::testing::Rgb;
using talvik::CGif;
using talvik::HBITMAP;

namespace {

std::vector<Rgb> Ramp(int n) {
  std::vector<Rgb> t;
  for (int i = 0; i < n; ++i)
    t.push_back(Rgb{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t((i * 7) & 0xFF)});
  return t;
}

std::vector<std::uint8_t> Pattern(int w, int h, int colours, int seed = 0) {
  std::vector<std::uint8_t> v(std::size_t(w) * std::size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) v[std::size_t(y * w + x)] = std::uint8_t((x * 3 + y * 5 + seed) % colours);
  return v;
}

// Pixel of a bitmap compared with table entry `index` of `table`.
void ExpectPixels(const HBITMAP& b, int w, int h, const std::vector<std::uint8_t>& idx,
                  const std::vector<Rgb>& table) {
  ASSERT_TRUE(b);
  ASSERT_EQ(b.Width(), w);
  ASSERT_EQ(b.Height(), h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgb& c = table[idx[std::size_t(y * w + x)]];
      ASSERT_EQ(b.GetPixel(x, y), talvik::RGB(c.r, c.g, c.b)) << x << "," << y;
    }
}

Bytes Simple(const std::string& sig) {
  return GifBuilder(sig, 4, 3, Ramp(4)).Image(4, 3, Pattern(4, 3, 4), false, {}, 2).Trailer();
}

}  // namespace

TEST(GifSignature, Versions87aAnd89aLoadOthersDoNot) {
  for (const char* good : {"GIF87a", "GIF89a"}) {
    CGif g;
    const Bytes b = Simple(good);
    EXPECT_EQ(g.LoadMemory(b.data(), b.size()), 1) << good;
    EXPECT_TRUE(g.FirstImage()) << good;
  }
  for (const char* bad : {"GIF88a", "GIF80a", "GIF89b", "GIF87A", "GIF99a", "JIF89a"}) {
    CGif g;
    const Bytes b = Simple(bad);
    EXPECT_EQ(g.LoadMemory(b.data(), b.size()), 0) << bad;
    EXPECT_FALSE(g.FirstImage()) << bad;
  }
}

TEST(GifSignature, ShortHeaderOrGlobalTableFails) {
  const Bytes full = Simple("GIF89a");
  for (std::size_t n : {0u, 6u, 12u, 13u + 11u}) {
    CGif g;
    EXPECT_EQ(g.LoadMemory(full.data(), n), 0) << n;
  }
  CGif g;
  EXPECT_EQ(g.Load("/nonexistent/dir/x.gif"), 0);
}

TEST(GifRead, GlobalAndLocalTablesGiveTheirColours) {
  const auto global = Ramp(4);
  std::vector<Rgb> local = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {100, 110, 120}};
  const auto px = Pattern(5, 4, 4);
  Bytes b = GifBuilder("GIF89a", 5, 4, global)
                .Image(5, 4, px, false, {}, 2)
                .Image(5, 4, px, false, local, 2)
                .Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  EXPECT_EQ(g.ScreenWidth(), 5);
  EXPECT_EQ(g.GlobalColorCount(), 4);
  ExpectPixels(g.FirstImage(), 5, 4, px, global);
  ExpectPixels(g.NextImage(), 5, 4, px, local);
}

TEST(GifRead, InterlacedDecodesLikeItsNonInterlacedTwin) {
  // 13 rows reach every pass; 1 and 2 rows end early in the passes.
  for (int h : {1, 2, 5, 13, 29}) {
    const auto table = Ramp(16);
    const auto px = Pattern(7, h, 16, h);
    Bytes plain = GifBuilder("GIF89a", 7, h, table).Image(7, h, px, false, {}, 4).Trailer();
    Bytes inter = GifBuilder("GIF89a", 7, h, table).Image(7, h, px, true, {}, 4).Trailer();
    CGif a, b;
    ASSERT_EQ(a.LoadMemory(plain.data(), plain.size()), 1);
    ASSERT_EQ(b.LoadMemory(inter.data(), inter.size()), 1);
    HBITMAP pa = a.FirstImage(), pb = b.FirstImage();
    ExpectPixels(pa, 7, h, px, table);
    ExpectPixels(pb, 7, h, px, table);
    EXPECT_TRUE(b.Interlaced());
    EXPECT_FALSE(a.Interlaced());
  }
}

TEST(GifRead, AnimationWrapsToFirstFrameAfterLast) {
  const auto table = Ramp(8);
  std::vector<std::vector<std::uint8_t>> frames;
  GifBuilder gb("GIF89a", 6, 6, table);
  gb.Application();
  for (int f = 0; f < 3; ++f) {
    frames.push_back(Pattern(6, 6, 8, f));
    gb.ControlExtension(false, 0, 10 * (f + 1)).Image(6, 6, frames.back(), false, {}, 3);
  }
  Bytes b = gb.Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  ExpectPixels(g.FirstImage(), 6, 6, frames[0], table);
  EXPECT_EQ(g.Delay(), 10);
  ExpectPixels(g.NextImage(), 6, 6, frames[1], table);
  ExpectPixels(g.NextImage(), 6, 6, frames[2], table);
  EXPECT_EQ(g.Delay(), 30);
  ExpectPixels(g.NextImage(), 6, 6, frames[0], table);
  ExpectPixels(g.NextImage(), 6, 6, frames[1], table);
  ExpectPixels(g.FirstImage(), 6, 6, frames[0], table);
}

TEST(GifRead, TransparentIndexReportsItsTableColour) {
  auto table = Ramp(8);
  table[5] = Rgb{255, 0, 255};
  Bytes b = GifBuilder("GIF89a", 3, 3, table)
                .ControlExtension(true, 5)
                .Image(3, 3, Pattern(3, 3, 8), false, {}, 3)
                .Image(3, 3, Pattern(3, 3, 8), false, {}, 3)
                .Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  ASSERT_TRUE(g.FirstImage());
  EXPECT_EQ(g.TransparencyFlag(), 1);
  EXPECT_EQ(g.TransparentIndex(), 5);
  EXPECT_EQ(g.TransparentColor(), 0x00FF00FFu);
  // The control block belongs to one image: the next has none.
  ASSERT_TRUE(g.NextImage());
  EXPECT_EQ(g.TransparencyFlag(), 0);
  // Back at the first image the transparency comes back with it.
  ASSERT_TRUE(g.NextImage());
  EXPECT_EQ(g.TransparencyFlag(), 1);
}

TEST(GifRead, CommentApplicationAndPlainTextAreSkipped) {
  const auto table = Ramp(4);
  const auto px = Pattern(4, 4, 4);
  Bytes b = GifBuilder("GIF89a", 4, 4, table)
                .Comment(std::string(600, 'c'))
                .Application()
                .PlainText()
                .Image(4, 4, px, false, {}, 2)
                .Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  ExpectPixels(g.FirstImage(), 4, 4, px, table);
}

TEST(GifRead, UnknownBlockOrLabelGivesNull) {
  const auto table = Ramp(4);
  for (Bytes junk : {Bytes{0x21, 0x77, 0}, Bytes{0x42}}) {
    Bytes b = GifBuilder("GIF89a", 4, 4, table)
                  .Raw(junk)
                  .Image(4, 4, Pattern(4, 4, 4), false, {}, 2)
                  .Trailer();
    CGif g;
    ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
    EXPECT_FALSE(g.FirstImage());
  }
}

TEST(GifRead, FileWithoutImageEndsWithNull) {
  Bytes b = GifBuilder("GIF89a", 4, 4, Ramp(4)).Comment("nothing").Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  EXPECT_FALSE(g.FirstImage());
  EXPECT_FALSE(g.NextImage());
  Bytes empty = GifBuilder("GIF89a", 4, 4, {}).Trailer();
  ASSERT_EQ(g.LoadMemory(empty.data(), empty.size()), 1);
  EXPECT_FALSE(g.NextImage());
  EXPECT_FALSE(g.NextImage());
}

TEST(GifRead, ImageLargerThanScreenKeepsItsOwnSize) {
  const auto table = Ramp(4);
  const auto px = Pattern(9, 7, 4);
  Bytes b = GifBuilder("GIF89a", 2, 2, table).Image(9, 7, px, false, {}, 2).Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  ExpectPixels(g.FirstImage(), 9, 7, px, table);
}

TEST(GifRead, StreamGoingOnWithAFullTableStopsAddingEntries) {
  // 300 x 20 pixels of roots with no clear: the table fills at 4096 and the
  // decoder keeps reading 12-bit codes.
  const auto table = Ramp(4);
  const auto px = Pattern(300, 20, 4);
  Bytes b = GifBuilder("GIF89a", 300, 20, table).Image(300, 20, px, false, {}, 2, false).Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  ExpectPixels(g.FirstImage(), 300, 20, px, table);
}

TEST(GifRead, CodesThatDoNotFitGiveNull) {
  const auto table = Ramp(4);
  auto image = [&](const Bytes& lzw, int m) {
    GifBuilder gb("GIF89a", 4, 4, table);
    gb.Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, std::uint8_t(m), std::uint8_t(lzw.size())});
    gb.Raw(lzw).Raw({0});
    return gb.Trailer();
  };
  // m = 2: clear 4, end 5, first free 6, 3-bit codes. Clear then code 7.
  const Bytes above = image({std::uint8_t(4 | (7 << 3)), 0x05}, 2);
  // Clear then code 6 right after the clear: no previous string.
  const Bytes after_clear = image({std::uint8_t(4 | (6 << 3)), 0x05}, 2);
  // Minimum code sizes outside 1..8.
  const Bytes m0 = image({0x00}, 0);
  const Bytes m12 = image({0x00}, 12);
  for (const Bytes* b : {&above, &after_clear, &m0, &m12}) {
    CGif g;
    ASSERT_EQ(g.LoadMemory(b->data(), b->size()), 1);
    EXPECT_FALSE(g.FirstImage());
  }
}

TEST(GifRead, ZeroSizedOrTooLargeImageGivesNull) {
  const auto table = Ramp(4);
  // 16384 x 16384 is a legal size, but two codes cannot fill it: null,
  // not a gigabyte of black.
  for (auto wh : {std::pair{0, 4}, std::pair{4, 0}, std::pair{65535, 65535},
                  std::pair{16384, 16384}, std::pair{8192, 4096}}) {
    Bytes b = GifBuilder("GIF89a", 4, 4, table)
                  .Raw({0x2C, 0, 0, 0, 0, std::uint8_t(wh.first & 0xFF), std::uint8_t(wh.first >> 8),
                        std::uint8_t(wh.second & 0xFF), std::uint8_t(wh.second >> 8), 0, 2, 2, 0x4C,
                        0x01, 0})
                  .Trailer();
    CGif g;
    ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
    EXPECT_FALSE(g.FirstImage()) << wh.first << "x" << wh.second;
  }
}

TEST(GifRead, EveryTruncationEndsWithoutHangingOrOverrun) {
  // Each prefix of a valid animated file: loads or not, images or null, but
  // every call returns (the sanitizer builds catch any overrun).
  const auto table = Ramp(16);
  GifBuilder gb("GIF89a", 20, 10, table);
  gb.Comment("x").ControlExtension(true, 3).Image(20, 10, Pattern(20, 10, 16), true, {}, 4);
  gb.Image(20, 10, Pattern(20, 10, 16, 1), false, Ramp(16), 4);
  const Bytes full = gb.Trailer();
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t n = 0; n <= full.size(); ++n) {
    CGif g;
    if (!g.LoadMemory(full.data(), n)) continue;
    HBITMAP first = g.FirstImage();
    for (int i = 0; i < 4; ++i) g.NextImage();
    if (n == full.size()) {
      EXPECT_TRUE(first);
    }
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(GifRead, SubBlockClaimingMoreThanTheDataDoesNotOverrun) {
  const auto table = Ramp(4);
  // Comment whose block says 200 bytes with 3 left.
  Bytes b = GifBuilder("GIF89a", 4, 4, table).Raw({0x21, 0xFE, 200, 'a', 'b', 'c'}).Data();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  EXPECT_FALSE(g.FirstImage());
  // Image data whose sub-block says 200 bytes with one left.
  Bytes c = GifBuilder("GIF89a", 4, 4, table)
                .Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 2, 200, 0x4C})
                .Data();
  ASSERT_EQ(g.LoadMemory(c.data(), c.size()), 1);
  EXPECT_FALSE(g.FirstImage());
  EXPECT_FALSE(g.NextImage());
}

TEST(GifRead, DataEndingBeforeThePictureIsCompleteGivesNull) {
  // Clear, index 1, then the terminator: one pixel of 16.
  const auto table = Ramp(4);
  Bytes b = GifBuilder("GIF89a", 4, 4, table)
                .Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 2, 1, 0x0C, 0})
                .Trailer();
  CGif g;
  ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
  EXPECT_FALSE(g.FirstImage());
  // 1 x 1: clear and index 1 complete the picture; no end code is needed.
  Bytes c = GifBuilder("GIF89a", 1, 1, table)
                .Raw({0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 1, 0x0C, 0})
                .Trailer();
  ASSERT_EQ(g.LoadMemory(c.data(), c.size()), 1);
  HBITMAP p = g.FirstImage();
  ASSERT_TRUE(p);
  EXPECT_EQ(p.GetPixel(0, 0), talvik::RGB(table[1].r, table[1].g, table[1].b));
}

TEST(GifRead, EndCodeBeforeTheLastPixelLeavesIndexZero) {
  // Clear, index 1, end (3-bit codes 4, 1, 5): the other 15 pixels take
  // entry 0, interlaced or not.
  const auto table = Ramp(4);
  for (std::uint8_t flags : {0x00, 0x40}) {
    Bytes b = GifBuilder("GIF89a", 4, 4, table)
                  .Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, flags, 2, 2, 0x4C, 0x01, 0})
                  .Trailer();
    CGif g;
    ASSERT_EQ(g.LoadMemory(b.data(), b.size()), 1);
    HBITMAP p = g.FirstImage();
    ASSERT_TRUE(p);
    EXPECT_EQ(p.GetPixel(0, 0), talvik::RGB(table[1].r, table[1].g, table[1].b));
    for (int i = 1; i < 16; ++i)
      EXPECT_EQ(p.GetPixel(i % 4, i / 4), talvik::RGB(table[0].r, table[0].g, table[0].b)) << i;
    // The walk goes on after the image: the trailer, then the image again.
    EXPECT_TRUE(g.NextImage());
  }
}
