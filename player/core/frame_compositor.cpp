#include "frame_compositor.h"

#include "pixel_rows.h"

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

// The rows of one layer, a band of frame rows and columns of it: a frame
// row is either a run of picture pixels (a whole-pixel window of the
// frame's size) or the two picture rows around it mixed down (over the
// columns the row uses) into a wide row, then sampled across. The taps
// are worked out once per band; the last wide row is kept for the next
// frame row, which needs it again when the picture is enlarged.
class LayerRows {
 public:
  LayerRows(const Raster& picture, const PanWindow& window, int frameWidth, int frameHeight,
            int columnBegin, int columnEnd, int rowBegin, int rowEnd)
      : picture_(picture), rowBegin_(rowBegin) {
    MakeTaps(window.x, window.w, frameWidth, picture.width, columnBegin, columnEnd, columns_);
    MakeTaps(window.y, window.h, frameHeight, picture.height, rowBegin, rowEnd, rows_);
    if (columns_.identity) return;
    left_.assign(columns_.first.begin(), columns_.first.end());
    weights_.resize(left_.size() * 8);
    for (size_t x = 0; x < left_.size(); ++x) {
      const uint16_t f = static_cast<uint16_t>(columns_.weight[x]);
      std::fill_n(weights_.begin() + static_cast<std::ptrdiff_t>(8 * x), 4,
                  static_cast<uint16_t>(256 - f));
      std::fill_n(weights_.begin() + static_cast<std::ptrdiff_t>(8 * x + 4), 4, f);
    }
    wide_.resize(static_cast<size_t>(picture.width) + 1);
  }

  // Frame row y as picture pixels, or null when it must be sampled.
  const uint32_t* Direct(int y) const {
    const size_t k = static_cast<size_t>(y - rowBegin_);
    if (!columns_.identity || rows_.weight[k] != 0) return nullptr;
    return PictureRow(rows_.first[k]) + columns_.first[0];
  }

  // Frame row y mixed down, to sample across with Across().
  const WidePixel* Wide(int y, const RowKernels& kernels) {
    const size_t k = static_cast<size_t>(y - rowBegin_);
    const int top = rows_.first[k];
    const uint32_t fy = rows_.weight[k];
    if (top != wideTop_ || fy != wideWeight_) {
      const uint32_t* a = PictureRow(top);
      const uint32_t* b = fy != 0 ? PictureRow(rows_.second[k]) : a;
      const int low = columns_.low;
      kernels.down(a + low, b + low, fy, columns_.high - low + 1, wide_.data() + low);
      wideTop_ = top;
      wideWeight_ = fy;
    }
    return wide_.data();
  }

  AcrossTaps Across() const { return AcrossTaps{left_.data(), weights_.data()}; }

 private:
  const uint32_t* PictureRow(int row) const {
    return picture_.pixels.data() + static_cast<size_t>(row) * picture_.width;
  }

  const Raster& picture_;
  int rowBegin_;
  Taps columns_, rows_;
  std::vector<int32_t> left_;
  std::vector<uint16_t> weights_;
  std::vector<WidePixel> wide_;
  int wideTop_ = -1;
  uint32_t wideWeight_ = 0;
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
  const RowKernels& kernels = FastRowKernels();
  const PanWindow window{static_cast<double>(source.x), static_cast<double>(source.y),
                         static_cast<double>(source.w), static_cast<double>(source.h)};
  LayerRows rows(picture, window, dest.w, dest.h, x0 - dest.x, x1 - dest.x, y0 - dest.y,
                 y1 - dest.y);
  const size_t bytes = static_cast<size_t>(x1 - x0) * sizeof(uint32_t);
  for (int y = y0; y < y1; ++y) {
    uint32_t* to = target.pixels.data() + static_cast<size_t>(y) * target.width + x0;
    if (const uint32_t* direct = rows.Direct(y - dest.y)) {
      std::memcpy(to, direct, bytes);
    } else {
      kernels.across(rows.Wide(y - dest.y, kernels), rows.Across(), x1 - x0, to);
    }
  }
}

void ComposeRows(const FrameLayer& under, const FrameLayer& over, int alpha, Raster& frame,
                 int rowBegin, int rowEnd) {
  rowBegin = std::max(rowBegin, 0);
  rowEnd = std::min(rowEnd, frame.height);
  if (rowBegin >= rowEnd || frame.pixels.empty()) return;
  alpha = std::min(std::max(alpha, 0), 256);
  const int width = frame.width;
  const size_t bytes = static_cast<size_t>(width) * sizeof(uint32_t);
  const bool drawUnder = alpha < 256 && Drawable(under);
  const bool drawOver = alpha > 0 && Drawable(over);
  if (!drawUnder && !drawOver) {
    for (int y = rowBegin; y < rowEnd; ++y) {
      std::memset(frame.pixels.data() + static_cast<size_t>(y) * width, 0, bytes);
    }
    return;
  }
  const RowKernels& kernels = FastRowKernels();
  const uint32_t a = static_cast<uint32_t>(alpha);
  std::optional<LayerRows> underRows, overRows;
  if (drawUnder) {
    underRows.emplace(*under.picture, under.window, width, frame.height, 0, width, rowBegin,
                      rowEnd);
  }
  if (drawOver) {
    overRows.emplace(*over.picture, over.window, width, frame.height, 0, width, rowBegin, rowEnd);
  }
  // A layer's row: in the picture, or sampled into `out`.
  auto sampled = [&](LayerRows& layer, int y, uint32_t* out) -> const uint32_t* {
    if (const uint32_t* direct = layer.Direct(y)) return direct;
    kernels.across(layer.Wide(y, kernels), layer.Across(), width, out);
    return out;
  };
  // Black under a layer fading in alone; the over layer's row otherwise.
  std::vector<uint32_t> scratch(static_cast<size_t>(width), kClassBackground);
  for (int y = rowBegin; y < rowEnd; ++y) {
    uint32_t* row = frame.pixels.data() + static_cast<size_t>(y) * width;
    if (!drawOver || !drawUnder) {
      // One layer: the under one alone, or the over one, over black while
      // it fades in.
      LayerRows& layer = drawUnder ? *underRows : *overRows;
      const uint32_t* pixels = sampled(layer, y, row);
      if (drawOver && alpha < 256) {
        kernels.blend(scratch.data(), pixels, a, width, row);
      } else if (pixels != row) {
        std::memcpy(row, pixels, bytes);
      }
      continue;
    }
    const uint32_t* underDirect = underRows->Direct(y);
    const uint32_t* overDirect = overRows->Direct(y);
    if (underDirect == nullptr && overDirect == nullptr) {
      // Both sampled across and blended in one pass.
      const WidePixel* u = underRows->Wide(y, kernels);
      const WidePixel* o = overRows->Wide(y, kernels);
      kernels.acrossBlend(u, underRows->Across(), o, overRows->Across(), a, width, row);
      continue;
    }
    const uint32_t* bottom = underDirect ? underDirect : sampled(*underRows, y, row);
    const uint32_t* top = overDirect ? overDirect : sampled(*overRows, y, scratch.data());
    kernels.blend(bottom, top, a, width, row);
  }
}

}  // namespace lmvengine
