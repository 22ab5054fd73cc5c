#include "base/bitmap.h"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

namespace talvik {

namespace {
thread_local const char* g_last_create_error = "";

// Large pictures get their own mapping, asking for huge pages: fresh pages
// come zeroed from the system, and a 48 MB picture costs a few dozen page
// faults instead of twelve thousand. Small ones come from the heap.
constexpr std::size_t kSeuilMapping = std::size_t(1) << 20;

// Mappings released lately, kept for the next pictures of about the same
// size: the rendering of one screen after the other asks for the same
// sizes again, and a kept mapping costs neither page faults nor the
// system's zeroing. At most kBlocsGardes mappings and kOctetsGardes bytes
// are kept; the oldest goes first. The keeper is never destroyed, so that
// pictures released during the program's exit still find it.
class CReserve {
 public:
  static CReserve& Instance() {
    static CReserve* reserve = new CReserve;
    return *reserve;
  }
  // A kept mapping of `octets` to at most a quarter more (its real size in
  // *reel), or nullptr.
  void* Prend(std::size_t octets, std::size_t* reel) {
    std::lock_guard<std::mutex> verrou(mutex_);
    std::size_t meilleur = blocs_.size();
    for (std::size_t i = 0; i < blocs_.size(); ++i) {
      const std::size_t t = blocs_[i].octets;
      if (t >= octets && t - octets <= octets / 4 &&
          (meilleur == blocs_.size() || t < blocs_[meilleur].octets))
        meilleur = i;
    }
    if (meilleur == blocs_.size()) return nullptr;
    void* p = blocs_[meilleur].p;
    *reel = blocs_[meilleur].octets;
    total_ -= *reel;
    blocs_.erase(blocs_.begin() + std::ptrdiff_t(meilleur));
    return p;
  }
  // Keeps the mapping, or returns it to the system when it alone is too large.
  void Rend(void* p, std::size_t octets) {
    if (octets > kOctetsGardes) {
      ::munmap(p, octets);
      return;
    }
    // Called from a deleter: nothing here allocates (blocs_ has its room).
    std::array<Bloc, kBlocsGardes> rendus{};
    std::size_t n = 0;
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      while (!blocs_.empty() &&
             (blocs_.size() >= kBlocsGardes || total_ + octets > kOctetsGardes)) {
        rendus[n++] = blocs_.front();
        total_ -= blocs_.front().octets;
        blocs_.erase(blocs_.begin());
      }
      blocs_.push_back({p, octets});
      total_ += octets;
    }
    for (std::size_t i = 0; i < n; ++i) ::munmap(rendus[i].p, rendus[i].octets);
  }

 private:
  static constexpr std::size_t kBlocsGardes = 8;
  static constexpr std::size_t kOctetsGardes = std::size_t(64) << 20;
  struct Bloc {
    void* p;
    std::size_t octets;
  };
  CReserve() { blocs_.reserve(kBlocsGardes); }
  std::mutex mutex_;
  std::vector<Bloc> blocs_;
  std::size_t total_ = 0;
};

// `*octets` becomes the size of the memory given, which may be more than asked.
std::uint32_t* AllouePixels(std::size_t* octets, bool zero) {
  if (*octets >= kSeuilMapping) {
    if (void* p = CReserve::Instance().Prend(*octets, octets)) {
      if (zero) std::memset(p, 0, *octets);
      return static_cast<std::uint32_t*>(p);
    }
    void* p = ::mmap(nullptr, *octets, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
    ::madvise(p, *octets, MADV_HUGEPAGE);
#endif
    return static_cast<std::uint32_t*>(p);
  }
  void* p = zero ? std::calloc(*octets, 1) : std::malloc(*octets);
  return static_cast<std::uint32_t*>(p);
}
}  // namespace

void Bitmap::LiberePixels::operator()(std::uint32_t* p) const {
  if (!p) return;
  if (octets >= kSeuilMapping) CReserve::Instance().Rend(p, octets);
  else std::free(p);
}

const char* Bitmap::LastCreateError() { return g_last_create_error; }

void Bitmap::SetLastCreateError(const char* why) { g_last_create_error = why ? why : ""; }

bool Bitmap::FitsBudget(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) {
    g_last_create_error = "Invalid picture size";
    return false;
  }
  // Compared without multiplying: both sizes may be near 2^32.
  if (width > kMaxPixels || height > kMaxPixels / width) {
    g_last_create_error = "Picture too large (more than 134217728 pixels)";
    return false;
  }
  return true;
}

Bitmap Bitmap::Create(int width, int height) { return Allocate(width, height, true); }

Bitmap Bitmap::CreateUninitialized(int width, int height) {
  return Allocate(width, height, false);
}

Bitmap Bitmap::Allocate(int width, int height, bool zero) {
  g_last_create_error = "";
  if (!FitsBudget(width, height)) return {};
  Bitmap b;
  auto data = std::make_shared<Data>();
  data->width = width;
  data->height = height;
  std::size_t octets = std::size_t(width) * std::size_t(height) * sizeof(std::uint32_t);
  std::uint32_t* pixels = AllouePixels(&octets, zero);
  data->pixels = std::unique_ptr<std::uint32_t[], LiberePixels>(pixels, LiberePixels{octets});
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
