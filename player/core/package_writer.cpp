#include "package_writer.h"

#include <cerrno>
#include <limits>
#include <system_error>
#include <vector>

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

bool PackageWriter::BeginRecord(int32_t duration, int32_t effect) {
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
                                     const std::filesystem::path& jpeg) {
  std::ifstream in(jpeg, std::ios::binary);
  if (!in) {
    error_ = "cannot open " + jpeg.string();
    return false;
  }
  if (!BeginRecord(duration, effect)) return false;
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
  unsigned char trailer[kTrailerSize];
  WriteLe32(trailer, width);
  WriteLe32(trailer + 4, height);
  WriteLe32(trailer + 8, count_);
  WriteLe32(trailer + 12, dataOffset_);
  file_.seekp(0, std::ios::end);
  file_.write(reinterpret_cast<const char*>(trailer), kTrailerSize);
  file_.close();
  if (!file_) return Fail("cannot write " + path_.string());
  finished_ = true;
  return true;
}

void PackageWriter::Discard() {
  if (file_.is_open()) file_.close();
  file_.clear();
  if (!path_.empty() && !finished_) {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  path_.clear();
  recordStart_ = -1;
}

}  // namespace lmvengine
