#include "jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace lmvengine {
namespace {

constexpr size_t kSourceBufferSize = 4096;

// Data source that hands the decoder at most `remaining` bytes, from a
// stream or from memory. When the bytes run out it inserts an end marker,
// as the library's stdio source does at the end of a file; with no byte at
// all it is a fatal "empty input".
struct BoundedSource {
  jpeg_source_mgr pub;
  std::istream* stream;        // null when reading from memory
  const unsigned char* memory;
  int64_t remaining;           // bytes still allowed
  bool startOfFile;
  JOCTET buffer[kSourceBufferSize];
};

void InitSource(j_decompress_ptr cinfo) {
  reinterpret_cast<BoundedSource*>(cinfo->src)->startOfFile = true;
}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
  auto* src = reinterpret_cast<BoundedSource*>(cinfo->src);
  size_t want = static_cast<size_t>(std::min<int64_t>(src->remaining, kSourceBufferSize));
  size_t got = 0;
  if (want > 0) {
    if (src->stream) {
      src->stream->read(reinterpret_cast<char*>(src->buffer), static_cast<std::streamsize>(want));
      got = static_cast<size_t>(src->stream->gcount());
    } else {
      std::memcpy(src->buffer, src->memory, want);
      src->memory += want;
      got = want;
    }
    src->remaining -= static_cast<int64_t>(got);
  }
  if (got == 0) {
    if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
    WARNMS(cinfo, JWRN_JPEG_EOF);
    src->buffer[0] = 0xFF;
    src->buffer[1] = JPEG_EOI;
    got = 2;
    src->remaining = 0;
  }
  src->pub.next_input_byte = src->buffer;
  src->pub.bytes_in_buffer = got;
  src->startOfFile = false;
  return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
  auto* src = reinterpret_cast<BoundedSource*>(cinfo->src);
  if (count <= 0) return;
  while (count > static_cast<long>(src->pub.bytes_in_buffer)) {
    count -= static_cast<long>(src->pub.bytes_in_buffer);
    FillInputBuffer(cinfo);
  }
  src->pub.next_input_byte += count;
  src->pub.bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

void InitBoundedSource(BoundedSource& src) {
  src.pub.init_source = InitSource;
  src.pub.fill_input_buffer = FillInputBuffer;
  src.pub.skip_input_data = SkipInputData;
  src.pub.resync_to_restart = jpeg_resync_to_restart;
  src.pub.term_source = TermSource;
  src.pub.bytes_in_buffer = 0;
  src.pub.next_input_byte = nullptr;
  src.startOfFile = true;
}

// The standard error manager with its fatal exit replaced: the message is
// formatted and control returns to the recovery point in Decode().
struct RecoveringError {
  jpeg_error_mgr pub;
  std::jmp_buf recovery;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<RecoveringError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->recovery, 1);
}

// Warnings (corrupt data, premature end) are not shown.
void SilentOutput(j_common_ptr) {}

// Makes `buffer` exactly `size` bytes. A buffer that has that size already
// (the previous record's, of the same picture size) is kept as it is: every
// byte is written by the decode.
bool Allocate(PixelBytes& buffer, size_t size) {
  if (buffer.size() == size) return true;
  try {
    buffer.clear();
    buffer.resize(size);
    return true;
  } catch (const std::bad_alloc&) {
    buffer.clear();
    buffer.shrink_to_fit();
    return false;
  }
}

// Runs the decompression. May leave through the recovery point, so nothing
// here owns a resource: the output buffer lives in `out`.
DecodeStatus DecodeBody(jpeg_decompress_struct& cinfo, DecodedImage& out) {
  jpeg_read_header(&cinfo, TRUE);
  // Colour and grey pictures are decoded straight into the output rows, in
  // red-green-blue (the library turns grey into three equal bytes); other
  // component counts are read through a line buffer and give zero rows.
  const bool direct = cinfo.num_components == 3 || cinfo.num_components == 1;
  if (cinfo.num_components == 1) cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  const int components = cinfo.output_components;
  const int64_t pixels = int64_t{width} * height;
  if (pixels <= 0 || pixels > kMaxDecodedPixels ||
      !Allocate(out.rgb, static_cast<size_t>(pixels) * 3)) {
    return DecodeStatus::kOutOfMemory;
  }
  out.width = width;
  out.height = height;
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  if (direct && components == 3) {
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
      const JDIMENSION first = cinfo.output_scanline;
      const JDIMENSION n = std::min<JDIMENSION>(16, cinfo.output_height - first);
      for (JDIMENSION i = 0; i < n; ++i) rows[i] = out.rgb.data() + (first + i) * rowBytes;
      if (jpeg_read_scanlines(&cinfo, rows, n) == 0) break;
    }
    // Rows the decoder did not deliver are black, not what the buffer held.
    std::fill(out.rgb.begin() + static_cast<std::ptrdiff_t>(cinfo.output_scanline * rowBytes),
              out.rgb.end(), static_cast<unsigned char>(0));
  } else {
    std::fill(out.rgb.begin(), out.rgb.end(), static_cast<unsigned char>(0));
    JSAMPARRAY line = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                 JPOOL_IMAGE,
                                                 static_cast<JDIMENSION>(width * components), 1);
    while (cinfo.output_scanline < cinfo.output_height) {
      if (jpeg_read_scanlines(&cinfo, line, 1) == 0) break;
    }
  }
  jpeg_finish_decompress(&cinfo);
  return DecodeStatus::kOk;
}

DecodeResult Decode(BoundedSource& src, DecodedImage& out) {
  // The pixel buffer is kept for reuse; the size says there is no picture yet.
  out.width = 0;
  out.height = 0;
  jpeg_decompress_struct cinfo;
  RecoveringError err;
  err.message[0] = '\0';
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  err.pub.output_message = SilentOutput;
  if (setjmp(err.recovery)) {
    jpeg_destroy_decompress(&cinfo);
    out = DecodedImage{};
    return DecodeResult{DecodeStatus::kFatal, err.message};
  }
  jpeg_create_decompress(&cinfo);
  InitBoundedSource(src);
  cinfo.src = &src.pub;
  DecodeStatus status = DecodeBody(cinfo, out);
  jpeg_destroy_decompress(&cinfo);
  if (status != DecodeStatus::kOk) {
    out = DecodedImage{};
    return DecodeResult{status, kMessageJpegOutOfMemory};
  }
  return DecodeResult{DecodeStatus::kOk, {}};
}

}  // namespace

DecodeResult DecodeJpeg(std::istream& in, int64_t length, DecodedImage& out) {
  BoundedSource src;
  src.stream = &in;
  src.memory = nullptr;
  src.remaining = std::max<int64_t>(length, 0);
  return Decode(src, out);
}

DecodeResult DecodeJpegMemory(const unsigned char* data, size_t length, DecodedImage& out) {
  BoundedSource src;
  src.stream = nullptr;
  src.memory = data;
  src.remaining = data ? static_cast<int64_t>(length) : 0;
  return Decode(src, out);
}

}  // namespace lmvengine
