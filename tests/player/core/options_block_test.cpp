// The options block: written only when needed, read back whole, every
// damaged form refused.
#include <gtest/gtest.h>

#include <functional>

#include "dossier_temporaire.h"
#include "options_block.h"
#include "package_writer.h"
#include "paquet_essai.h"

namespace {

using lmvengine::OptionsBlock;
using lmvengine::OptionsCheck;
using lmvengine::PackageTrailer;
using lmvengine::RecordOptions;

const PackageTrailer kTrailer{640, 480, 3, 1000};

OptionsBlock Sample() {
  OptionsBlock block;
  block.flags = lmvengine::kOptionShuffle | lmvengine::kOptionDifferentMonitors;
  block.entries = {RecordOptions{1500, 640, 480, 0, 0, 10000, 10000},
                   RecordOptions{100, 800, 600, 2500, 1000, 7500, 9000},
                   RecordOptions{10000, 640, 480, 0, 0, 10000, 10000}};
  return block;
}

TEST(OptionsBlock, WrittenBlockReadsBackAndEndsWithItsFooter) {
  const std::vector<unsigned char> bytes = lmvengine::WriteOptionsBlock(Sample(), kTrailer);
  ASSERT_EQ(bytes.size(), 32u + 3 * 28);
  int32_t declared = 0;
  ASSERT_TRUE(lmvengine::HasOptionsFooter(bytes.data() + bytes.size() - 8, declared));
  EXPECT_EQ(declared, static_cast<int32_t>(bytes.size()));
  OptionsBlock read;
  ASSERT_EQ(lmvengine::ParseOptionsBlock(bytes.data(), bytes.size(), kTrailer, read),
            OptionsCheck::kOk);
  EXPECT_EQ(read, Sample());
}

// Each damage, made on a good block, and the refusal it must get.
struct Damage {
  const char* name;
  std::function<void(std::vector<unsigned char>&)> apply;
  OptionsCheck expected;
};

void Put(std::vector<unsigned char>& b, size_t at, int32_t v) { lmvengine::WriteLe32(&b[at], v); }

class OptionsBlockDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(OptionsBlockDamage, IsRefused) {
  std::vector<unsigned char> bytes = lmvengine::WriteOptionsBlock(Sample(), kTrailer);
  GetParam().apply(bytes);
  OptionsBlock read;
  read.flags = 77;
  EXPECT_EQ(lmvengine::ParseOptionsBlock(bytes.data(), bytes.size(), kTrailer, read),
            GetParam().expected);
  EXPECT_EQ(read.flags, 77) << "a refused block changes nothing";
}

const size_t kEntry1 = 24 + 28;  // second entry
INSTANTIATE_TEST_SUITE_P(
    All, OptionsBlockDamage,
    ::testing::Values(
        Damage{"Magic", [](auto& b) { b[0] = 'X'; }, OptionsCheck::kBadMagic},
        Damage{"EndMagic", [](auto& b) { b.back() = 'Y'; }, OptionsCheck::kBadMagic},
        Damage{"Length", [](auto& b) { Put(b, 4, 100); }, OptionsCheck::kBadLength},
        Damage{"FooterLength", [](auto& b) { Put(b, b.size() - 8, 100); },
               OptionsCheck::kBadLength},
        Damage{"Version", [](auto& b) { Put(b, 8, 0); }, OptionsCheck::kBadVersion},
        Damage{"Count", [](auto& b) { Put(b, 16, 2); }, OptionsCheck::kBadScreenCount},
        Damage{"EntrySize", [](auto& b) { Put(b, 20, 27); }, OptionsCheck::kBadEntrySize},
        Damage{"EntrySizeDisagrees", [](auto& b) { Put(b, 20, 32); }, OptionsCheck::kBadLength},
        Damage{"ShortTransition", [](auto& b) { Put(b, kEntry1, 99); }, OptionsCheck::kBadEntry},
        Damage{"LongTransition", [](auto& b) { Put(b, kEntry1, 10001); },
               OptionsCheck::kBadEntry},
        Damage{"SmallPicture", [](auto& b) { Put(b, kEntry1 + 8, 479); },
               OptionsCheck::kBadEntry},
        Damage{"HugePicture", [](auto& b) { Put(b, kEntry1 + 4, 65501); },
               OptionsCheck::kBadEntry},
        Damage{"EmptySubject", [](auto& b) { Put(b, kEntry1 + 20, 2500); },
               OptionsCheck::kBadEntry},
        Damage{"SubjectOutside", [](auto& b) { Put(b, kEntry1 + 24, 10001); },
               OptionsCheck::kBadEntry},
        Damage{"Truncated", [](auto& b) { b.erase(b.begin() + 30, b.begin() + 34); },
               OptionsCheck::kBadLength}),
    [](const ::testing::TestParamInfo<Damage>& damage) { return std::string(damage.param.name); });

TEST(OptionsBlock, LargerEntriesAreReadAndUnknownFlagsDropped) {
  std::vector<unsigned char> bytes = lmvengine::WriteOptionsBlock(Sample(), kTrailer);
  // Rebuild with 36-byte entries: 8 unknown bytes after each.
  std::vector<unsigned char> wide(bytes.begin(), bytes.begin() + 24);
  for (int i = 0; i < 3; ++i) {
    wide.insert(wide.end(), bytes.begin() + 24 + i * 28, bytes.begin() + 24 + (i + 1) * 28);
    wide.insert(wide.end(), 8, 0xEE);
  }
  wide.insert(wide.end(), bytes.end() - 8, bytes.end());
  Put(wide, 4, static_cast<int32_t>(wide.size()));
  Put(wide, wide.size() - 8, static_cast<int32_t>(wide.size()));
  Put(wide, 20, 36);
  Put(wide, 12, 0x7F03);
  OptionsBlock read;
  ASSERT_EQ(lmvengine::ParseOptionsBlock(wide.data(), wide.size(), kTrailer, read),
            OptionsCheck::kOk);
  OptionsBlock expected = Sample();
  EXPECT_EQ(read, expected);
}

// The writer adds a block only for a saver that uses what needs one (a
// saver in English needs none).
TEST(OptionsBlock, WriterAddsTheBlockOnlyWhenTheSaverNeedsIt) {
  lumaveil::testing::TempDir dir;
  const std::vector<unsigned char> engine(777, 0x5A);
  const auto enginePath = lumaveil::testing::WriteBytes(dir.File("engine"), engine);
  const auto jpeg = lumaveil::testing::SolidJpeg(320, 240, 0x2040A0);
  const auto jpegPath = lumaveil::testing::WriteBytes(dir.File("a.jpg"), jpeg);
  struct Case {
    int32_t flags;
    int32_t effect;
    int32_t pictureWidth;
    bool block;
    const char* language = "en";
  };
  for (const Case c : {Case{0, 7, 0, false}, Case{0, 11, 320, false}, Case{0, 8, 0, true},
                       Case{0, 10, 0, true}, Case{lmvengine::kOptionShuffle, 1, 0, true},
                       Case{0, 1, 400, true}, Case{0, 1, 0, false, ""}, Case{0, 1, 0, true, "de"},
                       Case{0, 8, 0, true, "es"}}) {
    lmvengine::PackageWriter w;
    ASSERT_TRUE(w.Begin(dir.File("out.scr"), enginePath));
    ASSERT_TRUE(w.AppendRecordFile(5, 1, jpegPath));
    RecordOptions options;
    options.pictureWidth = c.pictureWidth;
    ASSERT_TRUE(w.AppendRecordFile(5, c.effect, jpegPath, options));
    w.SetOptionFlags(c.flags);
    w.SetLanguage(c.language);
    ASSERT_TRUE(w.Finish(320, 240));
    const auto bytes = lumaveil::testing::ReadBytes(dir.File("out.scr"));
    const auto designed = lumaveil::testing::PackageBytes(
        engine, {{5, 1, jpeg}, {5, c.effect, jpeg}},
        lumaveil::testing::TrailerFor(engine, 320, 240, 2));
    if (!c.block) {
      EXPECT_EQ(bytes, designed) << "effect " << c.effect;
      continue;
    }
    // A language adds its field: tag, length, two letters, two of padding.
    const size_t length = 32 + 2 * 28 + (std::string(c.language) == "en" ? 0 : 12);
    ASSERT_EQ(bytes.size(), designed.size() + length) << "effect " << c.effect;
    const size_t at = designed.size() - 16;
    OptionsBlock read;
    ASSERT_EQ(lmvengine::ParseOptionsBlock(bytes.data() + at, length,
                                           PackageTrailer{320, 240, 2, 777}, read),
              OptionsCheck::kOk);
    EXPECT_EQ(read.flags, c.flags);
    EXPECT_EQ(read.language, std::string(c.language) == "en" ? "" : c.language);
    EXPECT_EQ(read.entries[0].pictureWidth, 320) << "0 is written as the trailer's size";
    EXPECT_EQ(read.entries[1].pictureWidth, c.pictureWidth ? c.pictureWidth : 320);
  }
}

TEST(OptionsBlock, WriterRefusesOptionsThePlayersWouldRefuse) {
  lumaveil::testing::TempDir dir;
  const auto enginePath =
      lumaveil::testing::WriteBytes(dir.File("engine"), std::vector<unsigned char>(10, 1));
  const auto jpegPath = lumaveil::testing::WriteBytes(
      dir.File("a.jpg"), lumaveil::testing::SolidJpeg(320, 240, 0x2040A0));
  lmvengine::PackageWriter w;
  ASSERT_TRUE(w.Begin(dir.File("out.scr"), enginePath));
  RecordOptions options;
  options.transitionMs = 50;
  ASSERT_TRUE(w.AppendRecordFile(5, 8, jpegPath, options));
  EXPECT_FALSE(w.Finish(320, 240));
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.scr")));
}

}  // namespace
