#include "effects.h"

namespace lmvengine {

int Part(int x, int step) {
  if (step >= kEffectSteps) return x;
  return step * (x / kEffectSteps);
}

int DrawnEffect(int32_t effect) {
  return (effect >= kEffectNone && effect <= kEffectStretching) ? effect : kEffectNone;
}

int EffectStepCount(int32_t effect) {
  return DrawnEffect(effect) == kEffectNone ? 1 : kEffectSteps;
}

bool EffectPauses(int32_t effect) { return DrawnEffect(effect) != kEffectNone; }

namespace {

// Inputs of one step: geometry, picture size and the step number.
struct StepInput {
  const Geometry& g;
  int width;   // picture width from the trailer
  int height;  // picture height from the trailer
  int step;    // 1..10
};

// A copy of dest's size from (sx, sy), or a stretch of `scaled` when the
// geometry scales the pictures.
BlitStep CopyOrStretch(const StepInput& in, Rect dest, int sx, int sy, Rect scaled) {
  if (in.g.stretch) return BlitStep{dest, scaled, true};
  return BlitStep{dest, Rect{sx, sy, dest.w, dest.h}, false};
}

BlitStep PlanNone(const StepInput& in) {
  Rect dest{in.g.destX, in.g.destY, in.g.destWidth, in.g.destHeight};
  return CopyOrStretch(in, dest, 0, 0, Rect{0, 0, in.width, in.height});
}

BlitStep PlanUpDown(const StepInput& in) {
  int h = Part(in.g.destHeight, in.step);
  int hs = Part(in.height, in.step);
  Rect dest{in.g.destX, in.g.destY, in.g.destWidth, h};
  return CopyOrStretch(in, dest, 0, 0, Rect{0, 0, in.width, hs});
}

BlitStep PlanUpLeftDown(const StepInput& in) {
  int w = Part(in.g.destWidth, in.step);
  int h = Part(in.g.destHeight, in.step);
  return BlitStep{Rect{in.g.destX, in.g.destY, w, h}, Rect{0, 0, in.width, in.height}, true};
}

BlitStep PlanDownRightUp(const StepInput& in) {
  int w = Part(in.g.destWidth, in.step);
  int h = Part(in.g.destHeight, in.step);
  Rect dest{in.g.destX + in.g.destWidth - w, in.g.destY + in.g.destHeight - h, w, h};
  return BlitStep{dest, Rect{0, 0, in.width, in.height}, true};
}

BlitStep PlanDownUp(const StepInput& in) {
  int h = Part(in.g.destHeight, in.step);
  int hs = Part(in.height, in.step);
  Rect dest{in.g.destX, in.g.destY + in.g.destHeight - h, in.g.destWidth, h};
  return CopyOrStretch(in, dest, 0, in.height - hs, Rect{0, in.height - hs, in.width, hs});
}

BlitStep PlanLeftRight(const StepInput& in) {
  int w = Part(in.g.destWidth, in.step);
  int ws = Part(in.width, in.step);
  Rect dest{in.g.destX, in.g.destY, w, in.g.destHeight};
  return CopyOrStretch(in, dest, 0, 0, Rect{0, 0, ws, in.height});
}

BlitStep PlanStretching(const StepInput& in) {
  int w = Part(in.g.destWidth, in.step);
  int h = Part(in.g.destHeight, in.step);
  Rect dest{in.g.destX + (in.g.destWidth - w) / 2, in.g.destY + (in.g.destHeight - h) / 2, w, h};
  return BlitStep{dest, Rect{0, 0, in.width, in.height}, true};
}

using StepPlan = BlitStep (*)(const StepInput&);

// Indexed by effect code 0..6.
constexpr StepPlan kPlans[] = {PlanNone,   PlanUpDown,    PlanUpLeftDown, PlanDownRightUp,
                               PlanDownUp, PlanLeftRight, PlanStretching};

}  // namespace

BlitStep PlanEffectStep(int32_t effect, int step, const Geometry& geometry, int width,
                        int height) {
  BlitStep planned = kPlans[DrawnEffect(effect)](StepInput{geometry, width, height, step});
  // Screens drawn at another size than their own are filtered; at their
  // own size every step stays as planned.
  planned.smooth = planned.stretch && geometry.stretch;
  return planned;
}

}  // namespace lmvengine
