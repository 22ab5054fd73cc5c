// Where the maker finds the files that ship with it: the two engines,
// "Page.html", its page module and the web player that module imports, the
// manual and the demo saver.
//
// Installed, the programs are in <prefix>/bin and these files in the maker's
// own directories <prefix>/lib/lumaveil (the engines and the demo saver,
// which are programs) and <prefix>/share/lumaveil (the page and the manual).
// Both are found relative to the running program, so an installed tree
// works wherever it is unpacked. In the build tree everything sits beside
// the program, which is looked at last.
#pragma once

#include <string>
#include <vector>

namespace lumaveil {

// The shipped files besides the engines (plateforme.h names those).
inline constexpr const char* kFichierPage = "Page.html";
inline constexpr const char* kFichierModule = "lumaveil_player.js";  // the web player
inline constexpr const char* kFichierModulePage = "lumaveil_page.js";  // the page's players
inline constexpr const char* kFichierManuel = "manual/aide.html";
inline constexpr const char* kFichierPresentation = "presentation.scr";
// The maker in a browser: a folder of static files (maker/web).
inline constexpr const char* kDossierFabriquantWeb = "web-maker";

// The directories searched, in order, for a program in `repertoireProgramme`
// (no trailing separator): the maker's library directory, its data
// directory, then the program's own directory.
std::vector<std::string> RepertoiresLivres(const std::string& repertoireProgramme);

// The first existing `nom` (a file name, or a relative path such as
// "manual/aide.html") in those directories; when none exists, the path
// beside the program, so that a message names where it was expected.
std::string CheminLivreDepuis(const std::string& repertoireProgramme, const std::string& nom);

// The same for the running program.
std::string CheminLivre(const std::string& nom);

}  // namespace lumaveil
