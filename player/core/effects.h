// Transition effects as step plans: for each effect code and step, the
// destination rectangle on the window, the source rectangle in the picture
// and whether the blit copies or stretches. The back-end only executes them.
#pragma once

#include <cstdint>

#include "geometry.h"

namespace lmvengine {

enum EffectCode : int32_t {
  kEffectNone = 0,          // one blit
  kEffectUpDown = 1,        // band anchored at the top grows downward
  kEffectUpLeftDown = 2,    // whole picture, scaled, grows from the top-left corner
  kEffectDownRightUp = 3,   // whole picture, scaled, grows from the bottom-right corner
  kEffectDownUp = 4,        // band anchored at the bottom grows upward
  kEffectLeftRight = 5,     // band anchored at the left grows to the right
  kEffectStretching = 6,    // whole picture, scaled, grows from the centre
  kEffectRandom = 7,        // one of 0..6, chosen when the screen is shown
  // The moving effects, drawn frame by frame at the display's rate (motion.h):
  kEffectCrossFade = 8,     // the new screen fades in over the old one
  kEffectPanZoom = 9,       // cross-fades in, then slowly zooms and drifts while shown
  kEffectRandomAll = 10,    // one of 0..6, 8 and 9, chosen when the screen is shown
};

inline constexpr int kEffectSteps = 10;      // steps of the stepped effects
inline constexpr int kStepPauseMs = 50;      // pause after each step, the last included

struct Rect {
  int x = 0;  // left, pixels
  int y = 0;  // top, pixels
  int w = 0;  // width, pixels
  int h = 0;  // height, pixels
  bool operator==(const Rect&) const = default;
};

// One blit. A copy (stretch false) takes dest.w x dest.h pixels from
// source.x, source.y (source.w/h equal dest.w/h); a stretch scales the
// whole source rectangle into the destination with nearest-pixel sampling.
struct BlitStep {
  Rect dest;
  Rect source;
  bool stretch = false;
  bool operator==(const BlitStep&) const = default;
};

// part(X) at step i (1..10): i * (X / 10) with truncating division for
// i < 10, and X itself at step 10.
int Part(int x, int step);

// Effect codes outside 0..6 are drawn as 0 (7 must be resolved first).
int DrawnEffect(int32_t effect);

// Whether the (resolved) effect is drawn frame by frame: cross-fade or pan
// and zoom.
inline bool IsMovingEffect(int32_t effect) {
  return effect == kEffectCrossFade || effect == kEffectPanZoom;
}

// Number of blits the effect makes: 1 for effect 0, 10 for the others.
int EffectStepCount(int32_t effect);

// True when the effect pauses kStepPauseMs after each of its steps.
bool EffectPauses(int32_t effect);

// The blit of one step (1-based) of an effect drawn with the presentation
// geometry `geometry` of a picture whose trailer size is width x height.
// Unknown codes plan as effect 0.
BlitStep PlanEffectStep(int32_t effect, int step, const Geometry& geometry, int width,
                        int height);

}  // namespace lmvengine
