#include "geometry.h"

namespace lmvengine {

Geometry ComputeGeometry(int width, int height, int screenWidth, int screenHeight) {
  Geometry g;
  g.destWidth = screenWidth;
  g.destHeight = screenHeight;
  g.stretch = width > screenWidth;
  if (width < screenWidth) {
    g.destWidth = width;
    g.destHeight = height;
    // C++ division truncates toward zero, as the placement rule wants.
    g.destX = (screenWidth - width) / 2;
    g.destY = (screenHeight - height) / 2;
  }
  return g;
}

}  // namespace lmvengine
