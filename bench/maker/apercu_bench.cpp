// The preview's drawing at full HD: what one transition costs besides its
// ten 50-millisecond pauses (the ten blits of the effect into the window's
// pixels), and the copy of a rendered screen into a slot that the worker
// makes for each screen. A transition whose drawing came near its pauses
// would visibly slow down.
//
//   bench_apercu [benchmark flags]
#include <benchmark/benchmark.h>

#include <condition_variable>
#include <mutex>

#include "apercu_scenario/scenario_apercu.h"

namespace {

using namespace lumaveil;

class TempsSansPause : public lmvengine::Clock, public lmvengine::Sleeper {
 public:
  std::int64_t NowSeconds() override { return 0; }
  void SleepMilliseconds(int) override {}
};

talvik::HBITMAP Ecran(int largeur, int hauteur, std::uint32_t graine) {
  talvik::HBITMAP b = talvik::HBITMAP::Create(largeur, hauteur);
  std::uint32_t* p = b.Pixels();
  for (std::size_t i = 0; i < b.PixelCount(); ++i) p[i] = std::uint32_t(i * 2654435761u) ^ graine;
  return b;
}

// One transition of effect state.range(0) with screens of
// state.range(1) x state.range(2) on a 1920 x 1080 display.
void BM_Transition(benchmark::State& state) {
  const int effet = int(state.range(0));
  const int largeur = int(state.range(1));
  const int hauteur = int(state.range(2));
  const talvik::HBITMAP ecrans[2] = {Ecran(largeur, hauteur, 0x123456),
                                     Ecran(largeur, hauteur, 0x654321)};
  TempsSansPause temps;
  std::mutex m;
  std::condition_variable cv;
  int prets = 0;
  CScenarioApercu::Parametres p;
  p.nombre = 2;
  p.largeurEcran = 1920;
  p.hauteurEcran = 1080;
  p.largeurCible = largeur;
  p.hauteurCible = hauteur;
  CScenarioApercu s(
      p, [&](int i) { return EcranApercu{ecrans[i], 0, effet}; }, temps, temps, {},
      [&] {
        std::lock_guard<std::mutex> v(m);
        ++prets;
        cv.notify_all();
      });
  s.Demarre();
  int vus = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      std::unique_lock<std::mutex> v(m);
      cv.wait(v, [&] { return prets > vus; });
      ++vus;
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(s.EtapeAffichage());
  }
  s.Arrete();
}
BENCHMARK(BM_Transition)
    ->Args({1, 1920, 1080})
    ->Args({6, 1920, 1080})
    ->Args({6, 2560, 1440})
    ->Args({4, 2560, 1440})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_CopieDansEmplacement(benchmark::State& state) {
  const talvik::HBITMAP ecran = Ecran(1920, 1080, 0x42);
  for (auto _ : state) benchmark::DoNotOptimize(RasterDepuisBitmap(ecran));
}
BENCHMARK(BM_CopieDansEmplacement)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
