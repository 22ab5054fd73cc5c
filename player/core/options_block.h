// The options block: what a saver using the moving effects, shuffle,
// different screens per monitor or a language other than English adds
// between its last record and its trailer. A saver without any of them has
// no block and is byte for byte a package of the designed layout.
//
//   engine image | ScreenRecord x screenCount | options block | trailer
//
// Block layout (32-bit signed little-endian integers, like the package):
//   0   "LMVO"         magic
//   4   blockLength    bytes of the whole block, footer included
//   8   version        kOptionsVersion, kOptionsFieldsVersion with fields
//   12  flags          kOptionShuffle | kOptionDifferentMonitors; other bits ignored
//   16  screenCount    equals the trailer's
//   20  entrySize      bytes of each entry, at least kOptionsEntrySize
//   24  entries        screenCount x entrySize, in record order
//   ...  fields        (version 2 and later) the saver's own: tag, valueLength,
//                      value padded with zeros to 4 bytes; kFieldLanguage
//   blockLength - 8    blockLength again
//   blockLength - 4    "LMVX"
// The whole format, with the frame math, is described in doc/package_format.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "jpeg_decoder.h"
#include "package_format.h"

namespace lmvengine {

inline constexpr unsigned char kOptionsMagic[4] = {'L', 'M', 'V', 'O'};
inline constexpr unsigned char kOptionsEndMagic[4] = {'L', 'M', 'V', 'X'};
inline constexpr int32_t kOptionsVersion = 1;        // written without fields
inline constexpr int32_t kOptionsFieldsVersion = 2;  // written with fields after the entries
inline constexpr int kOptionsHeaderSize = 24;   // magic .. entrySize
inline constexpr int kOptionsFooterSize = 8;    // blockLength, "LMVX"
inline constexpr int32_t kOptionsEntrySize = 28;  // bytes of the entry written (and the least read)

// A field after the entries: a 4-byte tag, the value's length, the value
// padded with zeros to a multiple of 4 bytes. A reader skips the tags it
// does not know.
inline constexpr int kOptionsFieldHeaderSize = 8;
// The language the saver was made in: 2 or 3 lowercase letters (ISO 639,
// "fr", "de", "es"); written only when it is not English.
inline constexpr unsigned char kFieldLanguage[4] = {'L', 'A', 'N', 'G'};
inline constexpr int32_t kMinLanguageLength = 2;
inline constexpr int32_t kMaxLanguageLength = 3;

// Flags of the block.
inline constexpr int32_t kOptionShuffle = 1;            // each cycle in a new random order
inline constexpr int32_t kOptionDifferentMonitors = 2;  // each monitor its own position

// Transition length of the moving effects (8 and 9), milliseconds.
inline constexpr int32_t kMinTransitionMs = 100;
inline constexpr int32_t kMaxTransitionMs = 10000;
inline constexpr int32_t kDefaultTransitionMs = 1500;

// Subject rectangles are in 1/kSubjectScale of the picture's width/height.
inline constexpr int32_t kSubjectScale = 10000;

// A pan-and-zoom picture is the screen rendered kPanZoomScale times the
// saver's size (PanZoomPictureSide), so that its moving window, from the
// whole picture down to 1 / kPanZoomScale of it, is never sampled from
// fewer pixels than the saver has.
inline constexpr double kPanZoomScale = 1.25;
// side * 1.25 rounded to the nearest pixel (halves up): (side * 5 + 2) / 4.
inline constexpr int32_t PanZoomPictureSide(int32_t side) {
  return static_cast<int32_t>((int64_t{side} * 5 + 2) / 4);
}

// Largest block a package can carry (kMaxScreenCount entries of the size written
// is the largest a writer makes; a reader takes larger entries up to this).
inline constexpr int64_t kMaxOptionsBlockLength = 64 * 1024 * 1024;

// One entry per record.
struct RecordOptions {
  int32_t transitionMs = kDefaultTransitionMs;  // cross-fade of effects 8 and 9
  int32_t pictureWidth = 0;    // this record's JPEG, pixels; 0 when writing: the trailer's
  int32_t pictureHeight = 0;   // likewise
  int32_t subjectLeft = 0;     // where the pan ends, 1/10000 of the picture's width
  int32_t subjectTop = 0;      // 1/10000 of its height
  int32_t subjectRight = kSubjectScale;
  int32_t subjectBottom = kSubjectScale;
  bool operator==(const RecordOptions&) const = default;
  // Whether a subject is set (anything but the whole picture).
  bool HasSubject() const {
    return subjectLeft != 0 || subjectTop != 0 || subjectRight != kSubjectScale ||
           subjectBottom != kSubjectScale;
  }
};

struct OptionsBlock {
  int32_t flags = 0;                   // kOption* bits
  std::vector<RecordOptions> entries;  // one per record, in record order
  std::string language;                // kFieldLanguage's value; "" when there is none
  bool operator==(const OptionsBlock&) const = default;
};

enum class OptionsCheck {
  kOk,
  kBadMagic,        // does not begin with "LMVO" or end with blockLength, "LMVX"
  kBadLength,       // blockLength is not 32 + screenCount x entrySize (version 1), is
                    // less (version 2), or too large
  kBadVersion,      // version below 1
  kBadScreenCount,  // differs from the trailer's
  kBadEntrySize,    // below kOptionsEntrySize
  kBadEntry,        // a value out of range (transition, picture size, subject)
  kBadField,        // a field that does not fit before the footer, padding that is not
                    // zeros, a language that is not 2 or 3 lowercase letters, or twice
};

// The options of a package without a block: the designed effects, the
// pictures at the trailer's size, no subject.
OptionsBlock DefaultOptions(const PackageTrailer& trailer);

// Whether the 8 bytes before the trailer are a block's footer; if so
// `blockLength` is the length it declares (not yet checked).
bool HasOptionsFooter(const unsigned char last8[kOptionsFooterSize], int32_t& blockLength);

// Reads a block of `length` bytes (the whole block, footer included) for a
// package whose trailer is `trailer`. Checks every field: the magic at both
// ends, version >= 1, screenCount equal to the trailer's, entrySize >= 28,
// blockLength = length = 32 + screenCount x entrySize, plus the fields from
// version 2 on (each whole before the footer), each transitionMs in
// kMinTransitionMs..kMaxTransitionMs, each picture at least the trailer's
// size, at most kMaxJpegSide a side and kMaxDecodedPixels in all, each
// subject with 0 <= left < right <= 10000 and 0 <= top < bottom <= 10000.
// Bytes past the first 28 of an entry are skipped; unknown flag bits and
// fields are dropped. `out` is set only on kOk.
OptionsCheck ParseOptionsBlock(const unsigned char* bytes, size_t length,
                               const PackageTrailer& trailer, OptionsBlock& out);

// The block for `options` (entries of kOptionsEntrySize bytes, flags as
// given). Entries whose picture size is 0 are written with the trailer's.
// With a language the block is version 2 and ends with its field; without,
// it is version 1 as it always was.
std::vector<unsigned char> WriteOptionsBlock(const OptionsBlock& options,
                                             const PackageTrailer& trailer);

}  // namespace lmvengine
