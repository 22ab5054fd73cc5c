// The frame arithmetic of the moving effects: cross-fade frames, pan
// windows, shuffle cycles.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "frame_compositor.h"
#include "motion.h"
#include "random.h"

namespace {

using lmvengine::PanWindow;
using lmvengine::Raster;
using lmvengine::RecordOptions;

// A picture whose every pixel differs from its neighbours.
Raster Pattern(int width, int height, uint32_t seed) {
  Raster r = lmvengine::MakeRaster(width, height, 0);
  for (size_t i = 0; i < r.pixels.size(); ++i) {
    r.pixels[i] = lmvengine::Mix32(static_cast<uint32_t>(i) ^ seed) & 0x00FFFFFFu;
  }
  return r;
}

int Channel(uint32_t p, int shift) { return static_cast<int>((p >> shift) & 255u); }

class CrossFade : public ::testing::TestWithParam<int> {};

// At 0 % the frame is the old picture, at 100 % the new one, in between
// each channel is the weighted mean of the two (to rounding).
TEST_P(CrossFade, FrameIsTheWeightedMeanOfBothPictures) {
  const int percent = GetParam();
  const int transition = 1500;
  const Raster before = Pattern(64, 48, 1);
  const Raster after = Pattern(64, 48, 2);
  Raster frame = lmvengine::MakeRaster(64, 48, 0x123456);
  const int alpha = lmvengine::CrossFadeAlpha(transition * percent / 100, transition);
  lmvengine::ComposeRows({&before, lmvengine::WholePicture(before)},
                         {&after, lmvengine::WholePicture(after)}, alpha, frame, 0, 48);
  const double w = percent / 100.0;
  for (size_t i = 0; i < frame.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const double expected =
          Channel(before.pixels[i], shift) * (1 - w) + Channel(after.pixels[i], shift) * w;
      ASSERT_LE(std::abs(Channel(frame.pixels[i], shift) - expected), percent % 100 ? 1.0 : 0.0)
          << "pixel " << i << " at " << percent << " %";
    }
  }
}
INSTANTIATE_TEST_SUITE_P(Percent, CrossFade, ::testing::Values(0, 50, 100));

// Every record's window, all along its path, in both orientations and with
// or without a subject: inside the picture, the saver's proportions, never
// smaller than 1 / 1.25 of the largest.
class PanFraming : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(PanFraming, WindowStaysInsideThePictureWithTheSaversShape) {
  const auto [saverWidth, saverHeight, subject] = GetParam();
  const int pw = lmvengine::PanZoomPictureSide(saverWidth);
  const int ph = lmvengine::PanZoomPictureSide(saverHeight);
  RecordOptions entry;
  if (subject) entry = RecordOptions{1500, pw, ph, 8000, 100, 9900, 2000};
  const PanWindow full = lmvengine::FullPanWindow(pw, ph, saverWidth, saverHeight);
  std::set<std::tuple<double, double>> middles;
  for (int index = 0; index < 300; ++index) {
    for (int step = 0; step <= 20; ++step) {
      const PanWindow w = lmvengine::PanZoomWindow(index, step / 20.0, pw, ph, saverWidth,
                                                   saverHeight, entry);
      ASSERT_GE(w.x, 0) << index;
      ASSERT_GE(w.y, 0) << index;
      ASSERT_LE(w.x + w.w, pw) << index;
      ASSERT_LE(w.y + w.h, ph) << index;
      ASSERT_NEAR(w.w / w.h, double(saverWidth) / saverHeight, 1e-9) << index;
      ASSERT_GE(w.w, full.w * lmvengine::kPanZoomMinZoom - 1e-9) << index;
      ASSERT_LE(w.w, full.w + 1e-9) << index;
      if (step == 10) middles.insert({w.x, w.y});
    }
    if (subject) {
      // The end framing holds the subject (or as much of it as the
      // smallest window can show).
      const PanWindow end = lmvengine::PanZoomWindow(index, 1.0, pw, ph, saverWidth,
                                                     saverHeight, entry);
      EXPECT_LE(end.x, pw * 0.8 + 1e-9);
      EXPECT_GE(end.x + end.w, pw * 0.99 - 1e-9);
      EXPECT_LE(end.y, ph * 0.01 + 1e-9);
    }
  }
  if (!subject) {
    EXPECT_GT(middles.size(), 250u) << "records get paths of their own";
  }
}
INSTANTIATE_TEST_SUITE_P(Orientations, PanFraming,
                         ::testing::Combine(::testing::Values(1920, 240),
                                            ::testing::Values(1080, 320), ::testing::Bool()));

TEST(PanFraming, PathIsAFunctionOfTheIndexAlone) {
  const RecordOptions entry;
  EXPECT_EQ(lmvengine::PanZoomWindow(7, 0.3, 1000, 750, 800, 600, entry),
            lmvengine::PanZoomWindow(7, 0.3, 1000, 750, 800, 600, entry));
  EXPECT_NE(lmvengine::PanZoomWindow(7, 0.0, 1000, 750, 800, 600, entry),
            lmvengine::PanZoomWindow(8, 0.0, 1000, 750, 800, 600, entry));
  // Fixed values a port must give too.
  EXPECT_EQ(lmvengine::Mix32(1), 0x514E28B7u);
  EXPECT_EQ(lmvengine::PanHash(0), lmvengine::Mix32(0x7F4A7C15u));
}

class ShuffleCycles : public ::testing::TestWithParam<int> {};

TEST_P(ShuffleCycles, EveryScreenOncePerCycleAndNoRepeatAtTheBoundary) {
  const int count = GetParam();
  lmvengine::Shuffle shuffle{0xC0FFEEu};
  int32_t previousLast = -1;
  std::set<std::vector<int32_t>> orders;
  for (int cycle = 0; cycle < 1000; ++cycle) {
    const std::vector<int32_t> order = lmvengine::NextShuffleCycle(shuffle, count);
    ASSERT_EQ(std::set<int32_t>(order.begin(), order.end()).size(), size_t(count));
    ASSERT_EQ(*std::min_element(order.begin(), order.end()), 0);
    ASSERT_EQ(*std::max_element(order.begin(), order.end()), count - 1);
    ASSERT_NE(order.front(), previousLast) << "cycle " << cycle;
    previousLast = order.back();
    orders.insert(order);
  }
  if (count >= 3) {
    EXPECT_GT(orders.size(), 3u);
  }
  // Another seed, another order.
  lmvengine::Shuffle a{1}, b{2};
  if (count >= 50) {
    EXPECT_NE(lmvengine::NextShuffleCycle(a, count), lmvengine::NextShuffleCycle(b, count));
  }
}
INSTANTIATE_TEST_SUITE_P(Counts, ShuffleCycles, ::testing::Values(2, 3, 50));

TEST(Monitors, EachMonitorStartsAtItsOwnPlace) {
  EXPECT_EQ(lmvengine::MonitorStartPosition(0, 2, 10), 0);
  EXPECT_EQ(lmvengine::MonitorStartPosition(1, 2, 10), 5);
  EXPECT_EQ(lmvengine::MonitorStartPosition(2, 3, 2), 1);
  EXPECT_EQ(lmvengine::MonitorStartPosition(1, 2, 1), 0);
}

}  // namespace

namespace {

TEST(RandomAll, ChoosesAmongTheDesignedAndTheMovingEffects) {
  lmvengine::Random designed, all;
  std::set<int32_t> seen;
  for (int i = 0; i < 1000; ++i) {
    const int32_t code = lmvengine::ResolveRandomEffect(lmvengine::kEffectRandomAll, all);
    // The same generator as Random's, mapped onto nine codes.
    const int32_t kAll[] = {0, 1, 2, 3, 4, 5, 6, 8, 9};
    ASSERT_EQ(code, kAll[designed.Next() % 9]);
    seen.insert(code);
  }
  EXPECT_EQ(seen, (std::set<int32_t>{0, 1, 2, 3, 4, 5, 6, 8, 9}));
}

}  // namespace
