// The picture model's bitmap: a shared, reference-counted handle on a
// buffer of 32-bit pixels (bytes blue, green, red, unused; as a 32-bit
// value 0x00RRGGBB). Copying the handle shares the pixels, so returning
// "the input itself" never leads to a double release; the pixels go away
// with the last handle.
//
// Shared pixels are read-only: writing through a handle (the non-const
// Pixels, Row and SetPixel) first gives that handle its own copy when any
// other handle holds the same pixels (copy on write). So a picture that a
// screen keeps in its cache, or that the pattern bank holds, cannot be
// painted over by whoever received a handle on it; a bitmap that only one
// handle holds is written in place, at no cost. Take the pointer from the
// non-const Pixels or Row after the last copy of the handle has been made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "base/wintypes.h"

namespace talvik {

// Largest picture the library accepts, in pixels (2^27, e.g. 16384 x 8192:
// 512 MiB of pixels). Every reader checks a file's declared size against it
// before it allocates anything for that file.
inline constexpr std::int64_t kMaxPixels = std::int64_t(1) << 27;

// Pixel value <-> COLORREF.
constexpr std::uint32_t PixelFromColor(COLORREF c) {
  return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) |
         std::uint32_t(GetBValue(c));
}
constexpr COLORREF ColorFromPixel(std::uint32_t p) {
  return RGB(BYTE((p >> 16) & 0xFF), BYTE((p >> 8) & 0xFF), BYTE(p & 0xFF));
}

class Bitmap {
 public:
  Bitmap() = default;  // the null bitmap

  // A new w x h bitmap, every pixel black. Null when a size is zero or
  // negative, or when w x h exceeds kMaxPixels (the reason is then given
  // by LastCreateError()).
  static Bitmap Create(int width, int height);
  // A new bitmap filled with one colour.
  static Bitmap Create(int width, int height, COLORREF fill);
  // As Create, but the pixels are left unset: for operations that write
  // every pixel of their result right away (saves one pass over memory).
  static Bitmap CreateUninitialized(int width, int height);

  explicit operator bool() const { return data_ != nullptr; }
  bool IsNull() const { return data_ == nullptr; }

  int Width() const { return data_ ? data_->width : 0; }
  int Height() const { return data_ ? data_->height : 0; }
  // Bits per pixel as the screen reports them: always 32.
  int BitsPixel() const { return data_ ? 32 : 0; }

  // Writable pixels: the handle's own copy when the pixels were shared (a
  // handle whose copy cannot be allocated becomes null: nullptr).
  std::uint32_t* Pixels() {
    if (data_ && data_.use_count() > 1) Detache();
    return data_ ? data_->pixels.get() : nullptr;
  }
  const std::uint32_t* Pixels() const { return data_ ? data_->pixels.get() : nullptr; }
  std::uint32_t* Row(int y) { return Pixels() + std::size_t(y) * std::size_t(Width()); }
  const std::uint32_t* Row(int y) const {
    return Pixels() + std::size_t(y) * std::size_t(Width());
  }
  std::size_t PixelCount() const { return std::size_t(Width()) * std::size_t(Height()); }

  // Pixel access with bounds checks: outside the bitmap GetPixel gives
  // 0xFFFFFFFF (CLR_INVALID) and SetPixel does nothing.
  COLORREF GetPixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF c);

  // A new bitmap with a copy of the pixels (not a shared handle).
  Bitmap Clone() const;

  // Same pixels (handles that have not been written to since one was
  // copied from the other), not same content.
  bool SameAs(const Bitmap& other) const { return data_ == other.data_; }
  long UseCount() const { return data_.use_count(); }
  void Reset() { data_.reset(); }

  // Why the last Create() on this thread returned null ("" when it did not),
  // or why a reader last refused a file (SetLastCreateError).
  static const char* LastCreateError();
  // Records why a picture is refused; `why` must be a string literal.
  static void SetLastCreateError(const char* why);
  // Whether a width x height picture fits kMaxPixels (and both sizes are
  // positive); when not, records why, as Create would. For readers, before
  // they allocate anything for the size a file declares.
  static bool FitsBudget(std::int64_t width, std::int64_t height);

 private:
  static Bitmap Allocate(int width, int height, bool zero);
  // Replaces the shared pixels by a copy that this handle alone holds.
  void Detache();
  // Releases pixel memory from AllouePixels (bitmap.cpp).
  struct LiberePixels {
    std::size_t octets;
    void operator()(std::uint32_t* p) const;
  };
  struct Data {
    int width = 0;
    int height = 0;
    std::unique_ptr<std::uint32_t[], LiberePixels> pixels;
  };
  std::shared_ptr<Data> data_;
};

// The designed name of the picture handle.
using HBITMAP = Bitmap;

}  // namespace talvik
