// The arithmetic of the moving effects, shared by every player: the
// pan-and-zoom window of a record at a moment of its showing, the
// cross-fade weight, the shuffle order of a cycle and where each monitor
// starts. Only 32-bit unsigned integer operations (as JavaScript's
// Math.imul and >>> give them) and double +, -, *, / in the order written
// here, so that the web player computes the same values to the last bit;
// doc/package_format.md spells every formula out.
#pragma once

#include <cstdint>
#include <vector>

#include "options_block.h"

namespace lmvengine {

// The smallest pan-and-zoom window, as a part of the whole one:
// 1 / kPanZoomScale.
inline constexpr double kPanZoomMinZoom = 0.8;
// Below this end zoom a framed subject starts from the whole window,
// above it from the smallest.
inline constexpr double kPanZoomSubjectPivot = 0.9;

// Spreading of monitor timelines: monitor m's first screen stays
// m x kMonitorStaggerMs longer, so transitions do not all fall together.
inline constexpr int32_t kMonitorStaggerMs = 700;

// A 32-bit mix (the murmur3 finaliser): x ^= x >> 16; x *= 0x85EBCA6B;
// x ^= x >> 13; x *= 0xC2B2AE35; x ^= x >> 16, all modulo 2^32.
uint32_t Mix32(uint32_t x);

// The 32 bits a record's pan path is made of: Mix32(index x 0x9E3779B9 +
// 0x7F4A7C15), modulo 2^32. `index` is the record's 0-based place in the
// package.
uint32_t PanHash(int32_t index);

// A rectangle of the picture, in picture pixels (fractional).
struct PanWindow {
  double x = 0;  // left
  double y = 0;  // top
  double w = 0;  // width
  double h = 0;  // height
  bool operator==(const PanWindow&) const = default;
};

// The largest window with the saver's proportions (saverWidth :
// saverHeight) inside a picture of pictureWidth x pictureHeight, at the
// picture's top left: full height when the picture is wider than the saver
// (pictureWidth x saverHeight >= pictureHeight x saverWidth, in 64-bit
// integers), full width otherwise.
PanWindow FullPanWindow(int pictureWidth, int pictureHeight, int saverWidth, int saverHeight);

// The start and end framing of record `index` in its picture.
// Without a subject (entry.HasSubject() false): bit 0 of PanHash(index)
// says the direction (0: zoom in from the whole window to kPanZoomMinZoom
// of it, 1: zoom out); bits 8..15 and 16..23 (divided by 255) place the
// start window across the room the picture leaves it, and the end window
// sits at the opposite place (1 - each). With a subject: the end window is
// the smallest of zoom kPanZoomMinZoom..1 that holds the subject's width
// and height, centred on the subject and moved inside the picture; the
// start is the whole window when that zoom is below kPanZoomSubjectPivot,
// else the smallest, placed by the hash as above.
struct PanPath {
  PanWindow start;
  PanWindow end;
};
PanPath PlanPanPath(int32_t index, int pictureWidth, int pictureHeight, int saverWidth,
                    int saverHeight, const RecordOptions& entry);

// The window of record `index` at `progress` (0 = start, 1 = end; clamped
// to 0..1): each of x, y, w, h is start + (end - start) x progress, then x
// and y are held inside the picture. The window always keeps the saver's
// proportions and never leaves the picture.
PanWindow PanZoomWindow(int32_t index, double progress, int pictureWidth, int pictureHeight,
                        int saverWidth, int saverHeight, const RecordOptions& entry);

// How long a pan-and-zoom screen's path lasts: from the start of its fade
// in to the end of a fade out as long as its own, durationSeconds x 1000 +
// 2 x transitionMs milliseconds (at least 1).
int64_t PanPeriodMs(int32_t durationSeconds, int32_t transitionMs);

// elapsed / length, clamped to 0..1 (1 when length <= 0).
double Progress(int64_t elapsedMs, int64_t lengthMs);

// The weight of the new screen in a cross-fade, as the 0..256 factor the
// blend uses: floor(Progress(elapsed, transition) x 256 + 0.5).
int CrossFadeAlpha(int64_t elapsedMs, int32_t transitionMs);

// One channel of the blend: (old x (256 - alpha) + new x alpha + 128) >> 8.
// alpha 0 gives old, 256 gives new exactly.
inline int BlendChannel(int oldValue, int newValue, int alpha) {
  return (oldValue * (256 - alpha) + newValue * alpha + 128) >> 8;
}

// The shuffle: a generator of 32-bit values and the last screen shown.
struct Shuffle {
  uint32_t state = 0;  // advanced by 0x9E3779B9 per value
  int32_t last = -1;   // record index that ended the previous cycle, -1 before the first
};

// The generator's next value: state += 0x9E3779B9 (mod 2^32), then
// Mix32(state).
uint32_t NextShuffleValue(Shuffle& shuffle);

// The order of the next cycle of `count` records (0-based indices): a
// Fisher-Yates shuffle (for i from count - 1 down to 1, j = value mod
// (i + 1), swap i and j); then, with 2 records or more, when the first
// equals the last of the previous cycle it is swapped with place
// 1 + value mod (count - 1). Every record appears once; a cycle never
// begins with the screen the previous one ended with.
std::vector<int32_t> NextShuffleCycle(Shuffle& shuffle, int32_t count);

// Where monitor `monitor` (0-based) of `monitorCount` starts in a sequence
// of `count` screens when each monitor shows its own: floor(monitor x count
// / monitorCount).
int32_t MonitorStartPosition(int monitor, int monitorCount, int32_t count);

}  // namespace lmvengine
