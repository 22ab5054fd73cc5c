// Runs a shell command and collects its exit code, standard output and
// standard error.
#pragma once

#include <string>

namespace lumaveil::testing {

struct CommandResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// `command` runs under /bin/sh; `scratch` is a directory for the captures.
CommandResult RunCommand(const std::string& command, const std::string& scratch);

// Single-quotes a path for the shell.
std::string Quote(const std::string& text);

// Path of a program built into the build's bin/ directory.
std::string BinPath(const std::string& program);

}  // namespace lumaveil::testing
