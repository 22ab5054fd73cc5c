#include "table_commandes.h"

#include <utility>

namespace talvik::cli {

std::string Arguments::Valeur(const std::string& option, const std::string& defaut) const {
  auto it = options.find(option);
  if (it == options.end() || it->second.empty()) return defaut;
  return it->second.front();
}

std::map<std::string, Commande>& Registre() {
  static std::map<std::string, Commande> registre;
  return registre;
}

Enregistrement::Enregistrement(Commande c) {
  std::string nom = c.nom;
  Registre()[nom] = std::move(c);
}

bool Analyse(const Commande& c, int argc, char** argv, Arguments& a, std::string& erreur) {
  for (int i = 0; i < argc; ++i) {
    const std::string mot = argv[i];
    if (mot.size() > 2 && mot.compare(0, 2, "--") == 0) {
      int n = -1;
      for (const auto& [nom, valeurs] : c.options)
        if (nom == mot) n = valeurs;
      if (n < 0) {
        erreur = "unknown option " + mot;
        return false;
      }
      if (i + n >= argc) {
        erreur = mot + " needs " + std::to_string(n) + " value(s)";
        return false;
      }
      std::vector<std::string>& valeurs = a.options[mot];
      for (int k = 0; k < n; ++k) valeurs.push_back(argv[++i]);
    } else {
      a.positionnels.push_back(mot);
    }
  }
  const int n = int(a.positionnels.size());
  if (n < c.minPositionnels || n > c.maxPositionnels) {
    erreur = "wrong number of arguments";
    return false;
  }
  return true;
}

}  // namespace talvik::cli
