#include "package_writer.h"

#include <cerrno>
#include <limits>
#include <system_error>
#include <vector>

#include "effects.h"

namespace lmvengine {
namespace {

constexpr int64_t kMaxOffset = std::numeric_limits<int32_t>::max();
constexpr size_t kChunk = 64 * 1024;

}  // namespace

PackageWriter::~PackageWriter() {
  if (!finished_) Discard();
}

bool PackageWriter::Fail(const std::string& why, bool system) {
  systemError_ = system ? errno : 0;
  error_ = why;
  Discard();
  return false;
}

bool PackageWriter::Begin(const std::filesystem::path& out, const std::filesystem::path& engine) {
  Discard();
  error_.clear();
  systemError_ = 0;
  finished_ = false;
  count_ = 0;
  effects_.clear();
  entries_.clear();
  recordStart_ = -1;
  std::ifstream in(engine, std::ios::binary);
  if (!in) {
    systemError_ = errno;
    error_ = "cannot open the engine " + engine.string();
    return false;
  }
  std::error_code ec;
  if (std::filesystem::equivalent(out, engine, ec)) {
    error_ = "the package would overwrite its own engine " + engine.string();
    return false;
  }
  // The package is patched and cut back while it is written, which a device
  // or a pipe cannot take; and a failure must never remove one.
  const std::filesystem::file_status status = std::filesystem::status(out, ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    error_ = out.string() + " is not a regular file";
    return false;
  }
  path_ = out;
  file_.open(out, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
  if (!file_) return Fail("cannot create " + out.string());
  std::vector<char> buffer(kChunk);
  int64_t length = 0;
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    length += got;
    if (length > kMaxOffset) return Fail("the engine " + engine.string() + " is too large", false);
    if (!file_.write(buffer.data(), got)) return Fail("cannot write " + out.string());
  }
  if (in.bad()) return Fail("cannot read the engine " + engine.string());
  if (length == 0) return Fail("the engine " + engine.string() + " is empty", false);
  dataOffset_ = static_cast<int32_t>(length);
  return true;
}

bool NeedsOptionsBlock(int32_t flags, const std::vector<int32_t>& effects,
                       const std::vector<RecordOptions>& entries, int32_t width, int32_t height) {
  if (flags != 0) return true;
  for (int32_t effect : effects) {
    if (effect >= kEffectCrossFade && effect <= kEffectRandomAll) return true;
  }
  for (const RecordOptions& e : entries) {
    if ((e.pictureWidth != 0 && e.pictureWidth != width) ||
        (e.pictureHeight != 0 && e.pictureHeight != height)) {
      return true;
    }
  }
  return false;
}

bool PackageWriter::BeginRecord(int32_t duration, int32_t effect, const RecordOptions& options) {
  if (!file_.is_open()) return false;
  if (recordStart_ >= 0) AbandonRecord();
  file_.seekp(0, std::ios::end);
  const std::streamoff start = file_.tellp();
  if (start < 0) return Fail("cannot write " + path_.string());
  unsigned char header[kRecordHeaderSize];
  WriteLe32(header, duration);
  WriteLe32(header + 4, effect);
  WriteLe32(header + 8, 0);
  recordStart_ = start;
  imageBytes_ = 0;
  pendingEffect_ = effect;
  pendingOptions_ = options;
  if (!file_.write(reinterpret_cast<const char*>(header), kRecordHeaderSize)) {
    return Fail("cannot write " + path_.string());
  }
  return true;
}

bool PackageWriter::WriteImage(const void* data, size_t length) {
  if (!file_.is_open() || recordStart_ < 0) return false;
  if (recordStart_ + kRecordHeaderSize + imageBytes_ + static_cast<int64_t>(length) > kMaxOffset) {
    error_ = "the package would pass 2 GiB";
    AbandonRecord();
    return false;
  }
  if (!file_.write(static_cast<const char*>(data), static_cast<std::streamsize>(length))) {
    return Fail("cannot write " + path_.string());
  }
  imageBytes_ += static_cast<int64_t>(length);
  return true;
}

bool PackageWriter::EndRecord() {
  if (!file_.is_open() || recordStart_ < 0) return false;
  unsigned char length[4];
  WriteLe32(length, static_cast<int32_t>(imageBytes_));
  file_.seekp(recordStart_ + 8);
  file_.write(reinterpret_cast<const char*>(length), 4);
  file_.seekp(0, std::ios::end);
  if (!file_) return Fail("cannot write " + path_.string());
  recordStart_ = -1;
  ++count_;
  effects_.push_back(pendingEffect_);
  entries_.push_back(pendingOptions_);
  return true;
}

bool PackageWriter::AbandonRecord() {
  if (!file_.is_open() || recordStart_ < 0) return false;
  const int64_t start = recordStart_;
  recordStart_ = -1;
  // The stream cannot shrink its file: close, cut, reopen at the end.
  file_.close();
  std::error_code ec;
  std::filesystem::resize_file(path_, static_cast<uintmax_t>(start), ec);
  if (ec) return Fail("cannot cut " + path_.string() + " back");
  file_.open(path_, std::ios::binary | std::ios::in | std::ios::out);
  if (!file_) return Fail("cannot reopen " + path_.string());
  file_.seekp(0, std::ios::end);
  return true;
}

bool PackageWriter::AppendRecordFile(int32_t duration, int32_t effect,
                                     const std::filesystem::path& jpeg,
                                     const RecordOptions& options) {
  std::ifstream in(jpeg, std::ios::binary);
  if (!in) {
    error_ = "cannot open " + jpeg.string();
    return false;
  }
  if (!BeginRecord(duration, effect, options)) return false;
  std::vector<char> buffer(kChunk);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (!WriteImage(buffer.data(), static_cast<size_t>(got))) return false;
  }
  if (in.bad()) {
    error_ = "cannot read " + jpeg.string();
    AbandonRecord();
    return false;
  }
  return EndRecord();
}

bool PackageWriter::Finish(int32_t width, int32_t height) {
  if (!file_.is_open()) return false;
  if (recordStart_ >= 0) AbandonRecord();
  if (count_ == 0) return Fail("no screen in the package", false);
  if (count_ > kMaxScreenCount) return Fail("more than 31999 screens in the package", false);
  file_.seekp(0, std::ios::end);
  if (NeedsOptionsBlock(flags_, effects_, entries_, width, height) || !language_.empty()) {
    const PackageTrailer t{width, height, count_, dataOffset_};
    const std::vector<unsigned char> block =
        WriteOptionsBlock(OptionsBlock{flags_, entries_, language_}, t);
    // What the players would refuse is never written.
    OptionsBlock check;
    const OptionsCheck refused = ParseOptionsBlock(block.data(), block.size(), t, check);
    if (refused == OptionsCheck::kBadField) {
      return Fail("the language " + language_ + " is not 2 or 3 lowercase letters", false);
    }
    if (refused != OptionsCheck::kOk) {
      return Fail("a screen's transition, picture size or subject is out of range", false);
    }
    if (static_cast<int64_t>(file_.tellp()) + int64_t(block.size()) + kTrailerSize >
        kMaxOffset) {
      return Fail("the package would pass 2 GiB", false);
    }
    file_.write(reinterpret_cast<const char*>(block.data()),
                static_cast<std::streamsize>(block.size()));
  }
  unsigned char trailer[kTrailerSize];
  WriteLe32(trailer, width);
  WriteLe32(trailer + 4, height);
  WriteLe32(trailer + 8, count_);
  WriteLe32(trailer + 12, dataOffset_);
  file_.write(reinterpret_cast<const char*>(trailer), kTrailerSize);
  file_.close();
  if (!file_) return Fail("cannot write " + path_.string());
  finished_ = true;
  return true;
}

void PackageWriter::Discard() {
  if (file_.is_open()) file_.close();
  file_.clear();
  // Only the regular file this writer made is removed: never a link, nor
  // whatever may have taken the name since.
  std::error_code ec;
  if (!path_.empty() && !finished_ &&
      std::filesystem::is_regular_file(std::filesystem::symlink_status(path_, ec))) {
    std::filesystem::remove(path_, ec);
  }
  path_.clear();
  recordStart_ = -1;
}

}  // namespace lmvengine
