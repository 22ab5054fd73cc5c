// Reading a screen package from its file: the trailer (and the options
// block, when there is one) once at start-up, then one record at a time,
// wrapping to the first after the last, or any record by its index.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "jpeg_decoder.h"
#include "options_block.h"
#include "package_format.h"

namespace lmvengine {

enum class OpenStatus {
  kOk,
  kCantOpen,  // "LmvEngine can't open file"
  kBadData,   // "LmvEngine bad data": a trailer value out of range, or no trailer
};

// What reading one record gave.
enum class RecordStatus {
  kDecoded,   // header read and picture decoded
  kSkipped,   // header read, picture did not decode; stream placed on the next record
  kOutside,   // the record (or its image) lies outside the records area; read
              // position wrapped to the first record
};

struct RecordRead {
  RecordStatus status = RecordStatus::kOutside;
  RecordHeader header;  // valid unless kOutside
  int number = 0;       // 1-based number of the record in the package
  DecodeResult decode;  // why the picture did not decode (kSkipped)
};

class PackageReader {
 public:
  // Opens the file for binary reading, reads the trailer from the last 16
  // bytes and checks it (CheckTrailer). On kOk the read position is
  // dataOffset. A file shorter than 16 bytes is kBadData, and so is one
  // whose first record (its header and the image its imageLength counts)
  // does not lie between dataOffset and the trailer: nothing could ever be
  // shown. Nothing is allocated from trailer values.
  // When the 8 bytes before the trailer end in "LMVX" the options block is
  // read and checked (ParseOptionsBlock); it must start after dataOffset,
  // and the records, walked from dataOffset, must end exactly where it
  // starts; anything else is kBadData. The records then lie between
  // dataOffset and the block, and each can be read by its index.
  OpenStatus Open(const std::filesystem::path& path);

  const PackageTrailer& Trailer() const { return trailer_; }
  // The block read, or DefaultOptions() of the trailer when there is none.
  const OptionsBlock& Options() const { return options_; }
  bool HasOptionsBlock() const { return hasBlock_; }
  int64_t FileSize() const { return fileSize_; }

  // Reads the record at the read position: its header, then its JPEG
  // decoded into `image` (cleared first); a picture larger than the
  // trailer's width x height does not decode (kSkipped). Records must lie between
  // dataOffset and the trailer; a header or an image outside that area is
  // never read and the position wraps to dataOffset. Otherwise the position
  // is set to the record's end (from imageLength, whatever the decoder
  // consumed) and the record is counted; after screenCount records it
  // wraps to dataOffset.
  // Each record's picture decodes at most at its entry's picture size.
  RecordRead ReadRecord(DecodedImage& image);

  // Reads record `index` (0-based) whatever the read position, and leaves
  // the position after it; only with an options block (the records'
  // offsets are known), else the result is kOutside. Does not count.
  RecordRead ReadRecordAt(int32_t index, DecodedImage& image);

  // Records read since the last wrap-around.
  int RecordCounter() const { return counter_; }

  void Close();
  bool IsOpen() const { return file_.is_open(); }

 private:
  void Wrap();
  bool FirstRecordInside();
  // Reads the options block if the footer says one is there; false when it
  // is damaged.
  bool ReadOptions();
  // Header and picture of the record at position_, which must be inside.
  RecordRead ReadAtPosition(int number, DecodedImage& image);

  std::ifstream file_;
  PackageTrailer trailer_;
  int64_t fileSize_ = 0;
  int64_t position_ = 0;  // read position, bytes from the file start
  int64_t areaEnd_ = 0;   // end of the records: the block's start, or the trailer's
  int counter_ = 0;
  OptionsBlock options_;
  bool hasBlock_ = false;
  std::vector<int64_t> offsets_;  // each record's start, with a block
};

// Message text of an open failure (kCantOpen or kBadData); "" for kOk.
const char* OpenStatusMessage(OpenStatus status);

}  // namespace lmvengine
