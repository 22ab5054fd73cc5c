// The frames of the moving effects: a part of a picture (its pan window,
// or the whole picture) scaled onto the frame with bilinear sampling, and
// the cross-fade of two such layers. Pure pixel work on Rasters; a back-end
// splits the rows over its threads and shows the frame it gets.
#pragma once

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
// with weights in 1/256; a window of the frame's size at whole-pixel offsets
// copies its pixels exactly. Rows outside the frame are ignored; a layer
// without a picture leaves the rows black.
void ComposeRows(const FrameLayer& under, const FrameLayer& over, int alpha, Raster& frame,
                 int rowBegin, int rowEnd);

}  // namespace lmvengine
