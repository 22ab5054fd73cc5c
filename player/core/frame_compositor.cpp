#include "frame_compositor.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace lmvengine {

PanWindow WholePicture(const Raster& picture) {
  return PanWindow{0, 0, static_cast<double>(picture.width), static_cast<double>(picture.height)};
}

namespace {

constexpr uint32_t kRedBlue = 0x00FF00FFu;
constexpr uint32_t kGreen = 0x0000FF00u;

// a + (b - a) x f / 256 on the three channels at once (f in 0..255), two
// multiplications: the borrows of a negative difference stay in the bits
// the masks drop.
inline uint32_t Lerp(uint32_t a, uint32_t b, uint32_t f) {
  const uint32_t rb = a & kRedBlue;
  const uint32_t gr = a & kGreen;
  return ((rb + ((((b & kRedBlue) - rb) * f) >> 8)) & kRedBlue) |
         ((gr + ((((b & kGreen) - gr) * f) >> 8)) & kGreen);
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
  bool identity = false;  // whole pixels one after another: a plain copy
  int low = 0;            // the pixels used: low .. high
  int high = 0;
};

void MakeTaps(double origin, double size, int frameSize, int pictureSize, int begin, int end,
              Taps& taps) {
  const size_t n = static_cast<size_t>(std::max(end - begin, 0));
  taps.first.resize(n);
  taps.second.resize(n);
  taps.weight.resize(n);
  const double last = pictureSize - 1;
  taps.identity = n > 0;
  taps.low = pictureSize;
  taps.high = 0;
  for (int i = begin; i < end; ++i) {
    double u = origin + (i + 0.5) * size / frameSize - 0.5;
    u = std::min(std::max(u, 0.0), last);
    const int p = static_cast<int>(u);  // u >= 0: truncation is floor
    const size_t k = static_cast<size_t>(i - begin);
    taps.first[k] = p;
    taps.second[k] = std::min(p + 1, pictureSize - 1);
    taps.weight[k] = static_cast<uint32_t>((u - p) * 256);
    if (taps.weight[k] != 0 || p != taps.first[0] + static_cast<int>(k)) taps.identity = false;
    taps.low = std::min(taps.low, p);
    taps.high = std::max(taps.high, taps.second[k]);
  }
}

// One frame row of a layer: a pointer to its `width` pixels, either inside
// the picture (a plain copy needs none) or in `out`. `vertical` holds a
// picture row's worth of pixels.
const uint32_t* SampleRow(const Raster& picture, const Taps& columns, int top, int bottom,
                          uint32_t fy, uint32_t* out, uint32_t* vertical, int width) {
  const uint32_t* a = picture.pixels.data() + static_cast<size_t>(top) * picture.width;
  const uint32_t* source = a;
  if (fy != 0) {
    // Between two rows: first down, over the columns the row uses.
    const uint32_t* b = picture.pixels.data() + static_cast<size_t>(bottom) * picture.width;
    for (int x = columns.low; x <= columns.high; ++x) vertical[x] = Lerp(a[x], b[x], fy);
    source = vertical;
  }
  if (columns.identity) return source + columns.first[0];
  const int* c0 = columns.first.data();
  const int* c1 = columns.second.data();
  const uint32_t* fx = columns.weight.data();
  int x = 0;
  // Where the right neighbour is the next pixel (all but the last column
  // of the picture): two neighbouring loads.
  for (; x < width && c1[x] == c0[x] + 1; ++x) {
    const uint32_t* p = source + c0[x];
    out[x] = Lerp(p[0], p[1], fx[x]);
  }
  for (; x < width; ++x) out[x] = Lerp(source[c0[x]], source[c1[x]], fx[x]);
  return out;
}

// The rows of one layer: each picture row the frame needs is filtered
// across once (kept for the next frame row, which mostly needs it again),
// then two of them are mixed down.
class LayerRows {
 public:
  LayerRows(const Raster& picture, const Taps& columns, int width)
      : picture_(picture), columns_(columns), width_(width) {
    if (!columns.identity) {
      for (auto& b : across_) b.resize(static_cast<size_t>(width));
    }
  }

  // Frame row between picture rows `top` and `bottom`, weight fy of the
  // second; in `out` or inside the picture.
  const uint32_t* Row(int top, int bottom, uint32_t fy, uint32_t* out) {
    const uint32_t* a = Across(top);
    if (fy == 0) return a;
    const uint32_t* b = Across(bottom);
    for (int x = 0; x < width_; ++x) out[x] = Lerp(a[x], b[x], fy);
    return out;
  }

 private:
  const uint32_t* Across(int row) {
    const uint32_t* source = picture_.pixels.data() + static_cast<size_t>(row) * picture_.width;
    if (columns_.identity) return source + columns_.first[0];
    for (int i = 0; i < 2; ++i) {
      if (rowOf_[i] == row) return across_[i].data();
    }
    // Replace the older of the two.
    const int slot = next_;
    next_ = 1 - next_;
    rowOf_[slot] = row;
    uint32_t* out = across_[slot].data();
    const int* c0 = columns_.first.data();
    const int* c1 = columns_.second.data();
    const uint32_t* fx = columns_.weight.data();
    int x = 0;
    for (; x < width_ && c1[x] == c0[x] + 1; ++x) {
      const uint32_t* p = source + c0[x];
      out[x] = Lerp(p[0], p[1], fx[x]);
    }
    for (; x < width_; ++x) out[x] = Lerp(source[c0[x]], source[c1[x]], fx[x]);
    return out;
  }

  const Raster& picture_;
  const Taps& columns_;
  int width_;
  std::vector<uint32_t> across_[2];
  int rowOf_[2] = {-1, -1};
  int next_ = 0;
};

bool Drawable(const FrameLayer& layer) {
  return layer.picture != nullptr && !layer.picture->pixels.empty() && layer.window.w > 0 &&
         layer.window.h > 0;
}

}  // namespace

void ComposeFrame(const FrameLayer& under, const FrameLayer& over, int alpha, Raster& frame,
                  RowRunner* rows) {
  const int parts = rows ? std::max(rows->Parts(), 1) : 1;
  if (parts == 1 || frame.height < 2 * parts) {
    ComposeRows(under, over, alpha, frame, 0, frame.height);
    return;
  }
  rows->Run([&](int part) {
    const int begin = static_cast<int>(int64_t{frame.height} * part / parts);
    const int end = static_cast<int>(int64_t{frame.height} * (part + 1) / parts);
    ComposeRows(under, over, alpha, frame, begin, end);
  });
}

void DrawWindowInto(const Raster& picture, const Rect& source, const Rect& dest, Raster& target) {
  if (picture.pixels.empty() || target.pixels.empty() || dest.w <= 0 || dest.h <= 0 ||
      source.w <= 0 || source.h <= 0) {
    return;
  }
  const int x0 = std::max(dest.x, 0);
  const int y0 = std::max(dest.y, 0);
  const int x1 = static_cast<int>(std::min<int64_t>(int64_t{dest.x} + dest.w, target.width));
  const int y1 = static_cast<int>(std::min<int64_t>(int64_t{dest.y} + dest.h, target.height));
  if (x0 >= x1 || y0 >= y1) return;
  Taps columns, rows;
  MakeTaps(source.x, source.w, dest.w, picture.width, x0 - dest.x, x1 - dest.x, columns);
  MakeTaps(source.y, source.h, dest.h, picture.height, y0 - dest.y, y1 - dest.y, rows);
  std::vector<uint32_t> vertical(static_cast<size_t>(picture.width));
  for (int y = y0; y < y1; ++y) {
    const size_t k = static_cast<size_t>(y - y0);
    uint32_t* to = target.pixels.data() + static_cast<size_t>(y) * target.width + x0;
    const uint32_t* row = SampleRow(picture, columns, rows.first[k], rows.second[k],
                                    rows.weight[k], to, vertical.data(), x1 - x0);
    if (row != to) std::memcpy(to, row, static_cast<size_t>(x1 - x0) * sizeof(uint32_t));
  }
}

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
  std::vector<uint32_t> scratch(static_cast<size_t>(width));
  std::optional<LayerRows> underRowsOf, overRowsOf;
  if (drawUnder) underRowsOf.emplace(*under.picture, underColumns, width);
  if (drawOver) overRowsOf.emplace(*over.picture, overColumns, width);
  const uint32_t a = static_cast<uint32_t>(alpha);
  for (int y = rowBegin; y < rowEnd; ++y) {
    uint32_t* row = frame.pixels.data() + static_cast<size_t>(y) * width;
    const size_t k = static_cast<size_t>(y - rowBegin);
    if (!drawUnder && !drawOver) {
      std::memset(row, 0, static_cast<size_t>(width) * sizeof(uint32_t));
      continue;
    }
    // The under layer (or the only one) straight into the frame's row.
    const bool onlyOver = !drawUnder;
    const Taps& rows = onlyOver ? overRows : underRows;
    LayerRows& first = onlyOver ? *overRowsOf : *underRowsOf;
    const uint32_t* sampled = first.Row(rows.first[k], rows.second[k], rows.weight[k], row);
    if (onlyOver) {
      if (alpha < 256) {
        // Over black.
        for (int x = 0; x < width; ++x) row[x] = Blend(0, sampled[x], a);
      } else if (sampled != row) {
        std::memcpy(row, sampled, static_cast<size_t>(width) * sizeof(uint32_t));
      }
      continue;
    }
    if (!drawOver) {
      if (sampled != row) std::memcpy(row, sampled, static_cast<size_t>(width) * sizeof(uint32_t));
      continue;
    }
    const uint32_t* top =
        overRowsOf->Row(overRows.first[k], overRows.second[k], overRows.weight[k], scratch.data());
    for (int x = 0; x < width; ++x) row[x] = Blend(sampled[x], top[x], a);
  }
}

}  // namespace lmvengine
