// Reading a screen package from its file: the trailer once at start-up,
// then one record at a time, wrapping to the first after the last.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "jpeg_decoder.h"
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
  OpenStatus Open(const std::filesystem::path& path);

  const PackageTrailer& Trailer() const { return trailer_; }
  int64_t FileSize() const { return fileSize_; }

  // Reads the record at the read position: its header, then its JPEG
  // decoded into `image` (cleared first); a picture larger than the
  // trailer's width x height does not decode (kSkipped). Records must lie between
  // dataOffset and the trailer; a header or an image outside that area is
  // never read and the position wraps to dataOffset. Otherwise the position
  // is set to the record's end (from imageLength, whatever the decoder
  // consumed) and the record is counted; after screenCount records it
  // wraps to dataOffset.
  RecordRead ReadRecord(DecodedImage& image);

  // Records read since the last wrap-around.
  int RecordCounter() const { return counter_; }

  void Close();
  bool IsOpen() const { return file_.is_open(); }

 private:
  void Wrap();
  bool FirstRecordInside();

  std::ifstream file_;
  PackageTrailer trailer_;
  int64_t fileSize_ = 0;
  int64_t position_ = 0;  // read position, bytes from the file start
  int counter_ = 0;
};

// Message text of an open failure (kCantOpen or kBadData); "" for kOk.
const char* OpenStatusMessage(OpenStatus status);

}  // namespace lmvengine
