#include "base/bitmap.h"

#include <algorithm>
#include <new>

namespace talvik {

namespace {
thread_local const char* g_last_create_error = "";
}

const char* Bitmap::LastCreateError() { return g_last_create_error; }

Bitmap Bitmap::Create(int width, int height) { return Allocate(width, height, true); }

Bitmap Bitmap::CreateUninitialized(int width, int height) {
  return Allocate(width, height, false);
}

Bitmap Bitmap::Allocate(int width, int height, bool zero) {
  g_last_create_error = "";
  if (width <= 0 || height <= 0) {
    g_last_create_error = "Invalid picture size";
    return {};
  }
  if (std::int64_t(width) * std::int64_t(height) > kMaxPixels) {
    g_last_create_error = "Picture too large (more than 268435456 pixels)";
    return {};
  }
  Bitmap b;
  auto data = std::make_shared<Data>();
  data->width = width;
  data->height = height;
  const std::size_t n = std::size_t(width) * std::size_t(height);
  data->pixels.reset(zero ? new (std::nothrow) std::uint32_t[n]()
                          : new (std::nothrow) std::uint32_t[n]);
  if (!data->pixels) {
    g_last_create_error = "Out of memory";
    return {};
  }
  b.data_ = std::move(data);
  return b;
}

Bitmap Bitmap::Create(int width, int height, COLORREF fill) {
  Bitmap b = Allocate(width, height, false);
  if (b) std::fill_n(b.Pixels(), b.PixelCount(), PixelFromColor(fill));
  return b;
}

COLORREF Bitmap::GetPixel(int x, int y) const {
  if (!data_ || x < 0 || y < 0 || x >= data_->width || y >= data_->height) return 0xFFFFFFFFu;
  return ColorFromPixel(Row(y)[x]);
}

void Bitmap::SetPixel(int x, int y, COLORREF c) {
  if (!data_ || x < 0 || y < 0 || x >= data_->width || y >= data_->height) return;
  Row(y)[x] = PixelFromColor(c);
}

Bitmap Bitmap::Clone() const {
  if (!data_) return {};
  Bitmap b = Allocate(Width(), Height(), false);
  if (b) std::copy_n(Pixels(), PixelCount(), b.Pixels());
  return b;
}

}  // namespace talvik
