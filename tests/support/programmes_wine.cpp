#include "programmes_wine.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lumaveil::testing {
namespace {

bool Executable(const std::string& path) { return access(path.c_str(), X_OK) == 0; }

std::string OnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (!path) return {};
  std::stringstream dirs(path);
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (dir.empty()) continue;
    std::string candidate = dir + "/" + name;
    if (Executable(candidate)) return candidate;
  }
  return {};
}

std::string FirstFound(const std::vector<std::string>& absolute,
                       const std::vector<std::string>& names) {
  for (const auto& path : absolute) {
    if (Executable(path)) return path;
  }
  for (const auto& name : names) {
    std::string found = OnPath(name);
    if (!found.empty()) return found;
  }
  return {};
}

// Runs the suite's wineserver with one option and waits for it.
void RunWineServer(const std::string& option) {
  const std::string server = WineServer();
  if (server.empty()) return;
  pid_t pid = fork();
  if (pid < 0) return;
  if (pid == 0) {
    setenv("WINEPREFIX", SuitePrefix().c_str(), 1);
    execl(server.c_str(), server.c_str(), option.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

std::string WineLoader() {
  return FirstFound({"/usr/lib/wine/wine64"}, {"wine64", "wine"});
}

std::string WineServer() {
  return FirstFound({"/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver"}, {"wineserver"});
}

std::string SuitePrefix() { return LMV_WINEPREFIX; }

std::string SuitePrefixReadyMarker() { return SuitePrefix() + "/lumaveil-prefix-ready"; }

std::vector<std::string> WineEnvironment(const std::string& display, const std::string& debug) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    std::string text = *entry;
    std::string name = text.substr(0, text.find('='));
    if (name == "WINEPREFIX" || name == "DISPLAY" || name == "WINEDEBUG" ||
        name == "WINEDLLOVERRIDES" || name == "WINEARCH" || name == "WAYLAND_DISPLAY") {
      continue;
    }
    env.push_back(text);
  }
  env.push_back("WINEPREFIX=" + SuitePrefix());
  if (!display.empty()) env.push_back("DISPLAY=" + display);
  env.push_back("WINEDEBUG=" + debug);
  env.push_back("WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d");
  return env;
}

WineProcess::WineProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& display, const std::string& debug,
                         const std::string& logFile)
    : logFile_(logFile) {
  const std::string loader = WineLoader();
  if (loader.empty()) return;
  std::vector<std::string> env = WineEnvironment(display, debug);
  std::vector<std::string> argv{loader, program};
  argv.insert(argv.end(), args.begin(), args.end());

  pid_t pid = fork();
  if (pid < 0) return;
  if (pid == 0) {
    int log = open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int devnull = open("/dev/null", O_RDONLY);
    if (devnull >= 0) dup2(devnull, 0);
    if (log >= 0) {
      dup2(log, 1);
      dup2(log, 2);
    }
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    std::vector<char*> cenv;
    for (auto& e : env) cenv.push_back(e.data());
    cenv.push_back(nullptr);
    execve(loader.c_str(), cargv.data(), cenv.data());
    _exit(127);
  }
  pid_ = pid;
}

WineProcess::~WineProcess() {
  if (pid_ > 0 && !exited_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, &status_, 0);
  }
}

std::optional<int> WineProcess::WaitExit(int milliseconds) {
  if (pid_ <= 0) return std::nullopt;
  for (int waited = 0; !exited_; waited += 20) {
    pid_t done = waitpid(pid_, &status_, WNOHANG);
    if (done == pid_) {
      exited_ = true;
      break;
    }
    if (waited >= milliseconds) return std::nullopt;
    usleep(20000);
  }
  if (!WIFEXITED(status_)) return std::nullopt;
  return WEXITSTATUS(status_);
}

bool WineProcess::Running() { return Started() && !WaitExit(0).has_value() && !exited_; }

std::string WineProcess::Log() const {
  std::ifstream in(logFile_, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void StopWineSession() {
  RunWineServer("-k");
  RunWineServer("-w");
}

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace lumaveil::testing
