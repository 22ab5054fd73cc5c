// The player as a process: from exec to the first frame written in virtual
// mode, and the CPU time the X11 player uses while a screen is held (it
// sleeps on its timer, so it should be near zero).
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "demo_pictures.h"
#include "jpeg_encoder.h"
#include "processus_bench.h"
#include "xvfb.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kBin = LUMAVEIL_BIN_DIR;

// A package of two demo pictures at width x height, each shown `seconds`.
std::string MakePackage(const fs::path& dir, int width, int height, int seconds) {
  fs::create_directories(dir);
  std::string pictures;
  for (int i : {0, 4}) {
    lmvtools::DemoPicture p = lmvtools::DrawDemoPicture(i, width, height);
    const fs::path file = dir / (p.name + ".jpg");
    lmvtools::WriteFileBytes(file, lmvtools::EncodeJpeg(p.rgb, width, height, 3, 90));
    pictures += " " + std::to_string(seconds) + ":1:" + file.string();
  }
  const std::string out = (dir / "saver").string();
  const std::string command = kBin + "/lmvpack " + out + " " + kBin + "/LmvEngine " +
                              std::to_string(width) + "x" + std::to_string(height) + pictures;
  return std::system(command.c_str()) == 0 ? out : std::string();
}

pid_t Spawn(const std::vector<std::string>& argv, const std::string& display = "") {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "DISPLAY=", 8) != 0) env.emplace_back(*e);
  }
  if (!display.empty()) env.push_back("DISPLAY=" + display);
  std::vector<char*> envp;
  for (auto& s : env) envp.push_back(s.data());
  envp.push_back(nullptr);
  return lumaveil::bench::Demarre(argv, envp.data());
}

// Exec to the first frame: the player stops after one blit (--draws 1).
void BM_VirtualStartToFirstFrame(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const fs::path dir = fs::temp_directory_path() / "lmv-bench-start";
  const std::string saver = MakePackage(dir, w, h, 3);
  if (saver.empty()) {
    state.SkipWithError("lmvpack failed");
    return;
  }
  const std::string frames = (dir / "frames").string();
  double cpuMs = 0;
  for (auto _ : state) {
    pid_t pid = Spawn({saver, "--virtual", std::to_string(w) + "x" + std::to_string(h), "--frames",
                       frames, "--draws", "1"});
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    cpuMs += (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
             (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  }
  // The player's own work (user + system), which waiting for a core on a
  // busy machine does not stretch.
  state.counters["cpu_ms"] = cpuMs / static_cast<double>(state.iterations());
  if (!fs::exists(dir / "frames" / "frame-0001.ppm")) state.SkipWithError("no frame written");
  fs::remove_all(dir);
}
BENCHMARK(BM_VirtualStartToFirstFrame)
    ->Args({1280, 960})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// User + system CPU seconds of a process so far.
double CpuSeconds(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t close = all.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(all.substr(close + 2));
  std::string skip;
  for (int i = 3; i < 14; ++i) fields >> skip;  // fields 3..13
  long utime = 0, stime = 0;
  fields >> utime >> stime;
  return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The X11 player full screen on Xvfb with 1920x1080 screens of 4 s: CPU
// used during 3 s in which it only holds the screen on display.
void BM_X11CpuBetweenScreens(benchmark::State& state) {
  lumaveil::testing::Xvfb xvfb(1920, 1080);
  if (!xvfb.Ok()) {
    state.SkipWithError("Xvfb could not start");
    return;
  }
  const fs::path dir = fs::temp_directory_path() / "lmv-bench-x11";
  const std::string saver = MakePackage(dir, 1920, 1080, 4);
  double idleCpu = 0, drawCpu = 0;
  for (auto _ : state) {
    pid_t pid = Spawn({saver, "/s"}, xvfb.Display());
    std::this_thread::sleep_for(500ms);  // first screen drawn, second decoded
    const double start = CpuSeconds(pid);
    std::this_thread::sleep_for(3000ms);
    const double held = CpuSeconds(pid);
    std::this_thread::sleep_for(1500ms);  // the second screen's transition
    const double after = CpuSeconds(pid);
    idleCpu = held - start;
    drawCpu = after - held;
    state.SetIterationTime(3.0);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  state.counters["cpu_ms_idle_3s"] = idleCpu * 1000.0;
  state.counters["cpu_ms_next_screen"] = drawCpu * 1000.0;
  fs::remove_all(dir);
}
BENCHMARK(BM_X11CpuBetweenScreens)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
