#include "x_surface.h"

#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace lmvx11 {
namespace {

// X errors while the shared memory is attached: a display on another
// machine refuses it.
bool g_attachFailed = false;
int NoteAttachError(Display*, XErrorEvent*) {
  g_attachFailed = true;
  return 0;
}

bool HostIsLittleEndian() {
  const uint32_t one = 1;
  unsigned char first;
  std::memcpy(&first, &one, 1);
  return first == 1;
}

// Scales an 8-bit channel into the bits of `mask`.
unsigned long Channel(uint32_t value, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  int bits = 0;
  while ((mask >> (shift + bits)) & 1) ++bits;
  unsigned long v = bits >= 8 ? (static_cast<unsigned long>(value) << (bits - 8))
                              : (static_cast<unsigned long>(value) >> (8 - bits));
  return (v << shift) & mask;
}

}  // namespace

XSurface::XSurface(Display* display, Window window, int width, int height)
    : display_(display), window_(window) {
  mirror_ = lmvengine::MakeRaster(width, height, lmvengine::kClassBackground);
  if (mirror_.pixels.empty()) return;
  XWindowAttributes wa;
  if (!XGetWindowAttributes(display_, window_, &wa)) return;
  Visual* visual = wa.visual;
  redMask_ = visual->red_mask;
  greenMask_ = visual->green_mask;
  blueMask_ = visual->blue_mask;
  const int depth = wa.depth;
  // Bits per pixel of the ZPixmap format at this depth.
  int bpp = 32;
  int count = 0;
  if (XPixmapFormatValues* formats = XListPixmapFormats(display_, &count)) {
    for (int i = 0; i < count; ++i) {
      if (formats[i].depth == depth) bpp = formats[i].bits_per_pixel;
    }
    XFree(formats);
  }
  if (AttachSharedImage(visual, depth, width, height)) {
    FinishSetup();
    return;
  }
  const int pad = bpp > 16 ? 32 : (bpp > 8 ? 16 : 8);
  const size_t stride = ((static_cast<size_t>(width) * bpp + pad - 1) / pad) * (pad / 8);
  char* data = static_cast<char*>(std::calloc(stride * static_cast<size_t>(height), 1));
  if (!data) return;
  image_ = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0, data,
                        static_cast<unsigned>(width), static_cast<unsigned>(height), pad,
                        static_cast<int>(stride));
  if (!image_) {
    std::free(data);
    return;
  }
  FinishSetup();
}

bool XSurface::AttachSharedImage(Visual* visual, int depth, int width, int height) {
  if (!XShmQueryExtension(display_)) return false;
  XImage* image = XShmCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, nullptr,
                                  &shm_, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height));
  if (!image) return false;
  shm_.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * image->height,
                      IPC_CREAT | 0600);
  if (shm_.shmid < 0) {
    XDestroyImage(image);
    return false;
  }
  void* at = shmat(shm_.shmid, nullptr, 0);
  if (at == reinterpret_cast<void*>(-1)) {
    shmctl(shm_.shmid, IPC_RMID, nullptr);
    XDestroyImage(image);
    return false;
  }
  shm_.shmaddr = image->data = static_cast<char*>(at);
  shm_.readOnly = False;
  XSync(display_, False);
  g_attachFailed = false;
  auto* previous = XSetErrorHandler(NoteAttachError);
  const bool attached = XShmAttach(display_, &shm_) && (XSync(display_, False), !g_attachFailed);
  XSetErrorHandler(previous);
  // Removed now, the segment goes when both sides let it go.
  shmctl(shm_.shmid, IPC_RMID, nullptr);
  if (!attached) {
    XDestroyImage(image);
    shmdt(at);
    return false;
  }
  image_ = image;
  shared_ = true;
  return true;
}

void XSurface::FinishSetup() {
  directPixels_ = image_->bits_per_pixel == 32 && redMask_ == 0xFF0000 &&
                  greenMask_ == 0xFF00 && blueMask_ == 0xFF &&
                  (image_->byte_order == LSBFirst) == HostIsLittleEndian();
  gc_ = XCreateGC(display_, window_, 0, nullptr);
}

XSurface::~XSurface() {
  if (gc_) XFreeGC(display_, gc_);
  if (shared_) {
    XShmDetach(display_, &shm_);
    XDestroyImage(image_);
    shmdt(shm_.shmaddr);
  } else if (image_) {
    XDestroyImage(image_);  // frees the pixel data too
  }
}

bool XSurface::SetPicture(const lmvengine::DecodedImage& image) {
  picture_ = lmvengine::RasterFromImage(image);
  return !picture_.pixels.empty();
}

void XSurface::DropPicture() { picture_ = lmvengine::Raster{}; }

void XSurface::Blit(const lmvengine::BlitStep& step) {
  if (!image_ || picture_.pixels.empty()) return;
  lmvengine::BlitRaster(picture_, step, mirror_);
  const int x0 = std::max(step.dest.x, 0);
  const int y0 = std::max(step.dest.y, 0);
  const int x1 = static_cast<int>(std::min<int64_t>(int64_t{step.dest.x} + step.dest.w, mirror_.width));
  const int y1 = static_cast<int>(std::min<int64_t>(int64_t{step.dest.y} + step.dest.h, mirror_.height));
  if (x0 < x1 && y0 < y1) Send(x0, y0, x1 - x0, y1 - y0);
  XFlush(display_);
}

void XSurface::PresentFrame(const lmvengine::Raster& frame, int x, int y) {
  if (!image_ || frame.pixels.empty()) return;
  const int x0 = std::max(x, 0);
  const int y0 = std::max(y, 0);
  const int x1 = static_cast<int>(std::min<int64_t>(int64_t{x} + frame.width, mirror_.width));
  const int y1 = static_cast<int>(std::min<int64_t>(int64_t{y} + frame.height, mirror_.height));
  if (x0 >= x1 || y0 >= y1) return;
  // Straight into the image when it holds our pixels: a frame is copied
  // once on its way to the server.
  for (int row = y0; row < y1; ++row) {
    uint32_t* to = directPixels_
                       ? reinterpret_cast<uint32_t*>(image_->data +
                                                     static_cast<size_t>(row) * image_->bytes_per_line)
                       : mirror_.pixels.data() + static_cast<size_t>(row) * mirror_.width;
    std::memcpy(to + x0, frame.pixels.data() + static_cast<size_t>(row - y) * frame.width + (x0 - x),
                static_cast<size_t>(x1 - x0) * 4);
  }
  if (directPixels_) {
    Put(x0, y0, x1 - x0, y1 - y0);
  } else {
    Send(x0, y0, x1 - x0, y1 - y0);
  }
  XFlush(display_);
}

void XSurface::EndDraw() { XSync(display_, False); }

void XSurface::Send(int x, int y, int w, int h) {
  for (int row = y; row < y + h; ++row) {
    const uint32_t* from = mirror_.pixels.data() + static_cast<size_t>(row) * mirror_.width;
    if (directPixels_) {
      auto* to = reinterpret_cast<uint32_t*>(image_->data + static_cast<size_t>(row) * image_->bytes_per_line);
      std::memcpy(to + x, from + x, static_cast<size_t>(w) * 4);
    } else {
      for (int col = x; col < x + w; ++col) {
        const uint32_t p = from[col];
        XPutPixel(image_, col, row,
                  Channel((p >> 16) & 0xFF, redMask_) | Channel((p >> 8) & 0xFF, greenMask_) |
                      Channel(p & 0xFF, blueMask_));
      }
    }
  }
  Put(x, y, w, h);
}

void XSurface::Put(int x, int y, int w, int h) {
  if (shared_) {
    // The server reads the pixels where they are; done before they change.
    XShmPutImage(display_, window_, gc_, image_, x, y, x, y, static_cast<unsigned>(w),
                 static_cast<unsigned>(h), False);
    XSync(display_, False);
  } else {
    XPutImage(display_, window_, gc_, image_, x, y, x, y, static_cast<unsigned>(w),
              static_cast<unsigned>(h));
  }
}

}  // namespace lmvx11
