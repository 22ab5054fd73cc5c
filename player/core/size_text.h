// A size written "WxH" (640x480; the x may be a capital), as the command
// lines of every program take it.
#pragma once

#include <string_view>

namespace lmvengine {

// Reads "<width>x<height>": decimal digits only on both sides (no sign, no
// space), each side from 1 to 2147483647. Sets width and height only on
// success. Ranges beyond that are the caller's.
bool ParseSize(std::string_view text, int& width, int& height);

}  // namespace lmvengine
