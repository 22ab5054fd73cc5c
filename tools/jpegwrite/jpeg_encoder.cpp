#include "jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <jpeglib.h>

namespace lmvtools {
namespace {

struct RecoveringError {
  jpeg_error_mgr pub;
  std::jmp_buf recovery;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<RecoveringError*>(cinfo->err)->recovery, 1);
}

// Compression into a buffer owned by libjpeg (freed by the caller with
// free()). Nothing here owns a C++ resource, so the error exit may leave it.
bool Compress(jpeg_compress_struct& cinfo, const unsigned char* pixels, int width, int height,
              int components, int quality, unsigned char** out, unsigned long* size) {
  jpeg_mem_dest(&cinfo, out, size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  const size_t stride = static_cast<size_t>(width) * components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels + cinfo.next_scanline * stride);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

}  // namespace

std::vector<unsigned char> EncodeJpeg(const std::vector<unsigned char>& pixels, int width,
                                      int height, int components, int quality) {
  std::vector<unsigned char> result;
  if (width < 1 || height < 1 || width > 65500 || height > 65500) return result;
  if (components != 1 && components != 3) return result;
  if (pixels.size() != static_cast<size_t>(width) * height * components) return result;
  jpeg_compress_struct cinfo;
  RecoveringError err;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  if (setjmp(err.recovery)) {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return {};
  }
  jpeg_create_compress(&cinfo);
  Compress(cinfo, pixels.data(), width, height, components, quality, &buffer, &size);
  jpeg_destroy_compress(&cinfo);
  if (buffer) result.assign(buffer, buffer + size);
  std::free(buffer);
  return result;
}

bool WriteFileBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace lmvtools
