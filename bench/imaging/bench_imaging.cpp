// The imaging core's speed on the jobs that rendering and generation do
// most: shrinking a camera picture, colour adjustment, a quarter turn and
// JPEG encoding of a screen.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "graphique.h"

using talvik::Bitmap;
using talvik::CGraphique;

namespace {

// A photo-like picture: smooth gradients with some texture, so that the
// JPEG coder and the filters see realistic data.
Bitmap Photo(int w, int h) {
  Bitmap b = Bitmap::Create(w, h);
  std::uint32_t graine = 12345;
  for (int y = 0; y < h; ++y) {
    std::uint32_t* ligne = b.Row(y);
    for (int x = 0; x < w; ++x) {
      graine = graine * 1103515245u + 12345u;
      const int bruit = int((graine >> 16) & 15) - 8;
      const int r = (x * 255 / w + bruit) & 0xFF;
      const int g = (y * 255 / h + bruit) & 0xFF;
      const int bl = ((x + y) * 255 / (w + h) - bruit) & 0xFF;
      ligne[x] = std::uint32_t(r << 16 | g << 8 | bl);
    }
  }
  return b;
}

const Bitmap& Grande() {
  static const Bitmap b = Photo(4000, 3000);
  return b;
}

const Bitmap& Ecran() {
  static const Bitmap b = Photo(1280, 960);
  return b;
}

void BM_RedimensionneHalftone4000x3000Vers1280x960(benchmark::State& etat) {
  const Bitmap& source = Grande();
  for (auto _ : etat) {
    Bitmap r = CGraphique::RedimensionneImage(source, talvik::CSize(1280, 960), 0);
    benchmark::DoNotOptimize(r.Pixels());
  }
}
BENCHMARK(BM_RedimensionneHalftone4000x3000Vers1280x960)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// A 12-megapixel photo decoded at half size, fitted into a 1920x1080 screen.
void BM_RedimensionneHalftone2000x1500Vers1418x1064(benchmark::State& etat) {
  static const Bitmap source = CGraphique::RedimensionneImage(Grande(), talvik::CSize(2000, 1500), 1);
  for (auto _ : etat) {
    Bitmap r = CGraphique::RedimensionneImage(source, talvik::CSize(1418, 1064), 0);
    benchmark::DoNotOptimize(r.Pixels());
  }
}
BENCHMARK(BM_RedimensionneHalftone2000x1500Vers1418x1064)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_ReglageImage1280x960(benchmark::State& etat) {
  const Bitmap& source = Ecran();
  for (auto _ : etat) {
    Bitmap r = CGraphique::ReglageImage(source, 55, 60, 70);
    benchmark::DoNotOptimize(r.Pixels());
  }
}
BENCHMARK(BM_ReglageImage1280x960)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_RotationQuartDeTour4000x3000(benchmark::State& etat) {
  const Bitmap& source = Grande();
  for (auto _ : etat) {
    Bitmap r = CGraphique::RotationImage(source, 180);
    benchmark::DoNotOptimize(r.Pixels());
  }
}
BENCHMARK(BM_RotationQuartDeTour4000x3000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_SauveImageJPEG1280x960Qualite75(benchmark::State& etat) {
  const Bitmap& source = Ecran();
  const char* dossier = std::getenv("TMPDIR");
  const std::string chemin = std::string(dossier ? dossier : "/tmp") + "/bench_imaging.jpg";
  for (auto _ : etat) {
    if (!CGraphique::SauveImageJPEG(chemin, source, 75)) etat.SkipWithError("JPEG save failed");
  }
  std::remove(chemin.c_str());
}
BENCHMARK(BM_SauveImageJPEG1280x960Qualite75)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

// "--write-inputs DIR" writes the two benchmark pictures as DIR/large.bmp
// and DIR/screen.bmp (for running the same jobs in another program) and
// exits; anything else runs the benchmarks.
int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-inputs") {
    const std::string dossier = argv[2];
    const bool ok = CGraphique::SauveImageBMP(dossier + "/large.bmp", Grande()) &&
                    CGraphique::SauveImageBMP(dossier + "/screen.bmp", Ecran());
    return ok ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
