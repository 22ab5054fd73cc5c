// The virtual display: the player on a simulated WxH display with a
// simulated clock. Time jumps to each timer expiry and the transition
// pauses advance it without real waiting; while a moving effect is on, the
// player draws a frame at every refresh of a 60 Hz display (frame k of the
// run at ceil(k x 1000000 / 60) microseconds, the clock read in whole
// milliseconds). After every blit and every frame the whole display is
// written as FRAMES/frame-NNNN.ppm (from 0001), on black before the first
// screen. With --at-ms, only the display as it is at each listed time is
// written, as FRAMES/at-T.ppm: the reference frames other players are
// compared with.
#pragma once

#include <cstdint>
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
  int draws = 40;                 // stop after this many blits and frames
  std::vector<int64_t> atMs;      // --at-ms: write only at these times, ascending
};

// Looks for "--virtual WxH --frames DIR [--draws N] [--at-ms T1,T2,...]"
// among `args` (the arguments after the program name). Returns false when
// --virtual is absent.
// When it is present but the rest is wrong, returns true with `error` set.
bool ParseVirtualOptions(const std::vector<std::string>& args, VirtualOptions& options,
                         std::string& error);

// Plays the package at `package` on the virtual display. For every screen
// drawn prints "draw record=R effect=E duration=D at=T" on `out` (T the
// simulated whole seconds since start), and for every frame of a moving
// effect "frame N ms=T" (N the number of its file, T its simulated
// milliseconds). A bad package shows the designed
// message through `messages`. Returns the exit code: 0, or 1 when the
// frames directory cannot be written.
int RunVirtual(const std::filesystem::path& package, const VirtualOptions& options,
               std::ostream& out, MessageSink& messages);

}  // namespace lmvengine
