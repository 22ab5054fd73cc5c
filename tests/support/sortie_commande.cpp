#include "sortie_commande.h"

#include <cstdio>

namespace lumaveil::testing {

std::string RunAndCapture(const std::string& command) {
  std::string out;
  FILE* f = popen(command.c_str(), "r");
  if (!f) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  pclose(f);
  return out;
}

}  // namespace lumaveil::testing
