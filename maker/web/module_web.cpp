// The entry point of the maker's core in WebAssembly: the command line of
// `lumaveil` (maker/cli), run on the module's own file system, where the
// page puts the photos, the project, the shipped faces and the engines, and
// reads back what the command wrote. The same code renders and generates
// on the desktop and in the browser.
#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "commande.h"

namespace {

// The module starts with a file-creation mask of 0777, which would make
// every file it writes unreadable; a desktop session's is 022.
[[maybe_unused]] const mode_t kMasqueInitial = umask(022);

int Execute(const char* ligne, const std::string& enregistrements) {
  std::vector<std::string> arguments{"lumaveil"};
  std::string courant;
  for (const char* c = ligne; c && *c; ++c) {
    if (*c == '\n') {
      arguments.push_back(courant);
      courant.clear();
    } else {
      courant += *c;
    }
  }
  if (!courant.empty()) arguments.push_back(courant);
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  return lumaveil::ExecuteLigneCommande(int(arguments.size()), argv.data(), enregistrements);
}

}  // namespace

extern "C" {

// Runs one command: `ligne` holds the arguments after the program's name,
// one per line ("--render\n/projet/p.lmv\n--screen\n1\n..."). Returns the
// command's exit status; its messages go to the module's standard error.
EMSCRIPTEN_KEEPALIVE int lmv_commande(const char* ligne) {
  return Execute(ligne, {});
}

// The same, --generate and --web-page taking the saver's records from the
// folder `enregistrements`, where lmv_prepare_enregistrement made them.
EMSCRIPTEN_KEEPALIVE int lmv_commande_preparee(const char* ligne, const char* enregistrements) {
  return Execute(ligne, enregistrements ? enregistrements : "");
}

}  // extern "C"
