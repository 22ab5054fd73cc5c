// The displays the full-screen saver covers: the virtual screen (the
// rectangle around every monitor) and each monitor's rectangle in it.
#pragma once

#include <windows.h>

#include <vector>

#include "effects.h"

namespace lmvengine::win32 {

// The virtual screen in screen coordinates (its left and top are negative
// when a monitor lies left of or above the primary one). Falls back to the
// display's HORZRES x VERTRES at (0, 0) when the system does not tell it.
RECT VirtualScreen();

// The monitors as EnumDisplayMonitors lists them, each as a rectangle in
// the coordinates of a window placed at `virtualScreen`'s top-left corner,
// clipped to it. Empty when the system lists none.
std::vector<Rect> MonitorAreas(const RECT& virtualScreen);

}  // namespace lmvengine::win32
