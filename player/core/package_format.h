// The screen package: the engine program file, then one record per screen,
// then a 16-byte trailer. Every integer is 32-bit signed little-endian.
//
//   engine image   offset 0, L bytes (L = dataOffset)
//   ScreenRecord   duration, effect, imageLength (12 bytes), then the JPEG
//   ...            screenCount records, no padding
//   trailer        width, height, screenCount, dataOffset (last 16 bytes)
//
// There is no magic number: a package is recognised by its trailer values
// passing CheckTrailer().
#pragma once

#include <cstdint>

namespace lmvengine {

inline constexpr int kTrailerSize = 16;       // bytes at the end of the file
inline constexpr int kRecordHeaderSize = 12;  // duration, effect, imageLength

// Accepted trailer ranges. The width reaches 16384 so that savers made at a
// machine's own wide resolution (1920, 2560, 3840, ...) play.
inline constexpr int32_t kMinWidth = 240;
inline constexpr int32_t kMaxWidth = 16384;
inline constexpr int32_t kMinHeight = 240;     // no upper bound
inline constexpr int32_t kMaxScreenCount = 31999;

// The last 16 bytes of a package.
struct PackageTrailer {
  int32_t width = 0;        // pixels of every screen picture
  int32_t height = 0;       // pixels of every screen picture
  int32_t screenCount = 0;  // number of ScreenRecords
  int32_t dataOffset = 0;   // absolute offset of the first record (= engine length)
};

// The 12 bytes in front of each record's JPEG.
struct RecordHeader {
  int32_t duration = 0;     // whole seconds on screen (the maker writes 1..180)
  int32_t effect = 0;       // transition code 0..7; anything else draws as 0
  int32_t imageLength = 0;  // JPEG bytes that follow
};

enum class TrailerCheck {
  kOk,
  kBadWidth,        // width outside kMinWidth..kMaxWidth
  kBadHeight,       // height below kMinHeight
  kBadScreenCount,  // screenCount outside 1..kMaxScreenCount
  kBadDataOffset,   // dataOffset is 0
};

// Checks the trailer values in the order width, height, screenCount,
// dataOffset and returns the first failure. Looks at nothing else: where
// dataOffset points is judged when records are read.
TrailerCheck CheckTrailer(const PackageTrailer& trailer);

// Largest width or height of a JPEG picture.
inline constexpr int32_t kMaxJpegSide = 65500;

// Whether screens of width x height can make a package that plays: the
// trailer's size passes CheckTrailer and each screen can be a JPEG. The
// maker asks this before it generates anything.
bool PlayableSize(int32_t width, int32_t height);

// Little-endian 32-bit integers, independent of the host's byte order.
inline int32_t ReadLe32(const unsigned char* p) {
  uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
               (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  return static_cast<int32_t>(v);
}
inline void WriteLe32(unsigned char* p, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
  p[2] = static_cast<unsigned char>(v >> 16);
  p[3] = static_cast<unsigned char>(v >> 24);
}

// The messages of a package that cannot be played, with their caption.
inline constexpr const char* kMessageCantOpen = "LmvEngine can't open file";
inline constexpr const char* kMessageBadData = "LmvEngine bad data";
inline constexpr const char* kCaptionError = "Error";

}  // namespace lmvengine
