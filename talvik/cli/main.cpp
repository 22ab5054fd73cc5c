// talvik: the image library on the command line. Exit 0 on success, 1 with
// a message on standard error on failure. Library messages (load failures,
// codec errors) go to standard error through the default message hook.
#include <cstdio>
#include <cstring>
#include <string>

#include "table_commandes.h"

namespace {

void Usage(std::FILE* sortie) {
  std::fprintf(sortie, "usage: talvik COMMAND ARGUMENTS...\n\n");
  for (const auto& [nom, c] : talvik::cli::Registre())
    std::fprintf(sortie, "  talvik %s %s\n      %s\n", nom.c_str(), c.syntaxe.c_str(),
                 c.description.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    Usage(stderr);
    return 1;
  }
  const std::string nom = argv[1];
  if (nom == "--help" || nom == "-h" || nom == "help") {
    Usage(stdout);
    return 0;
  }
  const auto& registre = talvik::cli::Registre();
  const auto it = registre.find(nom);
  if (it == registre.end()) {
    std::fprintf(stderr, "talvik: unknown command %s\n", nom.c_str());
    Usage(stderr);
    return 1;
  }
  const talvik::cli::Commande& c = it->second;
  talvik::cli::Arguments a;
  std::string erreur;
  if (!talvik::cli::Analyse(c, argc - 2, argv + 2, a, erreur)) {
    std::fprintf(stderr, "talvik %s: %s\nusage: talvik %s %s\n", nom.c_str(), erreur.c_str(),
                 nom.c_str(), c.syntaxe.c_str());
    return 1;
  }
  return c.execute(a);
}
