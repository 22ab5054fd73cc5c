#include "installation.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "chaines_maker.h"
#include "fichier_atomique.h"

namespace lumaveil {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lignes(const std::string& texte) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    lignes.push_back(texte.substr(debut, fin - debut));
    debut = fin + 1;
  }
  return lignes;
}

std::string SansBlancsFinaux(const std::string& s) {
  std::size_t fin = s.find_last_not_of(" \t\r");
  return fin == std::string::npos ? std::string() : s.substr(0, fin + 1);
}

bool EstBlanche(const std::string& s) { return SansBlancsFinaux(s).empty(); }

bool Continue(const std::string& s) {
  std::string t = SansBlancsFinaux(s);
  return !t.empty() && t.back() == '\\';
}

// xscreensaver reads its file as X resources do: in a value "\n" ends a
// program entry and "\\" stands for one backslash, and a line ending in a
// backslash goes on with the next one. A raw control character has no
// place there.
bool Controle(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// A backslash as the resource reader gives it back.
std::string EchappeRessource(const std::string& texte) {
  std::string s;
  for (char c : texte) {
    if (c == '\\') s += '\\';
    s += c;
  }
  return s;
}

// The name shown in xscreensaver's list, between the double quotes of its
// entry: a double quote would end it (and what follows would be run as
// the command), so it becomes a single one; control characters (a newline
// would start entries or settings of its own) become spaces.
std::string NomAffiche(const std::string& nom) {
  std::string s;
  for (char c : nom) s += c == '"' ? '\'' : Controle(c) ? ' ' : c;
  return s;
}

// A word for the shell that xscreensaver runs the command with.
std::string Cite(const std::string& mot) {
  if (mot.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+") ==
      std::string::npos)
    return mot;
  std::string s = "'";
  for (char c : mot) {
    if (c == '\'') s += "'\\''";
    else s += c;
  }
  return s + "'";
}

}  // namespace

std::string AjouteProgrammeXscreensaver(const std::string& contenu, const std::string& entree,
                                        const std::string& commande) {
  if (contenu.find(commande) != std::string::npos) return contenu;
  std::vector<std::string> lignes = Lignes(contenu);
  std::size_t debut = lignes.size();
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    std::size_t p = lignes[i].find_first_not_of(" \t");
    if (p != std::string::npos && lignes[i].compare(p, 9, "programs:") == 0) {
      debut = i;
      break;
    }
  }
  const std::string ligneEntree = "\t\t\t\t" + entree + " \\n";
  if (debut == lignes.size()) {
    std::string s = contenu;
    if (!s.empty() && s.back() != '\n') s += '\n';
    s += "programs:\t\t\t\t\t\t\t\t      \\\n" + ligneEntree + "\\\n\n";
    return s;
  }
  // The last line of the resource: the first one that does not continue.
  std::size_t fin = debut;
  while (fin + 1 < lignes.size() && Continue(lignes[fin])) ++fin;
  if (Continue(lignes[fin]) || EstBlanche(lignes[fin])) {
    // Entries end with "\n\": the new one goes in before the end.
    std::size_t place = Continue(lignes[fin]) ? fin + 1 : fin;
    lignes.insert(lignes.begin() + long(place), ligneEntree + "\\");
  } else {
    // The last entry ends the resource: it continues onto the new one.
    std::string t = SansBlancsFinaux(lignes[fin]);
    if (t.size() < 2 || t.compare(t.size() - 2, 2, "\\n") != 0) t += " \\n";
    lignes[fin] = t + "\\";
    lignes.insert(lignes.begin() + long(fin) + 1, ligneEntree);
  }
  std::string s;
  for (const std::string& l : lignes) s += l + "\n";
  return s;
}

int InstalleHackXscreensaver(const std::string& paquet, const std::string& maison,
                             std::string* nom) {
  std::error_code ec;
  fs::path source(paquet);
  std::string fichier = source.filename().string();
  if (fichier.empty() || maison.empty()) return 0;
  // The copy's name has no control character: the command line in the
  // resource file could not hold it. A home folder with one cannot be named
  // there at all.
  for (char& c : fichier)
    if (Controle(c)) c = '_';
  for (char c : maison)
    if (Controle(c)) return 0;
  fs::path repertoire = fs::path(maison) / ".local/share/lumaveil/savers";
  fs::create_directories(repertoire, ec);
  if (ec) return 0;
  fs::path cible = repertoire / fichier;
  // xscreensaver may be running the old copy: the new one replaces it whole.
  const bool copie = talvik::EcritFichierAtomique(
      cible.string(),
      [&source](const std::string& temporaire) {
        std::error_code e;
        return fs::copy_file(source, temporaire, fs::copy_options::overwrite_existing, e) && !e;
      },
      0755);
  if (!copie) return 0;

  const std::string affiche = NomAffiche("Lumaveil: " + source.stem().string());
  // One program path, quoted for the shell, then escaped for the resource
  // reader; the name escaped or replaced where xscreensaver would read it
  // otherwise.
  const std::string commande = EchappeRessource(Cite(cible.string())) + " -root";
  const std::string entree = "\"" + EchappeRessource(affiche) + "\" " + commande;
  fs::path config = fs::path(maison) / ".xscreensaver";
  std::string contenu;
  {
    std::ifstream f(config, std::ios::binary);
    if (f) contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
  std::string nouveau = AjouteProgrammeXscreensaver(contenu, entree, commande);
  if (nouveau != contenu &&
      !talvik::EcritFichierAtomique(config.string(), reinterpret_cast<const std::uint8_t*>(nouveau.data()),
                            nouveau.size()))
    return 0;
  if (nom) *nom = affiche;
  return 1;
}

int ProposeInstallation(const std::string& paquet, Plateforme plateforme, IDialogue& dialogue,
                        const std::string& maison) {
  if (plateforme != Plateforme::Linux) return 0;
  if (!dialogue.Question(
          MessageMaker(IDS_INSTALLATION_XSCREENSAVER, IDS_QUESTION, IconeMessage::Question)))
    return 0;
  std::string nom;
  if (!InstalleHackXscreensaver(paquet, maison, &nom)) {
    dialogue.Message(kCopieImpossible, kTitreCopieImpossible, IconeMessage::Erreur);
    return 0;
  }
  char texte[512];
  std::snprintf(texte, sizeof texte, ChaineMaker(IDS_INSTALLATION_REUSSIE).c_str(), nom.c_str());
  dialogue.Message(MessageUtilisateur{IDS_INSTALLATION_REUSSIE, texte, ChaineMaker(IDS_INFORMATION),
                                      IconeMessage::Information, {}});
  return 1;
}

}  // namespace lumaveil
