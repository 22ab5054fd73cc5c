#include "frame_compositor.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace lmvengine {

PanWindow WholePicture(const Raster& picture) {
  return PanWindow{0, 0, static_cast<double>(picture.width), static_cast<double>(picture.height)};
}

namespace {

constexpr uint32_t kRedBlue = 0x00FF00FFu;
constexpr uint32_t kGreen = 0x0000FF00u;

// a + (b - a) x f / 256 on the three channels at once (f in 0..256).
inline uint32_t Lerp(uint32_t a, uint32_t b, uint32_t f) {
  const uint32_t g = 256 - f;
  const uint32_t rb = (((a & kRedBlue) * g + (b & kRedBlue) * f) >> 8) & kRedBlue;
  const uint32_t gr = (((a & kGreen) * g + (b & kGreen) * f) >> 8) & kGreen;
  return rb | gr;
}

// BlendChannel on the three channels at once.
inline uint32_t Blend(uint32_t under, uint32_t over, uint32_t alpha) {
  const uint32_t g = 256 - alpha;
  const uint32_t rb = (((under & kRedBlue) * g + (over & kRedBlue) * alpha + 0x00800080u) >> 8) &
                      kRedBlue;
  const uint32_t gr = (((under & kGreen) * g + (over & kGreen) * alpha + 0x00008000u) >> 8) &
                      kGreen;
  return rb | gr;
}

// Where each frame column (or row) samples the picture: the two pixels
// around it and the weight of the second, in 1/256.
struct Taps {
  std::vector<int> first;
  std::vector<int> second;
  std::vector<uint32_t> weight;
};

void MakeTaps(double origin, double size, int frameSize, int pictureSize, int begin, int end,
              Taps& taps) {
  const size_t n = static_cast<size_t>(std::max(end - begin, 0));
  taps.first.resize(n);
  taps.second.resize(n);
  taps.weight.resize(n);
  const double last = pictureSize - 1;
  for (int i = begin; i < end; ++i) {
    double u = origin + (i + 0.5) * size / frameSize - 0.5;
    u = std::min(std::max(u, 0.0), last);
    const int p = static_cast<int>(u);  // u >= 0: truncation is floor
    const size_t k = static_cast<size_t>(i - begin);
    taps.first[k] = p;
    taps.second[k] = std::min(p + 1, pictureSize - 1);
    taps.weight[k] = static_cast<uint32_t>((u - p) * 256);
  }
}

// One frame row of a layer into `out` (frame.width pixels).
void SampleRow(const Raster& picture, const Taps& columns, int top, int bottom, uint32_t fy,
               uint32_t* out, int width) {
  const uint32_t* a = picture.pixels.data() + static_cast<size_t>(top) * picture.width;
  const uint32_t* b = picture.pixels.data() + static_cast<size_t>(bottom) * picture.width;
  const int* c0 = columns.first.data();
  const int* c1 = columns.second.data();
  const uint32_t* fx = columns.weight.data();
  if (fy == 0) {
    for (int x = 0; x < width; ++x) {
      out[x] = fx[x] == 0 ? a[c0[x]] : Lerp(a[c0[x]], a[c1[x]], fx[x]);
    }
    return;
  }
  for (int x = 0; x < width; ++x) {
    const uint32_t top2 = Lerp(a[c0[x]], a[c1[x]], fx[x]);
    const uint32_t bottom2 = Lerp(b[c0[x]], b[c1[x]], fx[x]);
    out[x] = Lerp(top2, bottom2, fy);
  }
}

bool Drawable(const FrameLayer& layer) {
  return layer.picture != nullptr && !layer.picture->pixels.empty() && layer.window.w > 0 &&
         layer.window.h > 0;
}

}  // namespace

void ComposeRows(const FrameLayer& under, const FrameLayer& over, int alpha, Raster& frame,
                 int rowBegin, int rowEnd) {
  rowBegin = std::max(rowBegin, 0);
  rowEnd = std::min(rowEnd, frame.height);
  if (rowBegin >= rowEnd || frame.pixels.empty()) return;
  alpha = std::min(std::max(alpha, 0), 256);
  const int width = frame.width;
  const bool drawUnder = alpha < 256 && Drawable(under);
  const bool drawOver = alpha > 0 && Drawable(over);
  Taps underColumns, underRows, overColumns, overRows;
  if (drawUnder) {
    MakeTaps(under.window.x, under.window.w, width, under.picture->width, 0, width, underColumns);
    MakeTaps(under.window.y, under.window.h, frame.height, under.picture->height, rowBegin,
             rowEnd, underRows);
  }
  if (drawOver) {
    MakeTaps(over.window.x, over.window.w, width, over.picture->width, 0, width, overColumns);
    MakeTaps(over.window.y, over.window.h, frame.height, over.picture->height, rowBegin, rowEnd,
             overRows);
  }
  std::vector<uint32_t> scratch(drawUnder && drawOver ? static_cast<size_t>(width) : 0);
  for (int y = rowBegin; y < rowEnd; ++y) {
    uint32_t* row = frame.pixels.data() + static_cast<size_t>(y) * width;
    const size_t k = static_cast<size_t>(y - rowBegin);
    if (!drawUnder && !drawOver) {
      std::memset(row, 0, static_cast<size_t>(width) * sizeof(uint32_t));
      continue;
    }
    if (!drawOver || !drawUnder) {
      const FrameLayer& only = drawOver ? over : under;
      const Taps& columns = drawOver ? overColumns : underColumns;
      const Taps& rows = drawOver ? overRows : underRows;
      SampleRow(*only.picture, columns, rows.first[k], rows.second[k], rows.weight[k], row, width);
      if (alpha < 256 && drawOver) {
        // Over black.
        for (int x = 0; x < width; ++x) row[x] = Blend(0, row[x], static_cast<uint32_t>(alpha));
      }
      continue;
    }
    SampleRow(*under.picture, underColumns, underRows.first[k], underRows.second[k],
              underRows.weight[k], row, width);
    SampleRow(*over.picture, overColumns, overRows.first[k], overRows.second[k],
              overRows.weight[k], scratch.data(), width);
    const uint32_t a = static_cast<uint32_t>(alpha);
    for (int x = 0; x < width; ++x) row[x] = Blend(row[x], scratch[x], a);
  }
}

}  // namespace lmvengine
