// Presentation geometry: where and at what size the pictures are drawn.
#pragma once

namespace lmvengine {

struct Geometry {
  int destX = 0;         // left of the pictures in the window, pixels
  int destY = 0;         // top, pixels; negative when a narrower picture is taller
  int destWidth = 0;     // drawn width, pixels
  int destHeight = 0;    // drawn height, pixels
  bool stretch = false;  // picture wider than the screen: scaled into it
  bool operator==(const Geometry&) const = default;
};

// Picture width x height (trailer) on a screen of screenWidth x
// screenHeight. Only the widths are compared:
// - narrower: drawn at its own size, centred on both axes (truncating
//   division; the origin y is negative when the picture is taller);
// - equal: copied unscaled into the whole screen;
// - wider: scaled into the whole screen, aspect ratio not kept.
Geometry ComputeGeometry(int width, int height, int screenWidth, int screenHeight);

}  // namespace lmvengine
