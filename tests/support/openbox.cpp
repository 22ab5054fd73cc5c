#include "openbox.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "sortie_commande.h"

namespace lumaveil::testing {

Openbox::Openbox(const std::string& display) {
  pid_ = fork();
  if (pid_ < 0) return;
  if (pid_ == 0) {
    setenv("DISPLAY", display.c_str(), 1);
    freopen("/dev/null", "w", stderr);
    freopen("/dev/null", "w", stdout);
    execlp("openbox", "openbox", static_cast<char*>(nullptr));
    _exit(127);
  }
  // The window manager owns the screen once it has set its check window.
  for (int i = 0; i < 100 && !ok_; ++i) {
    ok_ = RunAndCapture("DISPLAY=" + display + " xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null")
              .find("window id") != std::string::npos;
    if (!ok_) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

Openbox::~Openbox() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int i = 0; i < 30; ++i) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

}  // namespace lumaveil::testing
