// Package reading: trailer ranges in their order, record sequence and
// wrap-around, and damaged packages that must never be read outside.
#include <gtest/gtest.h>

#include "paquet_essai.h"
#include "package_reader.h"
#include "pic_memoire.h"
#include "dossier_temporaire.h"

namespace {

using lmvengine::OpenStatus;
using lmvengine::PackageReader;
using lmvengine::PackageTrailer;
using lmvengine::RecordStatus;
using lmvengine::TrailerCheck;
using lumaveil::testing::RecordData;

const std::vector<unsigned char> kEngine(1000, 0x5A);

PackageTrailer Trailer(int32_t w, int32_t h, int32_t count, int32_t offset) {
  return PackageTrailer{w, h, count, offset};
}

TEST(TrailerCheck, WidthRangeIs240To16384) {
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(1280, 960, 1, 10)), TrailerCheck::kOk);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(1281, 960, 1, 10)), TrailerCheck::kOk);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(1920, 1080, 1, 10)), TrailerCheck::kOk);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(16384, 960, 1, 10)), TrailerCheck::kOk);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(16385, 960, 1, 10)), TrailerCheck::kBadWidth);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(239, 960, 1, 10)), TrailerCheck::kBadWidth);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(240, 320, 1, 10)), TrailerCheck::kOk);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(-1280, 960, 1, 10)), TrailerCheck::kBadWidth);
}

TEST(TrailerCheck, HeightHasOnlyALowerBound) {
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 239, 1, 10)), TrailerCheck::kBadHeight);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 240, 1, 10)), TrailerCheck::kOk);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 2000000000, 1, 10)), TrailerCheck::kOk);
}

TEST(TrailerCheck, ScreenCountIs1To31999AndDataOffsetNonZero) {
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 480, 31999, 10)), TrailerCheck::kOk);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 480, 32000, 10)), TrailerCheck::kBadScreenCount);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 480, 0, 10)), TrailerCheck::kBadScreenCount);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 480, -5, 10)), TrailerCheck::kBadScreenCount);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 480, 1, 0)), TrailerCheck::kBadDataOffset);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 480, 1, -7)), TrailerCheck::kOk);
}

TEST(TrailerCheck, FirstFailureInDesignedOrderIsReported) {
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(0, 0, 0, 0)), TrailerCheck::kBadWidth);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 0, 0, 0)), TrailerCheck::kBadHeight);
  EXPECT_EQ(lmvengine::CheckTrailer(Trailer(640, 480, 0, 0)), TrailerCheck::kBadScreenCount);
}

class PackageFile : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::vector<unsigned char>& bytes) {
    return lumaveil::testing::WriteBytes(dir_.File("package.scr"), bytes);
  }
  lumaveil::testing::TempDir dir_;
};

TEST_F(PackageFile, OpenAcceptsAWideTrailerAndRejectsOutOfRangeValues) {
  const auto jpeg = lumaveil::testing::SolidJpeg(240, 240, 0x336699);
  PackageReader reader;
  EXPECT_EQ(reader.Open(Write(lumaveil::testing::PackageBytes(kEngine, {{3, 0, jpeg}},
                                                    Trailer(1281, 960, 1, 1000)))),
            OpenStatus::kOk);
  for (PackageTrailer bad : {Trailer(239, 960, 1, 1000), Trailer(640, 239, 1, 1000),
                             Trailer(640, 480, 32000, 1000), Trailer(640, 480, 0, 1000),
                             Trailer(640, 480, 1, 0), Trailer(32000, 480, 1, 1000)}) {
    EXPECT_EQ(reader.Open(Write(lumaveil::testing::PackageBytes(kEngine, {{3, 0, jpeg}}, bad))),
              OpenStatus::kBadData)
        << bad.width << "x" << bad.height << " n=" << bad.screenCount;
  }
}

TEST_F(PackageFile, BareEngineAndShortFileAreBadDataMissingFileCantOpen) {
  PackageReader reader;
  std::vector<unsigned char> bare(5000, 0);
  EXPECT_EQ(reader.Open(Write(bare)), OpenStatus::kBadData);
  EXPECT_EQ(reader.Open(Write({1, 2, 3})), OpenStatus::kBadData);
  EXPECT_EQ(reader.Open(dir_.File("missing.scr")), OpenStatus::kCantOpen);
  EXPECT_STREQ(lmvengine::OpenStatusMessage(OpenStatus::kBadData), "LmvEngine bad data");
  EXPECT_STREQ(lmvengine::OpenStatusMessage(OpenStatus::kCantOpen), "LmvEngine can't open file");
}

TEST_F(PackageFile, TwoRecordsPlayInOrderAndWrapToTheFirst) {
  std::vector<RecordData> records = {{5, 1, lumaveil::testing::SolidJpeg(240, 240, 0xFF0000)},
                                     {7, 4, lumaveil::testing::SolidJpeg(240, 240, 0x0000FF)}};
  PackageReader reader;
  ASSERT_EQ(reader.Open(Write(lumaveil::testing::PackageBytes(kEngine, records,
                                                    lumaveil::testing::TrailerFor(kEngine, 240, 240, 2)))),
            OpenStatus::kOk);
  lmvengine::DecodedImage image;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 2; ++i) {
      auto read = reader.ReadRecord(image);
      ASSERT_EQ(read.status, RecordStatus::kDecoded);
      EXPECT_EQ(read.number, i + 1);
      EXPECT_EQ(read.header.duration, records[i].duration);
      EXPECT_EQ(read.header.effect, records[i].effect);
      EXPECT_TRUE(lumaveil::testing::CloseColour(lumaveil::testing::MeanColour(image), i == 0 ? 0xFF0000 : 0x0000FF));
    }
    EXPECT_EQ(reader.RecordCounter(), 0);  // back at dataOffset after the second
  }
}

TEST_F(PackageFile, BytesAfterTheJpegEndMarkerDoNotDisturbTheNextRecord) {
  auto padded = lumaveil::testing::SolidJpeg(240, 240, 0x00FF00);
  padded.insert(padded.end(), 5000, 0xFF);  // junk counted in imageLength
  std::vector<RecordData> records = {{3, 0, padded}, {4, 2, lumaveil::testing::SolidJpeg(240, 240, 0xFFFF00)}};
  PackageReader reader;
  ASSERT_EQ(reader.Open(Write(lumaveil::testing::PackageBytes(kEngine, records,
                                                    lumaveil::testing::TrailerFor(kEngine, 240, 240, 2)))),
            OpenStatus::kOk);
  lmvengine::DecodedImage image;
  EXPECT_EQ(reader.ReadRecord(image).status, RecordStatus::kDecoded);
  auto second = reader.ReadRecord(image);
  ASSERT_EQ(second.status, RecordStatus::kDecoded);
  EXPECT_EQ(second.header.duration, 4);
  EXPECT_TRUE(lumaveil::testing::CloseColour(lumaveil::testing::MeanColour(image), 0xFFFF00));
}

TEST_F(PackageFile, UndecodableRecordIsSkippedAndTheNextOneReads) {
  std::vector<RecordData> records = {{3, 0, std::vector<unsigned char>(300, 0x42)},
                                     {6, 5, lumaveil::testing::SolidJpeg(240, 240, 0x808080)}};
  PackageReader reader;
  ASSERT_EQ(reader.Open(Write(lumaveil::testing::PackageBytes(kEngine, records,
                                                    lumaveil::testing::TrailerFor(kEngine, 240, 240, 2)))),
            OpenStatus::kOk);
  lmvengine::DecodedImage image;
  auto bad = reader.ReadRecord(image);
  EXPECT_EQ(bad.status, RecordStatus::kSkipped);
  EXPECT_TRUE(image.Empty());
  EXPECT_FALSE(bad.decode.message.empty());
  auto good = reader.ReadRecord(image);
  EXPECT_EQ(good.status, RecordStatus::kDecoded);
  EXPECT_EQ(good.header.duration, 6);
}

TEST_F(PackageFile, ImageLengthRunningPastTheFileIsNeverReadAndWraps) {
  auto jpeg = lumaveil::testing::SolidJpeg(240, 240, 0x123456);
  auto bytes = lumaveil::testing::PackageBytes(kEngine, {{3, 0, jpeg}, {3, 0, jpeg}},
                                     lumaveil::testing::TrailerFor(kEngine, 240, 240, 2));
  // Second record claims a huge image.
  const size_t second = kEngine.size() + 12 + jpeg.size();
  lmvengine::WriteLe32(&bytes[second + 8], 0x7FFFFF00);
  PackageReader reader;
  ASSERT_EQ(reader.Open(Write(bytes)), OpenStatus::kOk);
  lmvengine::DecodedImage image;
  EXPECT_EQ(reader.ReadRecord(image).status, RecordStatus::kDecoded);
  auto past = reader.ReadRecord(image);
  EXPECT_EQ(past.status, RecordStatus::kOutside);
  EXPECT_EQ(reader.RecordCounter(), 0);
  auto again = reader.ReadRecord(image);  // the first record again
  EXPECT_EQ(again.status, RecordStatus::kDecoded);
  EXPECT_EQ(again.number, 1);
}

TEST_F(PackageFile, NegativeImageLengthAndMoreScreensThanRecordsWrap) {
  auto jpeg = lumaveil::testing::SolidJpeg(240, 240, 0x654321);
  auto bytes = lumaveil::testing::PackageBytes(kEngine, {{3, 0, jpeg}}, Trailer(240, 240, 5, 1000));
  PackageReader reader;
  ASSERT_EQ(reader.Open(Write(bytes)), OpenStatus::kOk);
  lmvengine::DecodedImage image;
  EXPECT_EQ(reader.ReadRecord(image).status, RecordStatus::kDecoded);
  // The second "record" would start where the trailer is.
  EXPECT_EQ(reader.ReadRecord(image).status, RecordStatus::kOutside);
  EXPECT_EQ(reader.ReadRecord(image).number, 1);

}

// Packages whose first record lies outside the records area: nothing could
// ever be shown, so they are bad data at start-up rather than a player that
// ends without a word.
TEST_F(PackageFile, FirstRecordOutsideTheDataIsBadData) {
  const auto jpeg = lumaveil::testing::SolidJpeg(240, 240, 0x654321);
  const auto good = lumaveil::testing::PackageBytes(kEngine, {{3, 0, jpeg}}, Trailer(240, 240, 1, 1000));
  PackageReader reader;
  ASSERT_EQ(reader.Open(Write(good)), OpenStatus::kOk);
  const int32_t trailerAt = static_cast<int32_t>(good.size()) - 16;
  struct Case {
    const char* what;
    int32_t offset;
    int32_t imageLength;  // written into the record at `offset` when it lies inside
  };
  const Case cases[] = {
      {"offset before the file", -1000, 0},
      {"offset past the file", 999999, 0},
      {"offset at the largest value", 2147483647, 0},
      {"offset on the trailer", trailerAt, 0},
      {"header cut by the trailer", trailerAt - 8, 0},
      {"negative image length", 1000, -20},
      {"image running into the trailer", 1000, static_cast<int32_t>(jpeg.size()) + 1},
      {"image running past the file", 1000, 0x7FFFFF00},
  };
  for (const Case& c : cases) {
    auto bytes = lumaveil::testing::PackageBytes(kEngine, {{3, 0, jpeg}}, Trailer(240, 240, 1, c.offset));
    if (c.offset == 1000) lmvengine::WriteLe32(&bytes[1000 + 8], c.imageLength);
    EXPECT_EQ(reader.Open(Write(bytes)), OpenStatus::kBadData) << c.what;
    EXPECT_FALSE(reader.IsOpen()) << c.what;
  }
}

TEST_F(PackageFile, RecordLargerThanTheTrailersSizeIsSkippedUndecoded) {
  // A 320 x 240 picture in a 240 x 240 package, then a tiny record whose
  // frame header declares 16384 x 16384; a record of the package's size
  // still plays.
  auto huge = lumaveil::testing::SolidJpeg(16, 16, 0x102030);
  for (size_t i = 2; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = 0x40;
      huge[i + 6] = 0x00;
      huge[i + 7] = 0x40;
      huge[i + 8] = 0x00;
      break;
    }
  }
  std::vector<RecordData> records = {{3, 0, lumaveil::testing::SolidJpeg(320, 240, 0xFF0000)},
                                     {3, 0, huge},
                                     {5, 0, lumaveil::testing::SolidJpeg(240, 240, 0x00FF00)}};
  PackageReader reader;
  ASSERT_EQ(reader.Open(Write(lumaveil::testing::PackageBytes(kEngine, records,
                                                    lumaveil::testing::TrailerFor(kEngine, 240, 240, 3)))),
            OpenStatus::kOk);
  lmvengine::DecodedImage image;
  for (int i = 0; i < 2; ++i) {
    lmvengine::RecordRead read;
    const long growthKb =
        lumaveil::testing::CroissancePicMemoireKo([&] { read = reader.ReadRecord(image); });
    EXPECT_EQ(read.status, RecordStatus::kSkipped) << i;
    EXPECT_EQ(read.decode.message, lmvengine::kMessageTooLarge) << i;
    EXPECT_TRUE(image.Empty());
    if (growthKb >= 0) {
      EXPECT_LT(growthKb, 16 * 1024) << "record " << i + 1;  // 16384^2 pixels: 768 MiB
    }
  }
  const auto third = reader.ReadRecord(image);
  ASSERT_EQ(third.status, RecordStatus::kDecoded);
  EXPECT_EQ(third.header.duration, 5);
}

}  // namespace
