// JPEG decoding of one screen record with libjpeg, and the conversion of the
// decoded rows into the 24-bit bottom-up rows a device-independent bitmap
// takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace lmvengine {

// An allocator that leaves bytes made without a value as they are. Pixel
// buffers are written whole by their producer: zeroing a 3840x2160
// picture's 25 MB first would cost about a fifth of its decoding.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitializedAllocator<U>;
  };
  UninitializedAllocator() = default;
  template <typename U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

// Bytes of a picture; resize() does not zero them.
using PixelBytes = std::vector<unsigned char, UninitializedAllocator<unsigned char>>;

// Decoded picture: width x height pixels, rows top-down, each row width * 3
// bytes without padding, bytes red, green, blue.
struct DecodedImage {
  int width = 0;
  int height = 0;
  PixelBytes rgb;  // width * height * 3 bytes
  bool Empty() const { return rgb.empty(); }
};

// Why a decode produced no pixels.
enum class DecodeStatus {
  kOk,
  kFatal,        // the decoder gave up: damaged, truncated or not a JPEG
  kOutOfMemory,  // the output buffer could not be had
};

struct DecodeResult {
  DecodeStatus status = DecodeStatus::kFatal;
  std::string message;  // the decoder's own text for kFatal
};

// Largest picture decoded, in pixels; a larger one is treated as out of memory.
inline constexpr int64_t kMaxDecodedPixels = int64_t{1} << 28;

// Most scans a JPEG may have: progressive scripts use about ten, the most
// finely split a few dozen. Every scan is a pass over the whole picture, and
// an empty one costs a few bytes, so a small record of thousands of them
// would keep the player busy for minutes with input not handled.
inline constexpr int kMaxScans = 100;

// What a record's picture may be: a package's pictures are all of its
// trailer's size, so a larger one is damage, refused before anything is
// allocated for it.
struct DecodeLimits {
  int maxWidth = 1 << 30;
  int maxHeight = 1 << 30;
};

// Bytes read from a stream at a time. libjpeg decodes a group of blocks with
// its fast Huffman path only while a few kB (512 bytes per block of the
// group) stay in the buffer, and with a slower, byte-checking path near the
// end of every buffer: with blocks of a few kB most of a picture would take
// the slow path. Memory is handed to the decoder whole.
inline constexpr size_t kStreamReadBlock = 256 * 1024;

// Texts of the refusals of the player's own (the decoder's own texts are
// used otherwise).
inline constexpr const char* kMessageTooLarge = "Picture larger than the screens of the package";
inline constexpr const char* kMessageTooManyScans = "Too many scans in the JPEG data";

// Decodes the JPEG held in the next `length` bytes of `in` (from its current
// read position) into `out`. Never reads more than `length` bytes. Data that
// ends before the picture does (the bytes run out, or the picture's data
// runs into a marker that ends it) fails as a fatal error ("Premature end of
// JPEG file"), as does a picture beyond `limits` or of more than kMaxScans
// scans, refused before its pixels are made. Colour (3 components) is
// copied as is, greyscale (1 component) gives grey pixels, any other
// component count leaves the rows zero. On failure `out` is left empty. The
// stream position afterwards is unspecified: the caller repositions it from
// the record's imageLength.
DecodeResult DecodeJpeg(std::istream& in, int64_t length, DecodedImage& out,
                        DecodeLimits limits = {});

// Same, from memory.
DecodeResult DecodeJpegMemory(const unsigned char* data, size_t length, DecodedImage& out,
                              DecodeLimits limits = {});

// Message texts and captions of the decoding failures.
inline constexpr const char* kCaptionJpegFatal = "JPEG Fatal Error";
inline constexpr const char* kMessageJpegOutOfMemory = "JpegFile :\nOut of memory";
inline constexpr const char* kCaptionJpegOutOfMemory = "Error JPEG";

// Bytes per row of 24-bit device-independent rows: width * 3 rounded up to
// a multiple of 4 (641 -> 1924, 640 -> 1920).
int DeviceRowStride(int width);

// Device-independent rows: blue, green, red per pixel, rows bottom-up (the
// picture's last row first), each row padded to DeviceRowStride(width);
// padding bytes are zero.
struct DeviceRows {
  int width = 0;
  int height = 0;
  int stride = 0;
  PixelBytes bits;  // stride * height bytes
};

// Swaps red and blue, flips the rows (row i with row height-1-i; the middle
// row of an odd height stays) and pads them. Returns false and leaves `out`
// empty when `image` is empty or the buffer cannot be had.
bool ToDeviceRows(const DecodedImage& image, DeviceRows& out);

}  // namespace lmvengine
