#include "xephyr.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumaveil::testing {

XephyrMonitors::XephyrMonitors(const std::vector<std::pair<int, int>>& monitors) {
  if (!host_.Ok() || monitors.empty()) return;
  int fds[2];
  if (pipe(fds) != 0) return;
  std::vector<std::string> args{"Xephyr", "-displayfd", std::to_string(fds[1])};
  for (const auto& [w, h] : monitors) {
    args.push_back("-screen");
    args.push_back(std::to_string(w) + "x" + std::to_string(h));
  }
  for (const char* a : {"+xinerama", "-nolisten", "tcp", "-noreset"}) args.emplace_back(a);
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    return;
  }
  if (pid == 0) {
    close(fds[0]);
    int devnull = open("/dev/null", O_RDWR);
    if (devnull >= 0) {
      dup2(devnull, 0);
      dup2(devnull, 1);
      dup2(devnull, 2);
    }
    setenv("DISPLAY", host_.Display().c_str(), 1);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp("Xephyr", argv.data());
    _exit(127);
  }
  close(fds[1]);
  pid_ = pid;
  // Like Xvfb, the server writes its display number and a newline once it
  // accepts connections.
  std::string number;
  for (int waited = 0; waited < 200; ++waited) {
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, 100) > 0) {
      char c;
      if (read(fds[0], &c, 1) <= 0 || c == '\n') break;
      number += c;
    }
  }
  close(fds[0]);
  if (number.empty()) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return;
  }
  display_ = ":" + number;
}

XephyrMonitors::~XephyrMonitors() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid_, &status, WNOHANG) == pid_) return;
    usleep(100000);
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, &status, 0);
}

}  // namespace lumaveil::testing
