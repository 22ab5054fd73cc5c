// Running Windows programs under Wine for the tests: one private prefix for
// the whole suite, each program started on a given X display with its
// standard output and error in a log file.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace lumaveil::testing {

// The Wine program loader: Debian's wine64 (/usr/lib/wine/wine64), else
// wine64 or wine on PATH. Empty when Wine is not installed.
std::string WineLoader();
// The matching wineserver. Empty when not found.
std::string WineServer();

// The suite's prefix (a directory of the build tree) and the file that
// marks it complete.
std::string SuitePrefix();
std::string SuitePrefixReadyMarker();

// The environment of a Wine program: the suite prefix, `display` (empty:
// none), debug channels `debug` ("-all" keeps the log quiet), and no
// prompts to install Mono or Gecko.
std::vector<std::string> WineEnvironment(const std::string& display, const std::string& debug);

// A program started under Wine; killed if still running when destroyed.
class WineProcess {
 public:
  // Starts `wine program args...`; output and errors go to `logFile`.
  WineProcess(const std::string& program, const std::vector<std::string>& args,
              const std::string& display, const std::string& debug, const std::string& logFile);
  ~WineProcess();
  WineProcess(const WineProcess&) = delete;
  WineProcess& operator=(const WineProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // Waits up to `milliseconds` for the program to end; its exit code, or
  // nothing if it still runs (or ended by a signal).
  std::optional<int> WaitExit(int milliseconds);
  bool Running();
  // Everything the program and Wine wrote so far.
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  int status_ = 0;
  std::string logFile_;
};

// Ends every program of the suite prefix and waits for its wineserver to
// stop, so that the next test starts a fresh Wine session on its display.
void StopWineSession();

// A Unix path as the Windows programs see it (drive Z:).
std::string WindowsPath(const std::string& unixPath);

}  // namespace lumaveil::testing
