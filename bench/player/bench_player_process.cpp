// The player as a process: from exec to the first frame written in virtual
// mode, the CPU time the X11 player uses while a screen is held (it
// sleeps on its timer, so it should be near zero), and the frames it draws
// late over 20 cross-fade and pan-and-zoom transitions (its own count).
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
#include "effects.h"
#include "jpeg_encoder.h"
#include "motion.h"
#include "package_writer.h"
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

pid_t Spawn(const std::vector<std::string>& argv, const std::string& display = "",
            const std::string& extra = "") {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "DISPLAY=", 8) != 0) env.emplace_back(*e);
  }
  if (!display.empty()) env.push_back("DISPLAY=" + display);
  if (!extra.empty()) env.push_back(extra);
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

// A saver of `transitions` + 1 screens at width x height shown 0 s each,
// every later one coming on with a 1 s cross-fade, every other one
// panning (its picture 1.25 times as large): the player animates from the
// first transition to the last.
std::string MovingPackage(const fs::path& dir, int width, int height, int transitions) {
  fs::create_directories(dir);
  const int pw = lmvengine::PanZoomPictureSide(width);
  const int ph = lmvengine::PanZoomPictureSide(height);
  const fs::path still = dir / "still.jpg";
  const fs::path large = dir / "large.jpg";
  lmvtools::WriteFileBytes(still, lmvtools::EncodeJpeg(lmvtools::DrawDemoPicture(0, width, height).rgb,
                                                       width, height, 3, 90));
  lmvtools::WriteFileBytes(large, lmvtools::EncodeJpeg(lmvtools::DrawDemoPicture(4, pw, ph).rgb, pw,
                                                       ph, 3, 90));
  const fs::path out = dir / "moving";
  lmvengine::PackageWriter writer;
  if (!writer.Begin(out, kBin + "/LmvEngine")) return {};
  for (int i = 0; i <= transitions; ++i) {
    const bool pans = i % 2 == 1;
    lmvengine::RecordOptions entry;
    entry.transitionMs = 1000;
    if (pans) {
      entry.pictureWidth = pw;
      entry.pictureHeight = ph;
    }
    if (!writer.AppendRecordFile(0, pans ? lmvengine::kEffectPanZoom : lmvengine::kEffectCrossFade,
                                 pans ? large : still, entry)) {
      return {};
    }
  }
  if (!writer.Finish(width, height)) return {};
  fs::permissions(out, fs::perms::owner_exec, fs::perm_options::add);
  return out.string();
}

// The X11 player full screen on Xvfb plays 20 transitions of 1 s at
// range(0) x range(1); its pacing count at exit: frames drawn, and the
// refresh slots (60 Hz) it let pass without a frame. Beside them, the CPU
// it used over 3 s of a still screen after a cross-fade.
void BM_X11FramesLate(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  lumaveil::testing::Xvfb xvfb(width, height);
  if (!xvfb.Ok()) {
    state.SkipWithError("Xvfb could not start");
    return;
  }
  const fs::path dir = fs::temp_directory_path() / "lmv-bench-x11-pacing";
  const std::string saver = MovingPackage(dir, width, height, 20);
  const fs::path stats = dir / "stats.txt";
  long long drawn = 0, late = 0;
  for (auto _ : state) {
    fs::remove(stats);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = Spawn({saver, "/s"}, xvfb.Display(), "LMVENGINE_FRAME_STATS=" + stats.string());
    if (pid <= 0) {
      state.SkipWithError("the player did not start");
      break;
    }
    // The first screen, then 20 fades of 1 s; the last screen is held.
    std::this_thread::sleep_for(22s);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::ifstream in(stats);
    std::string word;
    in >> word >> word >> drawn >> word >> late;
  }
  state.counters["frames_drawn"] = static_cast<double>(drawn);
  state.counters["frames_late"] = static_cast<double>(late);
  state.counters["late_percent"] = drawn + late > 0 ? 100.0 * late / (drawn + late) : 100.0;
  if (drawn == 0) state.SkipWithError("no pacing count: did the player start?");
  fs::remove_all(dir);
}
BENCHMARK(BM_X11FramesLate)
    ->Args({1280, 720})
    ->Args({1920, 1080})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The CPU the X11 player uses over 3 s while a still screen is shown after
// a cross-fade (the fade's frames over, it sleeps on its timer).
void BM_X11CpuAfterCrossFade(benchmark::State& state) {
  lumaveil::testing::Xvfb xvfb(1920, 1080);
  if (!xvfb.Ok()) {
    state.SkipWithError("Xvfb could not start");
    return;
  }
  const fs::path dir = fs::temp_directory_path() / "lmv-bench-x11-still";
  fs::create_directories(dir);
  const fs::path picture = dir / "a.jpg";
  lmvtools::WriteFileBytes(picture, lmvtools::EncodeJpeg(lmvtools::DrawDemoPicture(0, 1920, 1080).rgb,
                                                         1920, 1080, 3, 90));
  const fs::path saver = dir / "fade";
  lmvengine::PackageWriter writer;
  lmvengine::RecordOptions entry;
  entry.transitionMs = 1000;
  if (!writer.Begin(saver, kBin + "/LmvEngine") || !writer.AppendRecordFile(1, 0, picture) ||
      !writer.AppendRecordFile(30, lmvengine::kEffectCrossFade, picture, entry) ||
      !writer.Finish(1920, 1080)) {
    state.SkipWithError("could not write the saver");
    return;
  }
  fs::permissions(saver, fs::perms::owner_exec, fs::perm_options::add);
  double cpu = 0;
  for (auto _ : state) {
    pid_t pid = Spawn({saver.string(), "/s"}, xvfb.Display());
    if (pid <= 0) {
      state.SkipWithError("the player did not start");
      break;
    }
    std::this_thread::sleep_for(3500ms);  // 1 s, the 1 s fade, the next read
    const double start = CpuSeconds(pid);
    std::this_thread::sleep_for(3000ms);
    cpu = CpuSeconds(pid) - start;
    state.SetIterationTime(3.0);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  state.counters["cpu_ms_still_3s"] = cpu * 1000.0;
  state.counters["cpu_percent_of_a_core"] = cpu / 3.0 * 100.0;
  fs::remove_all(dir);
}
BENCHMARK(BM_X11CpuAfterCrossFade)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
