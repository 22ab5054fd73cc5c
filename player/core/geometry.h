// Presentation geometry: where and at what size the pictures are drawn.
#pragma once

namespace lmvengine {

struct Geometry {
  int destX = 0;         // left of the pictures in the window, pixels
  int destY = 0;         // top, pixels
  int destWidth = 0;     // drawn width, pixels
  int destHeight = 0;    // drawn height, pixels
  bool stretch = false;  // drawn at another size than the picture's: scaled, filtered
  bool operator==(const Geometry&) const = default;
};

// Picture width x height (trailer) on a screen of screenWidth x
// screenHeight: as large as fits, proportions kept, centred (the rest of the
// screen is black).
// - relatively wider picture (width x screenHeight >= screenWidth x height):
//   destWidth = screenWidth, destHeight = (2 x height x screenWidth + width)
//   / (2 x width), the nearest whole pixel;
// - otherwise destHeight = screenHeight, destWidth likewise;
// - destX = (screenWidth - destWidth) / 2, destY = (screenHeight -
//   destHeight) / 2, truncating.
// A screen of the picture's size gives the picture at (0, 0), unscaled.
Geometry ComputeGeometry(int width, int height, int screenWidth, int screenHeight);

}  // namespace lmvengine
