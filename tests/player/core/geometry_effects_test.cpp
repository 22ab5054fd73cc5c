// Presentation geometry and the step plans of the seven effects.
#include <gtest/gtest.h>

#include "effects.h"
#include "geometry.h"

namespace {

using lmvengine::BlitStep;
using lmvengine::ComputeGeometry;
using lmvengine::Geometry;
using lmvengine::PlanEffectStep;
using lmvengine::Rect;

TEST(Geometry, TheSaversOwnSizeIsDrawnUnscaledAtTheOrigin) {
  EXPECT_EQ(ComputeGeometry(640, 480, 640, 480), (Geometry{0, 0, 640, 480, false}));
  EXPECT_EQ(ComputeGeometry(1920, 1080, 1920, 1080), (Geometry{0, 0, 1920, 1080, false}));
}

// As large as fits, proportions kept (to the nearest pixel), centred.
TEST(Geometry, PicturesFitTheScreenWithTheirProportions) {
  struct Case {
    int w, h, sw, sh;
    Geometry expected;
  };
  for (const Case& c : {
           Case{1920, 1080, 1440, 900, {0, 45, 1440, 810, true}},     // laptop: letterbox
           Case{1920, 1080, 2560, 1440, {0, 0, 2560, 1440, true}},    // scaled up whole
           Case{640, 480, 1024, 768, {0, 0, 1024, 768, true}},
           Case{1280, 960, 1024, 768, {0, 0, 1024, 768, true}},
           Case{240, 320, 1920, 1080, {555, 0, 810, 1080, true}},     // portrait: pillarbox
           Case{240, 1001, 1024, 768, {420, 0, 184, 768, true}},
           Case{640, 480, 1024, 480, {192, 0, 640, 480, false}},      // same height: unscaled
       }) {
    const Geometry g = ComputeGeometry(c.w, c.h, c.sw, c.sh);
    EXPECT_EQ(g, c.expected) << c.w << "x" << c.h << " on " << c.sw << "x" << c.sh;
    EXPECT_GE(g.destX, 0);
    EXPECT_GE(g.destY, 0);
    EXPECT_LE(g.destX + g.destWidth, c.sw);
    EXPECT_LE(g.destY + g.destHeight, c.sh);
  }
}

TEST(EffectPart, StepsTruncateAndTheLastReachesTheWhole) {
  EXPECT_EQ(lmvengine::Part(768, 3), 228);
  EXPECT_EQ(lmvengine::Part(959, 9), 855);
  EXPECT_EQ(lmvengine::Part(959, 10), 959);
  EXPECT_EQ(lmvengine::Part(7, 5), 0);
  for (int x : {240, 241, 767, 1080}) {
    int previous = 0;
    for (int i = 1; i <= 10; ++i) {
      EXPECT_GE(lmvengine::Part(x, i), previous);
      previous = lmvengine::Part(x, i);
    }
    EXPECT_EQ(previous, x);
  }
}

TEST(Effects, UpDownAtStepThreeOnAScaledScreen) {
  Geometry g = ComputeGeometry(1280, 960, 1024, 768);
  BlitStep s = PlanEffectStep(1, 3, g, 1280, 960);
  EXPECT_EQ(s.dest, (Rect{0, 0, 1024, 228}));
  EXPECT_EQ(s.source, (Rect{0, 0, 1280, 288}));
  EXPECT_TRUE(s.stretch);
  BlitStep last = PlanEffectStep(1, 10, g, 1280, 960);
  EXPECT_EQ(last.dest, (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(last.source, (Rect{0, 0, 1280, 960}));
}

TEST(Effects, StretchingStartsAsASmallRectangleAtTheCentre) {
  Geometry g = ComputeGeometry(640, 480, 1024, 480);
  BlitStep s = PlanEffectStep(6, 1, g, 640, 480);
  EXPECT_EQ(s.dest, (Rect{480, 216, 64, 48}));
  EXPECT_EQ(s.source, (Rect{0, 0, 640, 480}));
  EXPECT_TRUE(s.stretch);
}

TEST(Effects, DownUpShowsThePicturesBottomRowsAtTheBottom) {
  Geometry unscaled = ComputeGeometry(640, 480, 1024, 480);
  BlitStep s = PlanEffectStep(4, 2, unscaled, 640, 480);
  EXPECT_EQ(s.dest, (Rect{192, 0 + 480 - 96, 640, 96}));
  EXPECT_EQ(s.source, (Rect{0, 480 - 96, 640, 96}));
  EXPECT_FALSE(s.stretch);
  Geometry scaled = ComputeGeometry(1280, 960, 1024, 768);
  BlitStep t = PlanEffectStep(4, 3, scaled, 1280, 960);
  EXPECT_EQ(t.dest, (Rect{0, 768 - 228, 1024, 228}));
  EXPECT_EQ(t.source, (Rect{0, 960 - 288, 1280, 288}));
  EXPECT_TRUE(t.stretch);
}

TEST(Effects, CornerAndCentreEffectsAlwaysScaleTheWholePicture) {
  Geometry g = ComputeGeometry(640, 480, 1024, 480);
  for (int effect : {2, 3, 6}) {
    for (int step = 1; step <= 10; ++step) {
      BlitStep s = PlanEffectStep(effect, step, g, 640, 480);
      EXPECT_TRUE(s.stretch);
      EXPECT_EQ(s.source, (Rect{0, 0, 640, 480}));
      // The growing rectangle stays inside the picture's place.
      EXPECT_GE(s.dest.x, 192);
      EXPECT_GE(s.dest.y, 0);
      EXPECT_LE(s.dest.x + s.dest.w, 192 + 640);
      EXPECT_LE(s.dest.y + s.dest.h, 0 + 480);
    }
  }
  BlitStep corner = PlanEffectStep(3, 4, g, 640, 480);
  EXPECT_EQ(corner.dest, (Rect{192 + 640 - 256, 480 - 192, 256, 192}));
  BlitStep topLeft = PlanEffectStep(2, 4, g, 640, 480);
  EXPECT_EQ(topLeft.dest, (Rect{192, 0, 256, 192}));
}

TEST(Effects, LeftRightBandGrowsFromTheLeft) {
  Geometry g = ComputeGeometry(1280, 960, 1024, 768);
  BlitStep s = PlanEffectStep(5, 7, g, 1280, 960);
  EXPECT_EQ(s.dest, (Rect{0, 0, 714, 768}));
  EXPECT_EQ(s.source, (Rect{0, 0, 896, 960}));
  Geometry u = ComputeGeometry(640, 480, 1024, 480);
  BlitStep c = PlanEffectStep(5, 7, u, 640, 480);
  EXPECT_EQ(c.dest, (Rect{192, 0, 448, 480}));
  EXPECT_EQ(c.source, (Rect{0, 0, 448, 480}));
  EXPECT_FALSE(c.stretch);
}

TEST(Effects, EveryEffectEndsWithTheWholePictureInItsPlace) {
  for (auto [w, h] : {std::pair{640, 480}, std::pair{1280, 960}, std::pair{1024, 768}}) {
    Geometry g = ComputeGeometry(w, h, 1024, 768);
    for (int effect = 0; effect <= 6; ++effect) {
      const int last = lmvengine::EffectStepCount(effect);
      BlitStep s = PlanEffectStep(effect, last, g, w, h);
      EXPECT_EQ(s.dest, (Rect{g.destX, g.destY, g.destWidth, g.destHeight})) << effect;
    }
  }
}

TEST(Effects, UnknownCodesDrawAsNoEffect) {
  Geometry g = ComputeGeometry(640, 480, 1024, 480);
  const BlitStep none = PlanEffectStep(0, 1, g, 640, 480);
  for (int code : {7, 8, 100, -1, -2147483647}) {
    EXPECT_EQ(lmvengine::DrawnEffect(code == 7 ? 8 : code), 0);
    EXPECT_EQ(PlanEffectStep(code, 1, g, 640, 480), none);
  }
  EXPECT_EQ(lmvengine::EffectStepCount(0), 1);
  EXPECT_EQ(lmvengine::EffectStepCount(9), 1);
  EXPECT_EQ(lmvengine::EffectStepCount(4), 10);
  EXPECT_EQ(none.dest, (Rect{192, 0, 640, 480}));
  EXPECT_EQ(none.source, (Rect{0, 0, 640, 480}));
  EXPECT_FALSE(none.stretch);
}

}  // namespace

namespace {

// Scaled screens are filtered; at the saver's own size the steps that
// scale the picture into a growing rectangle stay as designed.
TEST(Effects, OnlyScreensDrawnAtAnotherSizeAreFiltered) {
  const Geometry own = ComputeGeometry(640, 480, 640, 480);
  const Geometry scaled = ComputeGeometry(640, 480, 1024, 768);
  for (int effect = 0; effect <= 6; ++effect) {
    for (int step = 1; step <= lmvengine::EffectStepCount(effect); ++step) {
      EXPECT_FALSE(PlanEffectStep(effect, step, own, 640, 480).smooth) << effect;
      const BlitStep s = PlanEffectStep(effect, step, scaled, 640, 480);
      EXPECT_EQ(s.smooth, s.stretch) << effect;
      EXPECT_TRUE(s.stretch) << effect;
    }
  }
}

}  // namespace
