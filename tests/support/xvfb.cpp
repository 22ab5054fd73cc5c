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

Xvfb::Xvfb(int width, int height) {
  int fds[2];
  if (pipe(fds) != 0) return;
  std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
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
    std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
           "tcp", "-noreset", static_cast<char*>(nullptr));
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
