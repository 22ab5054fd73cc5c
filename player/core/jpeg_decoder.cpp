#include "jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace lmvengine {
namespace {

// Data source that hands the decoder at most `remaining` bytes, from a
// stream (through a buffer of kStreamReadBlock bytes) or from memory (the
// bytes themselves, all at once, not copied). When the bytes run out it
// inserts an end marker, as the library's stdio source does at the end of a
// file; with no byte at all it is a fatal "empty input".
struct BoundedSource {
  jpeg_source_mgr pub;
  std::istream* stream;        // null when reading from memory
  const unsigned char* memory;
  int64_t remaining;           // bytes still allowed
  bool startOfFile;
  JOCTET* buffer;              // up to kStreamReadBlock bytes, for a stream
  JOCTET endMarker[2];
};

void InitSource(j_decompress_ptr cinfo) {
  reinterpret_cast<BoundedSource*>(cinfo->src)->startOfFile = true;
}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
  auto* src = reinterpret_cast<BoundedSource*>(cinfo->src);
  const JOCTET* next = src->buffer;
  size_t got = 0;
  if (src->remaining > 0) {
    if (src->stream) {
      const size_t want = static_cast<size_t>(
          std::min<int64_t>(src->remaining, static_cast<int64_t>(kStreamReadBlock)));
      src->stream->read(reinterpret_cast<char*>(src->buffer), static_cast<std::streamsize>(want));
      got = static_cast<size_t>(src->stream->gcount());
    } else {
      next = src->memory;
      got = static_cast<size_t>(src->remaining);
      src->memory += got;
    }
    src->remaining -= static_cast<int64_t>(got);
  }
  if (got == 0) {
    if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
    WARNMS(cinfo, JWRN_JPEG_EOF);
    src->endMarker[0] = 0xFF;
    src->endMarker[1] = JPEG_EOI;
    next = src->endMarker;
    got = 2;
    src->remaining = 0;
  }
  src->pub.next_input_byte = next;
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
  const char* reason;     // a refusal of ours, shown instead of the decoder's text
  bool endedEarly;        // the data ended before the picture did
  jpeg_progress_mgr progress;  // the scan limit
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<RecoveringError*>(cinfo->err);
  if (err->reason) {
    std::snprintf(err->message, sizeof err->message, "%s", err->reason);
  } else {
    (*cinfo->err->format_message)(cinfo, err->message);
  }
  std::longjmp(err->recovery, 1);
}

// Warnings (corrupt data, premature end) are not shown.
void SilentOutput(j_common_ptr) {}

// Whether a warning says that the data ended before the picture did: the
// bytes ran out, or the picture's data runs into a marker that ends it (the
// end of the image, a byte pair that is no marker, or, when one scan holds
// the whole picture, anything but a restart marker). The decoder would go
// on with blank blocks down to the last row; the player refuses the record.
// A restart marker met early is damage the decoder recovers from, and in a
// picture of several scans a table or the next scan may follow.
bool EndsEarly(j_common_ptr cinfo) {
  const int code = cinfo->err->msg_code;
  if (code == JWRN_JPEG_EOF) return true;
  if (code != JWRN_HIT_MARKER || !cinfo->is_decompressor) return false;
  const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  const int m = d->unread_marker;
  if (m >= 0xD0 && m <= 0xD7) return false;  // RSTn
  if (!d->progressive_mode && d->comps_in_scan == d->num_components) return true;
  const bool scanFollows = m == 0xDA || m == 0xC4 || m == 0xDB || m == 0xDD || m == 0xCC ||
                           m == 0xDC || m == 0xFE || (m >= 0xE0 && m <= 0xEF);
  return !scanFollows;
}

void EmitMessage(j_common_ptr cinfo, int level) {
  auto* err = reinterpret_cast<RecoveringError*>(cinfo->err);
  if (level < 0 && EndsEarly(cinfo)) err->endedEarly = true;
}

// Stops the decoding past kMaxScans scans, and as soon as the data has
// ended early while the decoder takes in a progressive picture's scans.
void MonitorProgress(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<RecoveringError*>(cinfo->err);
  const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) {
    err->reason = kMessageTooManyScans;
    (*cinfo->err->error_exit)(cinfo);
  }
  if (err->endedEarly) ERREXIT(cinfo, JERR_INPUT_EOF);
}

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
DecodeStatus DecodeBody(jpeg_decompress_struct& cinfo, DecodedImage& out,
                        const DecodeLimits& limits) {
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.image_width > static_cast<JDIMENSION>(std::max(limits.maxWidth, 0)) ||
      cinfo.image_height > static_cast<JDIMENSION>(std::max(limits.maxHeight, 0))) {
    reinterpret_cast<RecoveringError*>(cinfo.err)->reason = kMessageTooLarge;
    (*cinfo.err->error_exit)(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  // Colour and grey pictures are decoded straight into the output rows, in
  // red-green-blue (the library turns grey into three equal bytes); other
  // component counts are read through a line buffer and give zero rows.
  const RecoveringError& err = *reinterpret_cast<RecoveringError*>(cinfo.err);
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
      if (err.endedEarly) ERREXIT(&cinfo, JERR_INPUT_EOF);
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
      if (err.endedEarly) ERREXIT(&cinfo, JERR_INPUT_EOF);
    }
  }
  if (err.endedEarly || cinfo.output_scanline < cinfo.output_height)
    ERREXIT(&cinfo, JERR_INPUT_EOF);
  jpeg_finish_decompress(&cinfo);
  return DecodeStatus::kOk;
}

DecodeResult Decode(BoundedSource& src, DecodedImage& out, const DecodeLimits& limits) {
  // The pixel buffer is kept for reuse; the size says there is no picture yet.
  out.width = 0;
  out.height = 0;
  jpeg_decompress_struct cinfo;
  RecoveringError err;
  err.message[0] = '\0';
  err.reason = nullptr;
  err.endedEarly = false;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  err.pub.output_message = SilentOutput;
  err.pub.emit_message = EmitMessage;
  err.progress.progress_monitor = MonitorProgress;
  if (setjmp(err.recovery)) {
    jpeg_destroy_decompress(&cinfo);
    out = DecodedImage{};
    return DecodeResult{DecodeStatus::kFatal, err.message};
  }
  jpeg_create_decompress(&cinfo);
  InitBoundedSource(src);
  cinfo.src = &src.pub;
  cinfo.progress = &err.progress;
  DecodeStatus status = DecodeBody(cinfo, out, limits);
  jpeg_destroy_decompress(&cinfo);
  if (status != DecodeStatus::kOk) {
    out = DecodedImage{};
    return DecodeResult{status, kMessageJpegOutOfMemory};
  }
  return DecodeResult{DecodeStatus::kOk, {}};
}

}  // namespace

DecodeResult DecodeJpeg(std::istream& in, int64_t length, DecodedImage& out,
                        DecodeLimits limits) {
  BoundedSource src;
  src.stream = &in;
  src.memory = nullptr;
  src.remaining = std::max<int64_t>(length, 0);
  // A short record needs no more buffer than its own length.
  const size_t bufferSize = static_cast<size_t>(
      std::clamp<int64_t>(src.remaining, 1, static_cast<int64_t>(kStreamReadBlock)));
  std::unique_ptr<JOCTET[]> buffer(new (std::nothrow) JOCTET[bufferSize]);
  if (!buffer) {
    out = DecodedImage{};
    return DecodeResult{DecodeStatus::kOutOfMemory, kMessageJpegOutOfMemory};
  }
  src.buffer = buffer.get();
  return Decode(src, out, limits);
}

DecodeResult DecodeJpegMemory(const unsigned char* data, size_t length, DecodedImage& out,
                              DecodeLimits limits) {
  BoundedSource src;
  src.stream = nullptr;
  src.buffer = nullptr;
  src.memory = data;
  src.remaining = data ? static_cast<int64_t>(length) : 0;
  return Decode(src, out, limits);
}

}  // namespace lmvengine
