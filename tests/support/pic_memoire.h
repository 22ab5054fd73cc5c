// How much the process's peak resident memory grows while a piece of code
// runs: a reader that fills a picture of the size a file merely declares
// shows up as hundreds of megabytes, one that stops at the missing data as
// little. Linux only (the peak is reset through /proc/self/clear_refs).
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

namespace lumaveil::testing {

// The peak resident memory in KiB (VmHWM), -1 when it cannot be read.
inline long PicMemoireKo() {
  std::ifstream f("/proc/self/status");
  std::string ligne;
  while (std::getline(f, ligne))
    if (ligne.rfind("VmHWM:", 0) == 0) return std::atol(ligne.c_str() + 6);
  return -1;
}

// Runs `f` and gives how many KiB the peak grew above the memory in use
// when it started; -1 when the peak cannot be reset or read.
template <typename F>
long CroissancePicMemoireKo(F&& f) {
  {
    std::ofstream remise("/proc/self/clear_refs");
    remise << "5";
    remise.close();
    if (!remise) return -1;
  }
  const long avant = PicMemoireKo();
  f();
  const long apres = PicMemoireKo();
  return avant < 0 || apres < 0 ? -1 : apres - avant;
}

}  // namespace lumaveil::testing
