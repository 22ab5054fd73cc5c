#include "package_reader.h"

namespace lmvengine {

OpenStatus PackageReader::Open(const std::filesystem::path& path) {
  Close();
  file_.open(path, std::ios::binary | std::ios::in);
  if (!file_.is_open()) return OpenStatus::kCantOpen;
  file_.seekg(0, std::ios::end);
  const std::streamoff size = file_.tellg();
  if (size < 0) {
    Close();
    return OpenStatus::kCantOpen;
  }
  fileSize_ = static_cast<int64_t>(size);
  if (fileSize_ < kTrailerSize) {
    file_.close();
    return OpenStatus::kBadData;
  }
  unsigned char bytes[kTrailerSize];
  file_.seekg(fileSize_ - kTrailerSize);
  file_.read(reinterpret_cast<char*>(bytes), kTrailerSize);
  if (file_.gcount() != kTrailerSize) {
    file_.close();
    return OpenStatus::kBadData;
  }
  trailer_.width = ReadLe32(bytes);
  trailer_.height = ReadLe32(bytes + 4);
  trailer_.screenCount = ReadLe32(bytes + 8);
  trailer_.dataOffset = ReadLe32(bytes + 12);
  if (CheckTrailer(trailer_) != TrailerCheck::kOk || !FirstRecordInside()) {
    file_.close();
    return OpenStatus::kBadData;
  }
  Wrap();
  return OpenStatus::kOk;
}

bool PackageReader::FirstRecordInside() {
  const int64_t areaEnd = fileSize_ - kTrailerSize;
  const int64_t start = trailer_.dataOffset;
  if (start < 0 || start + kRecordHeaderSize > areaEnd) return false;
  unsigned char bytes[kRecordHeaderSize];
  file_.clear();
  file_.seekg(start);
  file_.read(reinterpret_cast<char*>(bytes), kRecordHeaderSize);
  if (file_.gcount() != kRecordHeaderSize) return false;
  const int32_t imageLength = ReadLe32(bytes + 8);
  return imageLength >= 0 && start + kRecordHeaderSize + imageLength <= areaEnd;
}

void PackageReader::Wrap() {
  counter_ = 0;
  position_ = trailer_.dataOffset;
}

RecordRead PackageReader::ReadRecord(DecodedImage& image) {
  image = DecodedImage{};
  RecordRead read;
  read.number = counter_ + 1;
  // Records live between dataOffset and the trailer; nothing outside that
  // area is read.
  const int64_t areaEnd = fileSize_ - kTrailerSize;
  if (!file_.is_open() || position_ < 0 || position_ + kRecordHeaderSize > areaEnd) {
    Wrap();
    return read;
  }
  file_.clear();
  file_.seekg(position_);
  unsigned char bytes[kRecordHeaderSize];
  file_.read(reinterpret_cast<char*>(bytes), kRecordHeaderSize);
  if (file_.gcount() != kRecordHeaderSize) {
    Wrap();
    return read;
  }
  read.header.duration = ReadLe32(bytes);
  read.header.effect = ReadLe32(bytes + 4);
  read.header.imageLength = ReadLe32(bytes + 8);
  const int64_t imageStart = position_ + kRecordHeaderSize;
  const int64_t imageEnd = imageStart + read.header.imageLength;
  if (read.header.imageLength < 0 || imageEnd > areaEnd) {
    Wrap();
    return read;
  }
  // Every picture of a package has the trailer's size: a larger one is
  // damage and is refused before anything is made for it.
  read.decode = DecodeJpeg(file_, read.header.imageLength, image,
                           DecodeLimits{trailer_.width, trailer_.height});
  read.status = read.decode.status == DecodeStatus::kOk ? RecordStatus::kDecoded
                                                        : RecordStatus::kSkipped;
  // The next record starts after the image, whatever the decoder consumed.
  position_ = imageEnd;
  if (++counter_ >= trailer_.screenCount) Wrap();
  return read;
}

void PackageReader::Close() {
  if (file_.is_open()) file_.close();
  file_.clear();
  trailer_ = PackageTrailer{};
  fileSize_ = 0;
  position_ = 0;
  counter_ = 0;
}

const char* OpenStatusMessage(OpenStatus status) {
  switch (status) {
    case OpenStatus::kCantOpen:
      return kMessageCantOpen;
    case OpenStatus::kBadData:
      return kMessageBadData;
    case OpenStatus::kOk:
      break;
  }
  return "";
}

}  // namespace lmvengine
