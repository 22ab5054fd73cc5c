// The virtual display: the player on a simulated WxH display with a
// simulated clock. Time jumps to each timer expiry and the transition
// pauses advance it without real waiting. After every blit the whole
// display is written as FRAMES/frame-NNNN.ppm (from 0001), on the class
// background before the first screen.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform.h"

namespace lmvengine {

struct VirtualOptions {
  int width = 0;                  // simulated display, pixels
  int height = 0;
  std::filesystem::path frames;   // directory of the frame files (created)
  int draws = 40;                 // stop after this many blits
};

// Looks for "--virtual WxH --frames DIR [--draws N]" among `args` (the
// arguments after the program name). Returns false when --virtual is absent.
// When it is present but the rest is wrong, returns true with `error` set.
bool ParseVirtualOptions(const std::vector<std::string>& args, VirtualOptions& options,
                         std::string& error);

// Plays the package at `package` on the virtual display. For every screen
// drawn prints "draw record=R effect=E duration=D at=T" on `out` (T the
// simulated whole seconds since start). A bad package shows the designed
// message through `messages`. Returns the exit code: 0, or 1 when the
// frames directory cannot be written.
int RunVirtual(const std::filesystem::path& package, const VirtualOptions& options,
               std::ostream& out, MessageSink& messages);

}  // namespace lmvengine
