// The player's drawing surface on a Win32 window: the next screen as a
// device-dependent bitmap made from a 24-bit device-independent
// description, drawn with BitBlt and StretchBlt (COLORONCOLOR, HALFTONE for
// the smooth stretch of a screen drawn at another size) from a memory
// device context; the frames of the moving effects are set as they are.
#pragma once

#include <windows.h>

#include "platform.h"

namespace lmvengine::win32 {

class GdiSurface : public Surface {
 public:
  GdiSurface() = default;
  ~GdiSurface() override;
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  // The window drawn on; blits are skipped while it is null or gone.
  void SetWindow(HWND window) { window_ = window; }

  // Converts the rows (red/blue swapped, flipped, padded) and creates a
  // bitmap compatible with the screen from them. The previous picture is
  // deleted first. False, with no picture, when conversion or creation fails.
  bool SetPicture(const DecodedImage& image) override;
  void DropPicture() override;

  // Takes the window's device context and a memory context holding the
  // picture, and sets the COLORONCOLOR stretching mode.
  void BeginDraw() override;
  // Restores and releases both contexts.
  void EndDraw() override;
  // Clips the window context's drawing to `area` until the next call.
  void SetArea(const Rect& area) override;
  // BitBlt (copy) or StretchBlt (stretch) with SRCCOPY, clipped to the
  // picture; does nothing outside BeginDraw/EndDraw or without a picture.
  void Blit(const BlitStep& step) override;
  // SetDIBitsToDevice of the frame's 32-bit top-down rows.
  void PresentFrame(const Raster& frame, int x, int y) override;

 private:
  HWND window_ = nullptr;
  HBITMAP picture_ = nullptr;  // the next screen, owned
  int pictureWidth_ = 0;       // its decoded size, pixels
  int pictureHeight_ = 0;
  HDC windowDc_ = nullptr;     // between BeginDraw and EndDraw
  HDC memoryDc_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;  // of the memory context
};

}  // namespace lmvengine::win32
