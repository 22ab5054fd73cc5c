#include "gdi_surface.h"

#include "blit_clip.h"

namespace lmvengine::win32 {

GdiSurface::~GdiSurface() {
  EndDraw();
  DropPicture();
}

bool GdiSurface::SetPicture(const DecodedImage& image) {
  DropPicture();
  DeviceRows rows;
  if (!ToDeviceRows(image, rows)) return false;

  BITMAPINFO info{};
  BITMAPINFOHEADER& header = info.bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);  // 40 bytes
  header.biWidth = rows.width;
  header.biHeight = rows.height;  // positive: rows run bottom-up
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = 0;
  header.biXPelsPerMeter = 0;
  header.biYPelsPerMeter = 0;
  header.biClrUsed = 0;
  header.biClrImportant = 0;

  HDC screen = GetDC(nullptr);
  if (!screen) return false;
  picture_ = CreateDIBitmap(screen, &header, CBM_INIT, rows.bits.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (!picture_) return false;
  pictureWidth_ = rows.width;
  pictureHeight_ = rows.height;
  return true;
}

void GdiSurface::DropPicture() {
  if (picture_) {
    // Never delete a bitmap still selected into the memory context.
    if (memoryDc_) SelectObject(memoryDc_, previousBitmap_);
    DeleteObject(picture_);
    picture_ = nullptr;
    if (memoryDc_) {
      DeleteDC(memoryDc_);
      memoryDc_ = nullptr;
      previousBitmap_ = nullptr;
    }
  }
  pictureWidth_ = 0;
  pictureHeight_ = 0;
}

void GdiSurface::BeginDraw() {
  EndDraw();
  if (!window_ || !IsWindow(window_)) return;
  windowDc_ = GetDC(window_);
  if (!windowDc_) return;
  memoryDc_ = CreateCompatibleDC(windowDc_);
  if (memoryDc_ && picture_) previousBitmap_ = SelectObject(memoryDc_, picture_);
  SetStretchBltMode(windowDc_, COLORONCOLOR);
}

void GdiSurface::EndDraw() {
  if (memoryDc_) {
    if (previousBitmap_) SelectObject(memoryDc_, previousBitmap_);
    DeleteDC(memoryDc_);
  }
  memoryDc_ = nullptr;
  previousBitmap_ = nullptr;
  if (windowDc_) ReleaseDC(window_, windowDc_);
  windowDc_ = nullptr;
}

void GdiSurface::SetArea(const Rect& area) {
  if (!windowDc_) return;
  SelectClipRgn(windowDc_, nullptr);
  IntersectClipRect(windowDc_, area.x, area.y, area.x + area.w, area.y + area.h);
}

void GdiSurface::Blit(const BlitStep& step) {
  if (!windowDc_ || !memoryDc_ || !picture_ || !previousBitmap_) return;
  BlitStep clipped;
  if (!ClipToPicture(step, pictureWidth_, pictureHeight_, clipped)) return;
  if (clipped.stretch) {
    if (step.smooth) {
      SetStretchBltMode(windowDc_, HALFTONE);
      SetBrushOrgEx(windowDc_, 0, 0, nullptr);
    } else {
      SetStretchBltMode(windowDc_, COLORONCOLOR);
    }
    StretchBlt(windowDc_, clipped.dest.x, clipped.dest.y, clipped.dest.w, clipped.dest.h,
               memoryDc_, clipped.source.x, clipped.source.y, clipped.source.w, clipped.source.h,
               SRCCOPY);
  } else {
    BitBlt(windowDc_, clipped.dest.x, clipped.dest.y, clipped.dest.w, clipped.dest.h, memoryDc_,
           clipped.source.x, clipped.source.y, SRCCOPY);
  }
}

void GdiSurface::PresentFrame(const Raster& frame, int x, int y) {
  if (!windowDc_ || frame.pixels.empty()) return;
  BITMAPINFO info{};
  BITMAPINFOHEADER& header = info.bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = frame.width;
  header.biHeight = -frame.height;  // negative: rows run top-down
  header.biPlanes = 1;
  header.biBitCount = 32;           // 0x00RRGGBB in memory is blue, green, red, 0
  header.biCompression = BI_RGB;
  SetDIBitsToDevice(windowDc_, x, y, static_cast<DWORD>(frame.width),
                    static_cast<DWORD>(frame.height), 0, 0, 0, static_cast<UINT>(frame.height),
                    frame.pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace lmvengine::win32
