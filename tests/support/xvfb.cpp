#include "xvfb.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumaveil::testing {

Xvfb::Xvfb(int width, int height) { Start({{width, height}}); }

Xvfb::Xvfb(const std::vector<std::pair<int, int>>& screens) { Start(screens); }

void Xvfb::Start(const std::vector<std::pair<int, int>>& screens) {
  if (screens.empty()) return;
  int fds[2];
  if (pipe(fds) != 0) return;
  std::vector<std::string> args{"Xvfb", "-displayfd", std::to_string(fds[1])};
  for (size_t i = 0; i < screens.size(); ++i) {
    args.push_back("-screen");
    args.push_back(std::to_string(i));
    args.push_back(std::to_string(screens[i].first) + "x" + std::to_string(screens[i].second) +
                   "x24");
  }
  for (const char* a : {"-nolisten", "tcp", "-noreset"}) args.emplace_back(a);
  pid_t pid = fork();
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
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp("Xvfb", argv.data());
    _exit(127);
  }
  close(fds[1]);
  pid_ = pid;
  // The server writes its display number followed by a newline once it
  // accepts connections.
  std::string number;
  for (int waited = 0; waited < 200; ++waited) {
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, 100) > 0) {
      char c;
      ssize_t n = read(fds[0], &c, 1);
      if (n <= 0) break;
      if (c == '\n') break;
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

Xvfb::~Xvfb() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50; ++i) {
      if (waitpid(pid_, &status, WNOHANG) == pid_) return;
      usleep(100000);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
  }
}

}  // namespace lumaveil::testing
