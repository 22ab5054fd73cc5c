// Drawing the transition steps at 3840x2160 in the virtual display (the
// software raster that the virtual display and the X11 player draw with):
// each effect's ten steps of a 3840x2160 screen on a 3840x2160 display, and
// of a 1920x1080 screen scaled down from 3840x2160 (a 4K saver on a 1080p
// monitor). The counter worst_step_ms is the slowest single step seen, in
// CPU time of the drawing thread (a busy machine does not inflate it).
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>

#include "effects.h"
#include "geometry.h"
#include "soft_raster.h"

namespace {

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

lmvengine::Raster Picture(int width, int height) {
  lmvengine::Raster r = lmvengine::MakeRaster(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      r.pixels[static_cast<size_t>(y) * width + x] =
          (static_cast<uint32_t>(x & 0xFF) << 16) | (static_cast<uint32_t>(y & 0xFF) << 8) |
          static_cast<uint32_t>((x ^ y) & 0xFF);
    }
  }
  return r;
}

void BM_EffectSteps(benchmark::State& state) {
  const int effect = static_cast<int>(state.range(0));
  const int screenWidth = static_cast<int>(state.range(1));
  const int screenHeight = static_cast<int>(state.range(2));
  constexpr int kWidth = 3840, kHeight = 2160;
  const lmvengine::Raster picture = Picture(kWidth, kHeight);
  lmvengine::Raster display =
      lmvengine::MakeRaster(screenWidth, screenHeight, lmvengine::kClassBackground);
  const lmvengine::Geometry g =
      lmvengine::ComputeGeometry(kWidth, kHeight, screenWidth, screenHeight);
  double worst = 0;
  for (auto _ : state) {
    for (int step = 1; step <= lmvengine::EffectStepCount(effect); ++step) {
      const double start = ThreadCpuMs();
      lmvengine::BlitRaster(picture, lmvengine::PlanEffectStep(effect, step, g, kWidth, kHeight),
                            display);
      worst = std::max(worst, ThreadCpuMs() - start);
    }
    benchmark::DoNotOptimize(display.pixels.data());
  }
  state.counters["steps"] = lmvengine::EffectStepCount(effect);
  state.counters["worst_step_ms"] = worst;
}
BENCHMARK(BM_EffectSteps)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {3840}, {2160}})
    ->Args({1, 1920, 1080})
    ->Args({6, 1920, 1080})
    ->ArgNames({"effect", "w", "h"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
