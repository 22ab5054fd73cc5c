#include "execution_commande.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace lumaveil::testing {
namespace {
std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

std::string Quote(const std::string& text) {
  std::string q = "'";
  for (char c : text) {
    if (c == '\'') {
      q += "'\\''";
    } else {
      q += c;
    }
  }
  return q + "'";
}

CommandResult RunCommand(const std::string& command, const std::string& scratch) {
  const std::string out = scratch + "/stdout.txt", err = scratch + "/stderr.txt";
  const std::string full = "(" + command + ") >" + Quote(out) + " 2>" + Quote(err) + " </dev/null";
  const int status = std::system(full.c_str());
  CommandResult r;
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

std::string BinPath(const std::string& program) { return std::string(LUMAVEIL_BIN_DIR) + "/" + program; }

}  // namespace lumaveil::testing
