// The standard output of a shell command, for tests.
#pragma once

#include <string>

namespace lumaveil::testing {

// Runs a shell command and returns its standard output ("" on failure).
std::string RunAndCapture(const std::string& command);

}  // namespace lumaveil::testing
