// The player's Surface on an X11 window: the picture slot is kept as
// pixels, each blit is done in a mirror of the window's contents and the
// changed rectangle is sent: through shared memory (MIT-SHM) where the
// display is on this machine, else with XPutImage.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include "platform.h"
#include "soft_raster.h"

namespace lmvx11 {

class XSurface : public lmvengine::Surface {
 public:
  // Draws on `window` of width x height pixels (the window's own size).
  XSurface(Display* display, Window window, int width, int height);
  ~XSurface() override;
  XSurface(const XSurface&) = delete;
  XSurface& operator=(const XSurface&) = delete;

  // False when the window's mirror or image could not be made.
  bool Ok() const { return image_ != nullptr; }

  bool SetPicture(const lmvengine::DecodedImage& image) override;
  void DropPicture() override;
  void Blit(const lmvengine::BlitStep& step) override;
  void PresentFrame(const lmvengine::Raster& frame, int x, int y) override;
  void EndDraw() override;

 private:
  // Copies rectangle (x, y, w, h) of the mirror into the XImage and sends it.
  void Send(int x, int y, int w, int h);
  // The XImage in memory shared with the server; false when the display
  // has no MIT-SHM or refuses it.
  bool AttachSharedImage(Visual* visual, int depth, int width, int height);
  // The pixel format and the GC, once the image is made.
  void FinishSetup();
  // The image's rectangle to the window.
  void Put(int x, int y, int w, int h);

  Display* display_;
  Window window_;
  GC gc_ = nullptr;
  XImage* image_ = nullptr;        // the window's size, in the visual's format
  bool shared_ = false;            // image_ lives in shm_, sent with XShmPutImage
  XShmSegmentInfo shm_{};
  bool directPixels_ = false;      // 32-bit 0x00RRGGBB in host byte order
  unsigned long redMask_ = 0, greenMask_ = 0, blueMask_ = 0;
  // The designed effects' steps as drawn by us, before they go to the
  // image; moving frames skip it when the image holds our pixel format.
  lmvengine::Raster mirror_;
  lmvengine::Raster picture_;      // the picture slot
};

}  // namespace lmvx11
