// Writing a screen package: the engine copied byte for byte, then the
// records one at a time, then (when the saver needs one) the options block,
// then the trailer. A record that cannot be finished is cut off again, so
// the file only ever holds complete records.
//
// Library lmv_package: used by lmvpack and by the maker's generation.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <vector>

#include "options_block.h"
#include "package_format.h"

namespace lmvengine {

class PackageWriter {
 public:
  PackageWriter() = default;
  ~PackageWriter();  // an unfinished package is removed
  PackageWriter(const PackageWriter&) = delete;
  PackageWriter& operator=(const PackageWriter&) = delete;

  // Creates `out` (replacing it) and copies the engine file into it. The
  // engine's length becomes dataOffset; it must be 1 .. 2^31 - 1 bytes.
  // `out` must not be the engine itself, nor anything but a regular file
  // (a device or a pipe is refused untouched). Returns false (and removes
  // `out` when it was created) on failure; Error() says why.
  bool Begin(const std::filesystem::path& out, const std::filesystem::path& engine);

  // Starts a record: writes duration, effect and a zero imageLength.
  // `options` is the record's entry of the options block (its transition
  // length, its picture size when larger than the saver's, its subject);
  // it counts only if the record is completed.
  bool BeginRecord(int32_t duration, int32_t effect, const RecordOptions& options = {});
  // Appends JPEG bytes to the record begun.
  bool WriteImage(const void* data, size_t length);
  // Completes the record: its imageLength is patched and it is counted.
  // Fails when the record would pass 2^31 - 1 bytes from the file start.
  bool EndRecord();
  // Cuts the file back to the start of the record begun, as if it had never
  // been started.
  bool AbandonRecord();

  // One whole record from a JPEG file; on a read failure the record is
  // abandoned and false returned.
  bool AppendRecordFile(int32_t duration, int32_t effect, const std::filesystem::path& jpeg,
                        const RecordOptions& options = {});

  // The saver-wide flags of the options block (kOptionShuffle,
  // kOptionDifferentMonitors); 0 by default.
  void SetOptionFlags(int32_t flags) { flags_ = flags; }
  // The language the saver's messages are shown in (kFieldLanguage: "fr",
  // "de", ...); English ("en" or "") is the players' own and is not written.
  void SetLanguage(const std::string& code) { language_ = code == "en" ? std::string() : code; }

  // Writes the options block when the saver needs one (NeedsOptionsBlock:
  // a flag set, a record with a moving effect, or a picture larger than
  // width x height; or a language), then the trailer (width, height, the records
  // completed, dataOffset), and closes the file. A saver that needs no block
  // is byte for byte the designed package. Fails when no record was
  // completed, or a completed record's options are out of the block's
  // ranges (a transition outside 100..10000 ms, a picture smaller than
  // width x height, a subject that is not a rectangle inside 0..10000, a
  // language that is not 2 or 3 lowercase letters).
  bool Finish(int32_t width, int32_t height);

  // Closes and removes the file being written (a regular file only).
  void Discard();

  int RecordCount() const { return count_; }
  // The entries of the records completed so far, in order.
  const std::vector<RecordOptions>& RecordEntries() const { return entries_; }
  int32_t DataOffset() const { return dataOffset_; }
  const std::string& Error() const { return error_; }
  // The system's errno behind the last failure (0 when the failure was not
  // the system's: an empty engine, a package too large).
  int SystemError() const { return systemError_; }

 private:
  // Records why (`system`: errno says why too), discards the file.
  bool Fail(const std::string& why, bool system = true);

  std::filesystem::path path_;
  std::fstream file_;
  int64_t recordStart_ = -1;  // offset of the record begun, -1 when none
  int64_t imageBytes_ = 0;    // bytes written into it so far
  int32_t dataOffset_ = 0;
  int count_ = 0;
  int32_t flags_ = 0;                   // of the options block
  std::string language_;                // of the options block; "" for none
  int32_t pendingEffect_ = 0;           // of the record begun
  RecordOptions pendingOptions_;        // of the record begun
  std::vector<int32_t> effects_;        // of the records completed
  std::vector<RecordOptions> entries_;  // of the records completed
  bool finished_ = false;
  std::string error_;
  int systemError_ = 0;
};

// Whether a saver needs the options block: `flags` set, an effect of 8 to
// 10 among `effects`, or an entry whose picture differs from width x height
// (an entry's 0 stands for the trailer's size).
bool NeedsOptionsBlock(int32_t flags, const std::vector<int32_t>& effects,
                       const std::vector<RecordOptions>& entries, int32_t width, int32_t height);

}  // namespace lmvengine
