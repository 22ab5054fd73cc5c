// The frames of the moving effects: a part of a picture (its pan window,
// or the whole picture) scaled onto the frame with bilinear sampling, and
// the cross-fade of two such layers. Pure pixel work on Rasters; a back-end
// splits the rows over its threads and shows the frame it gets.
#pragma once

#include <functional>

#include "effects.h"
#include "motion.h"
#include "soft_raster.h"

namespace lmvengine {

// A picture and the part of it that fills the frame.
struct FrameLayer {
  const Raster* picture = nullptr;  // nothing drawn when null or empty
  PanWindow window;                 // picture pixels; the whole picture for a still screen
};

// The whole picture as a window.
PanWindow WholePicture(const Raster& picture);

// Draws rows [rowBegin, rowEnd) of `frame`: `under`'s window scaled over the
// whole frame, then `over`'s blended on it with weight alpha / 256
// (BlendChannel for each channel; alpha 0 leaves `over` out, 256 draws
// only `over`). Frame pixel (x, y) samples the window at
//   u = wx + (x + 0.5) x ww / frameWidth - 0.5, likewise v,
// held inside the picture, bilinear between the four pixels around (u, v)
// with weights in 1/256: the two rows mixed down, then the two columns
// across, each rounding down (pixel_rows.h); a window of the frame's size
// at whole-pixel offsets copies its pixels exactly. Rows outside the frame are ignored; a layer
// without a picture leaves the rows black.
void ComposeRows(const FrameLayer& under, const FrameLayer& over, int alpha, Raster& frame,
                 int rowBegin, int rowEnd);

// Splits a frame's rows over threads: Run calls task(part) for every part
// 0 .. Parts() - 1, perhaps at once on several threads, and returns when
// all are done. The default runs them in turn on the caller's thread.
class RowRunner {
 public:
  virtual ~RowRunner() = default;
  virtual int Parts() const { return 1; }
  virtual void Run(const std::function<void(int part)>& task) { task(0); }
};

// The whole frame (ComposeRows), its rows split in Parts() equal bands run
// by `rows` (in turn on this thread when null).
void ComposeFrame(const FrameLayer& under, const FrameLayer& over, int alpha, Raster& frame,
                  RowRunner* rows);

// A smooth stretch blit: `source` (whole pixels of `picture`) sampled as
// ComposeRows samples a window, into `dest` of `target`, clipped to the
// target; nothing is drawn from an empty picture or rectangle.
void DrawWindowInto(const Raster& picture, const Rect& source, const Rect& dest, Raster& target);

}  // namespace lmvengine
