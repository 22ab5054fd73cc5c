// One frame of the moving effects, as the players compose it: a cross-fade
// of two still screens, and the worst case of pan and zoom (a panning
// screen fading in over a panning one), at 1920x1080 on one thread (CPU
// time of the thread, the target is 6 ms) and at 3840x2160 on two (wall
// time, the target is 16 ms). Pan pictures are 1.25 times the saver's size.
// Beside them, the peer: libvips scaling one such picture onto the frame
// with bilinear sampling on one thread (`vips affine`, CPU time of the
// command; its 16x16 run is the command's own start to subtract).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "frame_compositor.h"
#include "motion.h"
#include "soft_raster.h"
#include "thread_rows.h"

namespace {

lmvengine::Raster Picture(int width, int height, uint32_t seed) {
  lmvengine::Raster r = lmvengine::MakeRaster(width, height, 0);
  for (size_t i = 0; i < r.pixels.size(); ++i) {
    r.pixels[i] = lmvengine::Mix32(static_cast<uint32_t>(i) ^ seed) & 0x00FFFFFFu;
  }
  return r;
}

// range(0): 0 cross-fade, 1 pan and zoom; range(1), range(2): the frame;
// range(3): threads.
void BM_MotionFrame(benchmark::State& state) {
  const bool pan = state.range(0) == 1;
  const int w = static_cast<int>(state.range(1));
  const int h = static_cast<int>(state.range(2));
  const int threads = static_cast<int>(state.range(3));
  const int pw = pan ? lmvengine::PanZoomPictureSide(w) : w;
  const int ph = pan ? lmvengine::PanZoomPictureSide(h) : h;
  const lmvengine::Raster a = Picture(pw, ph, 1);
  const lmvengine::Raster b = Picture(pw, ph, 2);
  lmvengine::Raster frame = lmvengine::MakeRaster(w, h, 0);
  lmvengine::ThreadRows rows(threads);
  const lmvengine::RecordOptions entry;
  double p = 0;
  for (auto _ : state) {
    lmvengine::FrameLayer under{&a, lmvengine::WholePicture(a)};
    lmvengine::FrameLayer over{&b, lmvengine::WholePicture(b)};
    if (pan) {
      under.window = lmvengine::PanZoomWindow(3, 0.9 + p / 10, pw, ph, w, h, entry);
      over.window = lmvengine::PanZoomWindow(4, p / 10, pw, ph, w, h, entry);
    }
    lmvengine::ComposeFrame(under, over, 100, frame, &rows);
    benchmark::DoNotOptimize(frame.pixels.data());
    p = p >= 0.99 ? 0 : p + 0.01;
  }
  state.SetItemsProcessed(state.iterations() * int64_t{w} * h);
}

BENCHMARK(BM_MotionFrame)
    ->ArgNames({"pan", "w", "h", "threads"})
    ->Args({0, 1920, 1080, 1})
    ->Args({1, 1920, 1080, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MotionFrame)
    ->ArgNames({"pan", "w", "h", "threads"})
    ->Args({0, 3840, 2160, 2})
    ->Args({1, 3840, 2160, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

double ChildrenCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// range(0), range(1): the frame; the picture is 1.25 times as large.
void BM_PeerVipsAffine(benchmark::State& state) {
  namespace fs = std::filesystem;
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  const int pw = lmvengine::PanZoomPictureSide(w);
  const int ph = lmvengine::PanZoomPictureSide(h);
  const fs::path dir = fs::temp_directory_path() / ("lmv-bench-vips-" + std::to_string(w));
  fs::create_directories(dir);
  const std::string picture = (dir / "a.v").string();
  const std::string prepare = "vips copy '" + (dir / "a.ppm").string() + "' '" + picture +
                              "' >/dev/null 2>&1";
  if (!lmvengine::WritePpm(Picture(pw, ph, 1), dir / "a.ppm") ||
      std::system(prepare.c_str()) != 0) {
    state.SkipWithError("vips is not available (libvips-tools)");
    return;
  }
  const double scale = static_cast<double>(w) / pw;
  const std::string command =
      "vips affine '" + picture + "' '" + (dir / "b.v").string() + "' '" +
      std::to_string(scale) + " 0 0 " + std::to_string(scale) +
      "' --interpolate bilinear --oarea '0 0 " + std::to_string(w) + " " + std::to_string(h) +
      "' --vips-concurrency=1 >/dev/null 2>&1";
  for (auto _ : state) {
    const double before = ChildrenCpuSeconds();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("vips affine failed");
      break;
    }
    state.SetIterationTime(ChildrenCpuSeconds() - before);
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_PeerVipsAffine)
    ->ArgNames({"w", "h"})
    ->Args({16, 16})
    ->Args({1920, 1080})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
