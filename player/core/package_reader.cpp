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
  areaEnd_ = fileSize_ - kTrailerSize;
  if (CheckTrailer(trailer_) != TrailerCheck::kOk || !ReadOptions() || !FirstRecordInside()) {
    file_.close();
    return OpenStatus::kBadData;
  }
  Wrap();
  return OpenStatus::kOk;
}

bool PackageReader::ReadOptions() {
  options_ = DefaultOptions(trailer_);
  hasBlock_ = false;
  offsets_.clear();
  if (fileSize_ < kTrailerSize + kOptionsFooterSize) return true;
  unsigned char footer[kOptionsFooterSize];
  file_.clear();
  file_.seekg(fileSize_ - kTrailerSize - kOptionsFooterSize);
  file_.read(reinterpret_cast<char*>(footer), kOptionsFooterSize);
  if (file_.gcount() != kOptionsFooterSize) return false;
  int32_t length = 0;
  if (!HasOptionsFooter(footer, length)) return true;
  // A block that says it is there must be whole and inside the file.
  const int64_t start = fileSize_ - kTrailerSize - int64_t{length};
  if (length < kOptionsHeaderSize + kOptionsFooterSize || length > kMaxOptionsBlockLength ||
      start <= int64_t{trailer_.dataOffset} || trailer_.dataOffset < 0) {
    return false;
  }
  std::vector<unsigned char> bytes(static_cast<size_t>(length));
  file_.clear();
  file_.seekg(start);
  file_.read(reinterpret_cast<char*>(bytes.data()), length);
  if (file_.gcount() != length) return false;
  OptionsBlock block;
  if (ParseOptionsBlock(bytes.data(), bytes.size(), trailer_, block) != OptionsCheck::kOk) {
    return false;
  }
  // The records, walked from dataOffset, end exactly at the block.
  std::vector<int64_t> offsets;
  offsets.reserve(static_cast<size_t>(trailer_.screenCount));
  int64_t at = trailer_.dataOffset;
  for (int32_t i = 0; i < trailer_.screenCount; ++i) {
    if (at + kRecordHeaderSize > start) return false;
    unsigned char header[kRecordHeaderSize];
    file_.clear();
    file_.seekg(at);
    file_.read(reinterpret_cast<char*>(header), kRecordHeaderSize);
    if (file_.gcount() != kRecordHeaderSize) return false;
    const int32_t imageLength = ReadLe32(header + 8);
    if (imageLength < 0) return false;
    offsets.push_back(at);
    at += kRecordHeaderSize + int64_t{imageLength};
  }
  if (at != start) return false;
  options_ = std::move(block);
  offsets_ = std::move(offsets);
  hasBlock_ = true;
  areaEnd_ = start;
  return true;
}

bool PackageReader::FirstRecordInside() {
  const int64_t areaEnd = areaEnd_;
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
  RecordRead read = ReadAtPosition(counter_ + 1, image);
  if (read.status == RecordStatus::kOutside) {
    Wrap();
    return read;
  }
  if (++counter_ >= trailer_.screenCount) Wrap();
  return read;
}

RecordRead PackageReader::ReadRecordAt(int32_t index, DecodedImage& image) {
  if (!hasBlock_ || index < 0 || static_cast<size_t>(index) >= offsets_.size()) {
    image = DecodedImage{};
    RecordRead read;
    read.number = index + 1;
    return read;
  }
  position_ = offsets_[static_cast<size_t>(index)];
  return ReadAtPosition(index + 1, image);
}

RecordRead PackageReader::ReadAtPosition(int number, DecodedImage& image) {
  image = DecodedImage{};
  RecordRead read;
  read.number = number;
  // Records live between dataOffset and the block or the trailer; nothing
  // outside that area is read.
  const int64_t areaEnd = areaEnd_;
  if (!file_.is_open() || position_ < 0 || position_ + kRecordHeaderSize > areaEnd) {
    return read;
  }
  file_.clear();
  file_.seekg(position_);
  unsigned char bytes[kRecordHeaderSize];
  file_.read(reinterpret_cast<char*>(bytes), kRecordHeaderSize);
  if (file_.gcount() != kRecordHeaderSize) return read;
  read.header.duration = ReadLe32(bytes);
  read.header.effect = ReadLe32(bytes + 4);
  read.header.imageLength = ReadLe32(bytes + 8);
  const int64_t imageStart = position_ + kRecordHeaderSize;
  const int64_t imageEnd = imageStart + read.header.imageLength;
  if (read.header.imageLength < 0 || imageEnd > areaEnd) return read;
  // Every picture has its entry's size (the trailer's without a block): a
  // larger one is damage and is refused before anything is made for it.
  const size_t entry = static_cast<size_t>(number - 1);
  DecodeLimits limits{trailer_.width, trailer_.height};
  if (entry < options_.entries.size()) {
    limits = DecodeLimits{options_.entries[entry].pictureWidth,
                          options_.entries[entry].pictureHeight};
  }
  read.decode = DecodeJpeg(file_, read.header.imageLength, image, limits);
  read.status = read.decode.status == DecodeStatus::kOk ? RecordStatus::kDecoded
                                                        : RecordStatus::kSkipped;
  // The next record starts after the image, whatever the decoder consumed.
  position_ = imageEnd;
  return read;
}

void PackageReader::Close() {
  if (file_.is_open()) file_.close();
  file_.clear();
  trailer_ = PackageTrailer{};
  fileSize_ = 0;
  position_ = 0;
  areaEnd_ = 0;
  counter_ = 0;
  options_ = OptionsBlock{};
  hasBlock_ = false;
  offsets_.clear();
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
