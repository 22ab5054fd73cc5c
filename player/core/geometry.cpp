#include "geometry.h"

#include <algorithm>
#include <cstdint>

namespace lmvengine {

Geometry ComputeGeometry(int width, int height, int screenWidth, int screenHeight) {
  Geometry g;
  if (width < 1 || height < 1 || screenWidth < 1 || screenHeight < 1) return g;
  const int64_t w = width, h = height, sw = screenWidth, sh = screenHeight;
  if (w * sh >= sw * h) {
    g.destWidth = screenWidth;
    g.destHeight = static_cast<int>(std::max<int64_t>(1, (2 * h * sw + w) / (2 * w)));
  } else {
    g.destHeight = screenHeight;
    g.destWidth = static_cast<int>(std::max<int64_t>(1, (2 * w * sh + h) / (2 * h)));
  }
  g.destWidth = std::min(g.destWidth, screenWidth);
  g.destHeight = std::min(g.destHeight, screenHeight);
  g.destX = (screenWidth - g.destWidth) / 2;
  g.destY = (screenHeight - g.destHeight) / 2;
  g.stretch = g.destWidth != width || g.destHeight != height;
  return g;
}

}  // namespace lmvengine
