#include "blit_clip.h"

#include <algorithm>
#include <cstdint>

namespace lmvengine::win32 {
namespace {

// One axis: the source span [from, from + length) against [0, limit), and
// the destination span it maps to. Returns false when nothing is left.
bool ClipAxis(int from, int length, int limit, int destFrom, int destLength, int& clippedFrom,
              int& clippedLength, int& clippedDestFrom, int& clippedDestLength) {
  if (length <= 0 || destLength <= 0 || limit <= 0) return false;
  const int64_t lo = std::max<int64_t>(from, 0);
  const int64_t hi = std::min<int64_t>(int64_t{from} + length, limit);
  if (lo >= hi) return false;
  const int64_t destLo = destFrom + (lo - from) * destLength / length;
  const int64_t destHi = destFrom + (hi - from) * destLength / length;
  if (destLo >= destHi) return false;
  clippedFrom = static_cast<int>(lo);
  clippedLength = static_cast<int>(hi - lo);
  clippedDestFrom = static_cast<int>(destLo);
  clippedDestLength = static_cast<int>(destHi - destLo);
  return true;
}

}  // namespace

bool ClipToPicture(const BlitStep& step, int pictureWidth, int pictureHeight, BlitStep& out) {
  out = step;
  // A copy reads exactly the destination's size from the source origin.
  const int sourceW = step.stretch ? step.source.w : step.dest.w;
  const int sourceH = step.stretch ? step.source.h : step.dest.h;
  if (!ClipAxis(step.source.x, sourceW, pictureWidth, step.dest.x, step.dest.w, out.source.x,
                out.source.w, out.dest.x, out.dest.w)) {
    return false;
  }
  if (!ClipAxis(step.source.y, sourceH, pictureHeight, step.dest.y, step.dest.h, out.source.y,
                out.source.h, out.dest.y, out.dest.h)) {
    return false;
  }
  if (!step.stretch) {
    out.source.w = out.dest.w;
    out.source.h = out.dest.h;
  }
  return true;
}

}  // namespace lmvengine::win32
