// The demo's pictures, drawn by code: no image files are shipped.
#pragma once

#include <string>
#include <vector>

namespace lmvtools {

struct DemoPicture {
  std::string name;                  // file name stem, e.g. "sunset"
  int duration;                      // seconds on screen
  int effect;                        // transition bringing it on
  std::vector<unsigned char> rgb;    // width * height * 3 bytes, rows top-down
};

// Number of demo pictures.
int DemoPictureCount();

// Draws demo picture `index` (0 .. DemoPictureCount() - 1) at width x height.
DemoPicture DrawDemoPicture(int index, int width, int height);

}  // namespace lmvtools
