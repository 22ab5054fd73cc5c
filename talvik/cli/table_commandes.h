// The command table of the talvik tool. Each command group lives in its
// own file and registers its commands with a static Enregistrement:
//
//   static const Enregistrement e{{"info", "FILE", "prints WIDTHxHEIGHT BITS",
//                                  {}, 1, 1, &Info}};
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace talvik::cli {

// The parsed command line of one command: positional arguments and the
// options given (each with its values).
struct Arguments {
  std::vector<std::string> positionnels;
  std::map<std::string, std::vector<std::string>> options;

  bool A(const std::string& option) const { return options.count(option) != 0; }
  // The first value of an option, or the default when it was not given.
  std::string Valeur(const std::string& option, const std::string& defaut = "") const;
};

struct Commande {
  std::string nom;
  std::string syntaxe;      // arguments, as shown in the usage text
  std::string description;  // one line
  // Options and the number of values each one takes ("--fast" 0, "--fill" 1).
  std::vector<std::pair<std::string, int>> options;
  int minPositionnels = 0;
  int maxPositionnels = 0;
  // Runs the command: 0 on success; on failure writes a message on
  // standard error and returns 1.
  std::function<int(const Arguments&)> execute;
};

// Every registered command, by name.
std::map<std::string, Commande>& Registre();

struct Enregistrement {
  explicit Enregistrement(Commande c);
};

// Parses argv after the command name against the command's options. On a
// syntax error returns false with the reason in erreur.
bool Analyse(const Commande& c, int argc, char** argv, Arguments& a, std::string& erreur);

}  // namespace talvik::cli
