#include "options_block.h"

#include <cstring>

namespace lmvengine {

OptionsBlock DefaultOptions(const PackageTrailer& trailer) {
  OptionsBlock block;
  if (trailer.screenCount <= 0 || trailer.screenCount > kMaxScreenCount) return block;
  RecordOptions entry;
  entry.pictureWidth = trailer.width;
  entry.pictureHeight = trailer.height;
  block.entries.assign(static_cast<size_t>(trailer.screenCount), entry);
  return block;
}

bool HasOptionsFooter(const unsigned char last8[kOptionsFooterSize], int32_t& blockLength) {
  if (std::memcmp(last8 + 4, kOptionsEndMagic, 4) != 0) return false;
  blockLength = ReadLe32(last8);
  return true;
}

namespace {

bool EntryInRange(const RecordOptions& e, const PackageTrailer& trailer) {
  if (e.transitionMs < kMinTransitionMs || e.transitionMs > kMaxTransitionMs) return false;
  if (e.pictureWidth < trailer.width || e.pictureHeight < trailer.height) return false;
  if (e.pictureWidth > kMaxJpegSide || e.pictureHeight > kMaxJpegSide) return false;
  if (int64_t{e.pictureWidth} * e.pictureHeight > kMaxDecodedPixels) return false;
  if (e.subjectLeft < 0 || e.subjectLeft >= e.subjectRight || e.subjectRight > kSubjectScale) {
    return false;
  }
  return e.subjectTop >= 0 && e.subjectTop < e.subjectBottom && e.subjectBottom <= kSubjectScale;
}

bool LanguageOk(const std::string& code) {
  if (code.size() < size_t{kMinLanguageLength} || code.size() > size_t{kMaxLanguageLength}) {
    return false;
  }
  for (char c : code) {
    if (c < 'a' || c > 'z') return false;
  }
  return true;
}

int64_t Padded(int64_t length) { return (length + 3) / 4 * 4; }

// The fields between the entries and the footer, `length` bytes at `p`:
// each whole inside them, its padding zeros; the language read.
bool ParseFields(const unsigned char* p, int64_t length, OptionsBlock& block) {
  bool language = false;
  while (length > 0) {
    if (length < kOptionsFieldHeaderSize) return false;
    const int32_t valueLength = ReadLe32(p + 4);
    if (valueLength < 0 || Padded(valueLength) > length - kOptionsFieldHeaderSize) return false;
    const unsigned char* value = p + kOptionsFieldHeaderSize;
    for (int64_t i = valueLength; i < Padded(valueLength); ++i) {
      if (value[i] != 0) return false;
    }
    if (std::memcmp(p, kFieldLanguage, 4) == 0) {
      block.language.assign(reinterpret_cast<const char*>(value), static_cast<size_t>(valueLength));
      if (language || !LanguageOk(block.language)) return false;
      language = true;
    }
    const int64_t whole = kOptionsFieldHeaderSize + Padded(valueLength);
    p += whole;
    length -= whole;
  }
  return true;
}

}  // namespace

OptionsCheck ParseOptionsBlock(const unsigned char* bytes, size_t length,
                               const PackageTrailer& trailer, OptionsBlock& out) {
  constexpr size_t kFixed = kOptionsHeaderSize + kOptionsFooterSize;
  if (bytes == nullptr || length < kFixed || std::memcmp(bytes, kOptionsMagic, 4) != 0 ||
      std::memcmp(bytes + length - 4, kOptionsEndMagic, 4) != 0) {
    return OptionsCheck::kBadMagic;
  }
  const int32_t blockLength = ReadLe32(bytes + 4);
  const int32_t version = ReadLe32(bytes + 8);
  const int32_t flags = ReadLe32(bytes + 12);
  const int32_t screenCount = ReadLe32(bytes + 16);
  const int32_t entrySize = ReadLe32(bytes + 20);
  if (blockLength < 0 || static_cast<size_t>(blockLength) != length ||
      ReadLe32(bytes + length - 8) != blockLength || length > kMaxOptionsBlockLength) {
    return OptionsCheck::kBadLength;
  }
  if (version < kOptionsVersion) return OptionsCheck::kBadVersion;
  if (screenCount != trailer.screenCount || screenCount <= 0) {
    return OptionsCheck::kBadScreenCount;
  }
  if (entrySize < kOptionsEntrySize) return OptionsCheck::kBadEntrySize;
  // Version 1 has no fields: the entries fill the block.
  const int64_t fields = int64_t{blockLength} - kFixed - int64_t{screenCount} * entrySize;
  if (fields < 0 || (version < kOptionsFieldsVersion && fields != 0)) {
    return OptionsCheck::kBadLength;
  }
  OptionsBlock block;
  block.flags = flags & (kOptionShuffle | kOptionDifferentMonitors);
  block.entries.resize(static_cast<size_t>(screenCount));
  const unsigned char* p = bytes + kOptionsHeaderSize;
  for (RecordOptions& e : block.entries) {
    e.transitionMs = ReadLe32(p);
    e.pictureWidth = ReadLe32(p + 4);
    e.pictureHeight = ReadLe32(p + 8);
    e.subjectLeft = ReadLe32(p + 12);
    e.subjectTop = ReadLe32(p + 16);
    e.subjectRight = ReadLe32(p + 20);
    e.subjectBottom = ReadLe32(p + 24);
    if (!EntryInRange(e, trailer)) return OptionsCheck::kBadEntry;
    p += entrySize;
  }
  if (!ParseFields(p, fields, block)) return OptionsCheck::kBadField;
  out = std::move(block);
  return OptionsCheck::kOk;
}

std::vector<unsigned char> WriteOptionsBlock(const OptionsBlock& options,
                                             const PackageTrailer& trailer) {
  const size_t count = options.entries.size();
  const size_t language = options.language.size();
  const size_t fields =
      language ? kOptionsFieldHeaderSize + static_cast<size_t>(Padded(int64_t(language))) : 0;
  const size_t length =
      kOptionsHeaderSize + count * kOptionsEntrySize + fields + kOptionsFooterSize;
  std::vector<unsigned char> bytes(length);
  unsigned char* p = bytes.data();
  std::memcpy(p, kOptionsMagic, 4);
  WriteLe32(p + 4, static_cast<int32_t>(length));
  WriteLe32(p + 8, fields ? kOptionsFieldsVersion : kOptionsVersion);
  WriteLe32(p + 12, options.flags);
  WriteLe32(p + 16, static_cast<int32_t>(count));
  WriteLe32(p + 20, kOptionsEntrySize);
  p += kOptionsHeaderSize;
  for (const RecordOptions& e : options.entries) {
    WriteLe32(p, e.transitionMs);
    WriteLe32(p + 4, e.pictureWidth > 0 ? e.pictureWidth : trailer.width);
    WriteLe32(p + 8, e.pictureHeight > 0 ? e.pictureHeight : trailer.height);
    WriteLe32(p + 12, e.subjectLeft);
    WriteLe32(p + 16, e.subjectTop);
    WriteLe32(p + 20, e.subjectRight);
    WriteLe32(p + 24, e.subjectBottom);
    p += kOptionsEntrySize;
  }
  if (fields) {
    std::memcpy(p, kFieldLanguage, 4);
    WriteLe32(p + 4, static_cast<int32_t>(language));
    std::memcpy(p + kOptionsFieldHeaderSize, options.language.data(), language);
    p += fields;
  }
  WriteLe32(p, static_cast<int32_t>(length));
  std::memcpy(p + 4, kOptionsEndMagic, 4);
  return bytes;
}

}  // namespace lmvengine
