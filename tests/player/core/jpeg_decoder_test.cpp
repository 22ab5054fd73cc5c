// Decoding a record's JPEG and turning it into device-independent rows.
#include <gtest/gtest.h>

#include <sstream>

#include "jpeg_decoder.h"
#include "jpeg_encoder.h"
#include "jpeg_balayages_essai.h"
#include "paquet_essai.h"

namespace {

using lmvengine::DecodedImage;
using lmvengine::DecodeStatus;

std::string AsString(const std::vector<unsigned char>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

TEST(JpegDecoder, ColourPictureDecodesAtItsOwnSizeAsRgb) {
  const auto jpeg = lumaveil::testing::SolidJpeg(320, 200, 0xC02040);
  std::istringstream in(AsString(jpeg));
  DecodedImage image;
  auto r = lmvengine::DecodeJpeg(in, static_cast<int64_t>(jpeg.size()), image);
  ASSERT_EQ(r.status, DecodeStatus::kOk);
  EXPECT_EQ(image.width, 320);
  EXPECT_EQ(image.height, 200);
  EXPECT_EQ(image.rgb.size(), 320u * 200u * 3u);
  EXPECT_TRUE(lumaveil::testing::CloseColour(lumaveil::testing::MeanColour(image), 0xC02040));
}

TEST(JpegDecoder, GreyscalePictureGivesGreyPixels) {
  const auto jpeg = lumaveil::testing::SolidJpeg(240, 240, 0x909090, /*grey=*/true);
  DecodedImage image;
  ASSERT_EQ(lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), image).status, DecodeStatus::kOk);
  for (size_t i = 0; i < image.rgb.size(); i += 3) {
    ASSERT_EQ(image.rgb[i], image.rgb[i + 1]);
    ASSERT_EQ(image.rgb[i], image.rgb[i + 2]);
  }
  EXPECT_TRUE(lumaveil::testing::CloseColour(lumaveil::testing::MeanColour(image), 0x909090, 3));
}

TEST(JpegDecoder, RowsKeepTheirPlaceTopToBottom) {
  // Top half red, bottom half blue.
  std::vector<unsigned char> rgb = lumaveil::testing::SolidRgb(64, 64, 0xFF0000);
  auto blue = lumaveil::testing::SolidRgb(64, 32, 0x0000FF);
  std::copy(blue.begin(), blue.end(), rgb.begin() + 64 * 32 * 3);
  auto jpeg = lmvtools::EncodeJpeg(rgb, 64, 64, 3, 95);
  DecodedImage image;
  ASSERT_EQ(lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), image).status, DecodeStatus::kOk);
  const unsigned char* top = &image.rgb[(5 * 64 + 5) * 3];
  const unsigned char* bottom = &image.rgb[(58 * 64 + 5) * 3];
  EXPECT_GT(top[0], 200);
  EXPECT_LT(top[2], 60);
  EXPECT_GT(bottom[2], 200);
  EXPECT_LT(bottom[0], 60);
}

TEST(JpegDecoder, NotAJpegIsFatalWithTheDecodersMessageAndNoPixels) {
  std::vector<unsigned char> junk(500, 0x33);
  DecodedImage image;
  auto r = lmvengine::DecodeJpegMemory(junk.data(), junk.size(), image);
  EXPECT_EQ(r.status, DecodeStatus::kFatal);
  EXPECT_NE(r.message.find("JPEG"), std::string::npos) << r.message;
  EXPECT_TRUE(image.Empty());

  auto empty = lmvengine::DecodeJpegMemory(nullptr, 0, image);
  EXPECT_EQ(empty.status, DecodeStatus::kFatal);
}

TEST(JpegDecoder, HeaderOnlyJpegFailsAndLaterDecodesStillWork) {
  const auto jpeg = lumaveil::testing::SolidJpeg(240, 240, 0x445566);
  DecodedImage image;
  // Cut inside the header: the decoder meets the end before any scan.
  EXPECT_EQ(lmvengine::DecodeJpegMemory(jpeg.data(), 40, image).status, DecodeStatus::kFatal);
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), image).status, DecodeStatus::kOk);
}

TEST(JpegDecoder, OnePictureReusedForRecordsOfOtherSizesHoldsOnlyTheLastOne) {
  const auto grand = lumaveil::testing::SolidJpeg(320, 240, 0xE0E0E0);
  const auto petit = lumaveil::testing::SolidJpeg(64, 48, 0x2040C0);
  const auto gris = lumaveil::testing::SolidJpeg(64, 48, 0x303030, /*grey=*/true);
  DecodedImage image;
  ASSERT_EQ(lmvengine::DecodeJpegMemory(grand.data(), grand.size(), image).status, DecodeStatus::kOk);
  ASSERT_EQ(lmvengine::DecodeJpegMemory(petit.data(), petit.size(), image).status, DecodeStatus::kOk);
  EXPECT_EQ(image.width, 64);
  EXPECT_EQ(image.rgb.size(), 64u * 48u * 3u);
  EXPECT_TRUE(lumaveil::testing::CloseColour(lumaveil::testing::MeanColour(image), 0x2040C0));
  // Same size, grey: every pixel of the earlier colour picture is replaced.
  ASSERT_EQ(lmvengine::DecodeJpegMemory(gris.data(), gris.size(), image).status, DecodeStatus::kOk);
  for (size_t i = 0; i < image.rgb.size(); i += 3) {
    ASSERT_EQ(image.rgb[i], image.rgb[i + 2]) << "pixel " << i / 3;
    ASSERT_NEAR(image.rgb[i], 0x30, 3) << "pixel " << i / 3;
  }
  // A failure leaves nothing of the earlier picture.
  EXPECT_EQ(lmvengine::DecodeJpegMemory(grand.data(), 40, image).status, DecodeStatus::kFatal);
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.width, 0);
}

TEST(JpegDecoder, NeverReadsPastTheGivenLength) {
  const auto jpeg = lumaveil::testing::SolidJpeg(240, 240, 0x445566);
  std::string data = AsString(jpeg) + std::string(10000, 'Z');
  std::istringstream in(data);
  DecodedImage image;
  ASSERT_EQ(lmvengine::DecodeJpeg(in, static_cast<int64_t>(jpeg.size()), image).status,
            DecodeStatus::kOk);
  in.clear();
  EXPECT_LE(static_cast<size_t>(in.tellg()), jpeg.size());
}

// A large record, as a 4K screen's is: noise, which JPEG cannot make small.
std::vector<unsigned char> NoiseJpeg(int width, int height) {
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  uint32_t state = 12345;
  for (unsigned char& byte : rgb) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<unsigned char>(state >> 24);
  }
  return lmvtools::EncodeJpeg(rgb, width, height, 3, 90);
}

// The package stream is read block after block: a record of several blocks
// decodes to the same pixels as from memory, the stream is not read past the
// record, and a record cut in its last block is refused.
TEST(JpegDecoder, ARecordOfSeveralReadBlocksDecodesFromTheStreamAsFromMemory) {
  const auto jpeg = NoiseJpeg(1024, 768);
  const size_t block = lmvengine::kStreamReadBlock;
  ASSERT_GT(jpeg.size(), 2 * block + 1000) << "the record must span three read blocks";
  DecodedImage fromMemory;
  ASSERT_EQ(lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), fromMemory).status,
            DecodeStatus::kOk);

  std::istringstream in(AsString(jpeg) + std::string(10000, 'Z'));
  DecodedImage fromStream;
  ASSERT_EQ(lmvengine::DecodeJpeg(in, static_cast<int64_t>(jpeg.size()), fromStream).status,
            DecodeStatus::kOk);
  ASSERT_EQ(fromStream.width, 1024);
  ASSERT_EQ(fromStream.height, 768);
  EXPECT_TRUE(fromStream.rgb == fromMemory.rgb) << "the stream's blocks were put together wrongly";
  in.clear();
  EXPECT_LE(static_cast<size_t>(in.tellg()), jpeg.size());

  std::istringstream cut(AsString(jpeg));
  const auto r = lmvengine::DecodeJpeg(cut, static_cast<int64_t>(2 * block + 500), fromStream);
  EXPECT_EQ(r.status, DecodeStatus::kFatal);
  EXPECT_NE(r.message.find("Premature end"), std::string::npos) << r.message;
  EXPECT_TRUE(fromStream.Empty());
}

TEST(JpegDecoder, DataEndingBeforeThePictureFailsInsteadOfGivingGreyRows) {
  // Cut inside the picture's data, baseline and progressive: the decoder
  // would fill the missing rows; the record is refused.
  const auto baseline = lumaveil::testing::SolidJpeg(320, 240, 0x445566);
  const auto progressive = lumaveil::testing::ProgressiveJpeg(320, 240);
  for (const auto* jpeg : {&baseline, &progressive}) {
    DecodedImage image;
    ASSERT_EQ(lmvengine::DecodeJpegMemory(jpeg->data(), jpeg->size(), image).status,
              DecodeStatus::kOk);
    const size_t cut = jpeg->size() * 2 / 3;
    const auto r = lmvengine::DecodeJpegMemory(jpeg->data(), cut, image);
    EXPECT_EQ(r.status, DecodeStatus::kFatal);
    EXPECT_NE(r.message.find("Premature end"), std::string::npos) << r.message;
    EXPECT_TRUE(image.Empty());
  }
}

TEST(JpegDecoder, PictureLargerThanTheLimitsIsRefusedBeforeItsPixelsAreMade) {
  const auto jpeg = lumaveil::testing::SolidJpeg(320, 240, 0x445566);
  DecodedImage image;
  EXPECT_EQ(lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), image, {320, 240}).status,
            DecodeStatus::kOk);
  for (lmvengine::DecodeLimits limits : {lmvengine::DecodeLimits{319, 240},
                                         lmvengine::DecodeLimits{320, 239}}) {
    const auto r = lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), image, limits);
    EXPECT_EQ(r.status, DecodeStatus::kFatal);
    EXPECT_EQ(r.message, lmvengine::kMessageTooLarge);
    EXPECT_TRUE(image.Empty());
  }
}

TEST(JpegDecoder, AProgressivePictureOfTooManyScansIsRefused) {
  const auto jpeg = lumaveil::testing::ProgressiveJpeg(240, 240);
  DecodedImage image;
  // Up to the limit a file of many scans is a picture; one more is refused.
  const auto many = lumaveil::testing::ProgressiveJpeg(240, 240, lmvengine::kMaxScans);
  EXPECT_EQ(lmvengine::DecodeJpegMemory(many.data(), many.size(), image).status,
            DecodeStatus::kOk);
  const auto more = lumaveil::testing::ProgressiveJpeg(240, 240, lmvengine::kMaxScans + 1);
  EXPECT_EQ(lmvengine::DecodeJpegMemory(more.data(), more.size(), image).message,
            lmvengine::kMessageTooManyScans);
  const auto bomb = lumaveil::testing::WithRepeatedLastScan(jpeg, 2000);
  const auto r = lmvengine::DecodeJpegMemory(bomb.data(), bomb.size(), image);
  EXPECT_EQ(r.status, DecodeStatus::kFatal);
  EXPECT_EQ(r.message, lmvengine::kMessageTooManyScans);
  EXPECT_TRUE(image.Empty());
}

TEST(DeviceRows, StrideIsRowBytesRoundedUpToFour) {
  EXPECT_EQ(lmvengine::DeviceRowStride(641), 1924);
  EXPECT_EQ(lmvengine::DeviceRowStride(640), 1920);
  EXPECT_EQ(lmvengine::DeviceRowStride(1), 4);
  EXPECT_EQ(lmvengine::DeviceRowStride(3), 12);
  for (int w = 1; w < 50; ++w) {
    const int s = lmvengine::DeviceRowStride(w);
    EXPECT_EQ(s % 4, 0);
    EXPECT_GE(s, w * 3);
    EXPECT_LT(s, w * 3 + 4);
  }
}

// A picture whose every pixel tells its own row and column.
DecodedImage Numbered(int width, int height) {
  DecodedImage image;
  image.width = width;
  image.height = height;
  image.rgb.resize(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &image.rgb[(static_cast<size_t>(y) * width + x) * 3];
      p[0] = static_cast<unsigned char>(y);        // red: row
      p[1] = static_cast<unsigned char>(x);        // green: column
      p[2] = static_cast<unsigned char>(y ^ 0x5A); // blue
    }
  }
  return image;
}

TEST(DeviceRows, OddHeightFlipsAroundTheMiddleRowAndSwapsRedAndBlue) {
  const DecodedImage image = Numbered(641, 241);
  lmvengine::DeviceRows rows;
  ASSERT_TRUE(lmvengine::ToDeviceRows(image, rows));
  EXPECT_EQ(rows.stride, 1924);
  ASSERT_EQ(rows.bits.size(), 1924u * 241u);
  for (int i = 0; i < 241; ++i) {
    const int pictureRow = 240 - i;  // bottom-up
    for (int x : {0, 1, 320, 640}) {
      const unsigned char* p = &rows.bits[static_cast<size_t>(i) * 1924 + x * 3];
      ASSERT_EQ(p[0], static_cast<unsigned char>(pictureRow ^ 0x5A)) << i;  // blue first
      ASSERT_EQ(p[1], static_cast<unsigned char>(x));
      ASSERT_EQ(p[2], static_cast<unsigned char>(pictureRow));
    }
    // Padding stays zero.
    ASSERT_EQ(rows.bits[static_cast<size_t>(i) * 1924 + 1923], 0);
  }
  // The middle row (120) stays in place.
  EXPECT_EQ(rows.bits[static_cast<size_t>(120) * 1924 + 2], 120);
}

TEST(DeviceRows, EmptyPictureFails) {
  lmvengine::DeviceRows rows;
  EXPECT_FALSE(lmvengine::ToDeviceRows(DecodedImage{}, rows));
  EXPECT_TRUE(rows.bits.empty());
}

}  // namespace
