// Construction of the pattern bank: the whole CGraphique constructor (50
// built-in patterns and their thumbnails, the settings store read), the
// generation of all built-in patterns on one thread, and each pattern
// alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "graphique.h"
#include "pattern/motifs_integres.h"

namespace {

// The constructor reads and the destructor writes the settings store: a
// private file keeps the benchmark away from the user's settings.
void StorePrive() {
  static const std::string chemin = [] {
    std::string c = "/tmp/bench_pattern_registry_" + std::to_string(::getpid()) + ".reg";
    ::setenv("LUMAVEIL_REGISTRY", c.c_str(), 1);
    std::atexit([] { std::remove(chemin.c_str()); });
    return c;
  }();
  (void)chemin;
}

void BM_ConstructionBanque(benchmark::State& state) {
  StorePrive();
  for (auto _ : state) {
    talvik::CGraphique g;
    benchmark::DoNotOptimize(g.Motif(49));
  }
}
BENCHMARK(BM_ConstructionBanque)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TousLesMotifsUnFil(benchmark::State& state) {
  std::int64_t pixels = 0;
  for (auto _ : state) {
    for (int n = 0; n < talvik::kNombreMotifsIntegres; ++n) {
      talvik::HBITMAP m = talvik::GenereMotifIntegre(n);
      pixels += std::int64_t(m.PixelCount());
    }
  }
  state.SetItemsProcessed(pixels);
}
BENCHMARK(BM_TousLesMotifsUnFil)->Unit(benchmark::kMillisecond);

void BM_UnMotif(benchmark::State& state) {
  const int n = int(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(talvik::GenereMotifIntegre(n));
  state.SetLabel(talvik::NomMotifIntegre(n));
}
BENCHMARK(BM_UnMotif)->DenseRange(0, 49)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
