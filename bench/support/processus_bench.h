// Starting a program as a user's shell does (fork and exec, no shell in
// between) with its output discarded, for the benchmarks that time whole
// programs.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace lumaveil::bench {

// Starts `arguments` (the program's path first) with the environment
// `environnement`; the child's pid, or -1 when it cannot start.
inline pid_t Demarre(const std::vector<std::string>& arguments,
                     char* const* environnement = environ) {
  std::vector<std::string> copie = arguments;
  std::vector<char*> argv;
  for (std::string& a : copie) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environnement) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

}  // namespace lumaveil::bench
