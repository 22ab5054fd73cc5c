#include "soft_raster.h"

#include "frame_compositor.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <new>

namespace lmvengine {

Raster MakeRaster(int width, int height, uint32_t colour) {
  Raster r;
  if (width < 1 || height < 1 || int64_t{width} * height > kMaxDecodedPixels) return r;
  try {
    r.pixels.assign(static_cast<size_t>(width) * height, colour);
  } catch (const std::bad_alloc&) {
    return Raster{};
  }
  r.width = width;
  r.height = height;
  return r;
}

Raster RasterFromImage(const DecodedImage& image) {
  Raster r = MakeRaster(image.width, image.height, 0);
  if (r.pixels.empty() || image.rgb.size() < r.pixels.size() * 3) return Raster{};
  const unsigned char* p = image.rgb.data();
  for (uint32_t& pixel : r.pixels) {
    pixel = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    p += 3;
  }
  return r;
}

namespace {

// Source coordinate of destination offset d when `sourceSize` pixels are
// spread over `destSize` pixels, sampling each destination pixel's centre.
int Sample(int d, int sourceSize, int destSize) {
  return static_cast<int>(((2 * int64_t{d} + 1) * sourceSize) / (2 * int64_t{destSize}));
}

}  // namespace

void BlitRaster(const Raster& picture, const BlitStep& step, Raster& target) {
  if (step.stretch && step.smooth) {
    DrawWindowInto(picture, step.source, step.dest, target);
    return;
  }
  const Rect& d = step.dest;
  const Rect& s = step.source;
  if (d.w <= 0 || d.h <= 0 || picture.pixels.empty() || target.pixels.empty()) return;
  if (step.stretch && (s.w <= 0 || s.h <= 0)) return;
  // Destination span clipped to the target.
  const int x0 = d.x < 0 ? -d.x : 0;
  const int y0 = d.y < 0 ? -d.y : 0;
  const int x1 = (d.x + int64_t{d.w} > target.width) ? target.width - d.x : d.w;
  const int y1 = (d.y + int64_t{d.h} > target.height) ? target.height - d.y : d.h;
  if (x0 >= x1 || y0 >= y1) return;
  // Source column of each destination column. It never decreases from left
  // to right, so the columns whose source lies inside the picture form one
  // run [cx0, cx1).
  std::vector<int> columns(static_cast<size_t>(x1 - x0));
  for (int dx = x0; dx < x1; ++dx) {
    columns[dx - x0] = s.x + (step.stretch ? Sample(dx, s.w, d.w) : dx);
  }
  int cx0 = x0;
  while (cx0 < x1 && columns[cx0 - x0] < 0) ++cx0;
  int cx1 = x1;
  while (cx1 > cx0 && columns[cx1 - 1 - x0] >= picture.width) --cx1;
  if (cx0 >= cx1) return;
  const size_t runBytes = static_cast<size_t>(cx1 - cx0) * sizeof(uint32_t);
  // Source columns one after another: rows are copied whole.
  const bool contiguous = columns[cx1 - 1 - x0] - columns[cx0 - x0] == cx1 - 1 - cx0;
  int previousSy = -1;
  const uint32_t* previousRow = nullptr;
  for (int dy = y0; dy < y1; ++dy) {
    const int sy = s.y + (step.stretch ? Sample(dy, s.h, d.h) : dy);
    if (sy < 0 || sy >= picture.height) continue;
    uint32_t* to = target.pixels.data() + static_cast<size_t>(d.y + dy) * target.width + d.x;
    if (sy == previousSy) {
      // An enlarged row repeats the one above it.
      std::memcpy(to + cx0, previousRow + cx0, runBytes);
    } else {
      const uint32_t* from = picture.pixels.data() + static_cast<size_t>(sy) * picture.width;
      if (contiguous) {
        std::memcpy(to + cx0, from + columns[cx0 - x0], runBytes);
      } else {
        const int* column = columns.data() + (cx0 - x0);
        for (int dx = cx0; dx < cx1; ++dx) to[dx] = from[*column++];
      }
    }
    previousSy = sy;
    previousRow = to;
  }
}

bool WritePpm(const Raster& raster, const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  char header[64];
  int n = std::snprintf(header, sizeof header, "P6\n%d %d\n255\n", raster.width, raster.height);
  out.write(header, n);
  std::vector<char> row(static_cast<size_t>(raster.width) * 3);
  for (int y = 0; y < raster.height; ++y) {
    for (int x = 0; x < raster.width; ++x) {
      const uint32_t p = raster.At(x, y);
      row[3 * x] = static_cast<char>(p >> 16);
      row[3 * x + 1] = static_cast<char>(p >> 8);
      row[3 * x + 2] = static_cast<char>(p);
    }
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
  out.close();
  return static_cast<bool>(out);
}

}  // namespace lmvengine
