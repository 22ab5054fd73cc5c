// Starts a test server as a child process that announces itself with one
// line on its standard output ("PORT <n> ..." once it listens), and keeps
// its standard input open: closing that input ends the server.
#pragma once

#include <string>
#include <vector>

namespace lumaveil::testing {

struct ServeurEnfant {
  int pid = -1;     // -1 when it could not be started
  int entree = -1;  // the child's standard input, for the caller to close
  std::string premiereLigne;  // what it printed first; empty when it said nothing in time
};

// Runs `arguments` (argv[0] looked up on PATH) and waits up to `delaiMs`
// for its first line.
ServeurEnfant LanceServeurEnfant(std::vector<std::string> arguments, int delaiMs);

}  // namespace lumaveil::testing
