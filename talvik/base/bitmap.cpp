#include "base/bitmap.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace talvik {

namespace {
thread_local const char* g_last_create_error = "";

// Large pictures get their own mapping, asking for huge pages: fresh pages
// come zeroed from the system, and a 48 MB picture costs a few dozen page
// faults instead of twelve thousand. Small ones come from the heap.
constexpr std::size_t kSeuilMapping = std::size_t(1) << 20;

std::uint32_t* AllouePixels(std::size_t octets, bool zero) {
  if (octets >= kSeuilMapping) {
    void* p = ::mmap(nullptr, octets, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
    ::madvise(p, octets, MADV_HUGEPAGE);
#endif
    return static_cast<std::uint32_t*>(p);
  }
  void* p = zero ? std::calloc(octets, 1) : std::malloc(octets);
  return static_cast<std::uint32_t*>(p);
}
}  // namespace

void Bitmap::LiberePixels::operator()(std::uint32_t* p) const {
  if (!p) return;
  if (octets >= kSeuilMapping) ::munmap(p, octets);
  else std::free(p);
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
  const std::size_t octets = std::size_t(width) * std::size_t(height) * sizeof(std::uint32_t);
  data->pixels = std::unique_ptr<std::uint32_t[], LiberePixels>(AllouePixels(octets, zero),
                                                                 LiberePixels{octets});
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

void Bitmap::Detache() { *this = Clone(); }

Bitmap Bitmap::Clone() const {
  if (!data_) return {};
  Bitmap b = Allocate(Width(), Height(), false);
  if (b) std::copy_n(Pixels(), PixelCount(), b.Pixels());
  return b;
}

}  // namespace talvik
