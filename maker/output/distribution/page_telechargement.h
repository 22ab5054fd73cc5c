// The download page uploaded beside a screen saver: the template
// "Page.html" beside the maker's program, filled with the saver's name, the
// files it offers and the page module (with the web player it imports) that
// plays the saver in the page.
#pragma once

#include <optional>
#include <string>

namespace lumaveil {

// Placeholders of the template, replaced wherever they appear.
inline constexpr char kMarqueNom[] = "**SCREENSAVERNAME**";          // the name base
inline constexpr char kMarqueFichier[] = "**SCREENSAVERNFILEAME**";  // the saver's remote file
inline constexpr char kMarqueLinux[] = "**LINUXSAVERFILENAME**";     // the Linux saver's file
inline constexpr char kMarqueJoue[] = "**PLAYEDSAVERFILENAME**";     // the file the page plays
inline constexpr char kMarqueScript[] = "**PLAYERSCRIPT**";          // the page module's script

// What a page is filled with.
struct ContenuPage {
  std::string nomBase;         // the saver's name, shown
  std::string fichierWindows;  // the Windows saver's file name; "" when there is none
  std::string fichierLinux;    // the Linux saver's file name; "" when there is none
  // The modules' source to put in the page itself (ModulesEnLigne); "" to
  // load the page module from its file beside the page (kFichierModulePage,
  // which imports kFichierModule). A page opened from the disk needs them
  // inside: browsers load no module file there.
  std::string moduleEnLigne;
  // The language of the page's texts and of its player ("en", "fr", "de",
  // "es"): the maker's (textes_page.h).
  std::string langue = "en";
};

// Text made safe for HTML text and attribute values: & < > " ' as entities.
std::string EchappeHtml(const std::string& texte);
// Every byte but the unreserved ones (letters, digits, - . _ ~) as %XX: a
// file name that is safe as a relative link and in HTML.
std::string EchappeUrl(const std::string& texte);

// The template's text with every kMarqueNom replaced by the HTML-escaped
// name, the file placeholders by URL-escaped file names (kMarqueJoue by the
// Windows saver, else the Linux one) and kMarqueScript by the module's
// script element, in one pass (a name that holds a placeholder is not
// replaced again); line ends kept. A line that names a file the page does
// not have (kMarqueFichier or kMarqueLinux with an empty name) is left out
// whole.
std::string RemplitPage(const std::string& modele, const ContenuPage& contenu);
// The same for one Windows saver, `nomFichier`.
std::string RemplitPage(const std::string& modele, const std::string& nomBase,
                        const std::string& nomFichier);

// The script element that plays the page's savers: the page module
// imported from its file, or `moduleEnLigne` inside (imported from the file
// when the source holds a closing script tag, which would end the element
// early), then its mountPlayers(document) call.
std::string ScriptLecteur(const std::string& moduleEnLigne);

// The two modules as one script for inside the page: the web player
// `lecteur`, then the page module `page` without its line importing the
// player (the page module names nothing as the player does). "" when that
// line is not there: the page then loads the modules from their files.
std::string ModulesEnLigne(const std::string& lecteur, const std::string& page);

// A filled page in a file of its own in the temporary directory, removed
// with this object.
class CPageTemporaire {
 public:
  CPageTemporaire() = default;
  ~CPageTemporaire();
  CPageTemporaire(CPageTemporaire&& autre) noexcept;
  CPageTemporaire& operator=(CPageTemporaire&& autre) noexcept;
  CPageTemporaire(const CPageTemporaire&) = delete;
  CPageTemporaire& operator=(const CPageTemporaire&) = delete;

  // Reads the template `cheminModele`, fills it and writes a new file with
  // a unique name (never an existing file, never through a link). 0 when
  // the template cannot be read or the page cannot be written (nothing is
  // left behind).
  int Fabrique(const std::string& cheminModele, const ContenuPage& contenu);
  int Fabrique(const std::string& cheminModele, const std::string& nomBase,
               const std::string& nomFichier);
  const std::string& Chemin() const { return chemin_; }

 private:
  std::string chemin_;
};

// "Page.html" where the maker's shipped files are (fichiers_livres.h).
std::string CheminModelePage();
// The web player module there, and the page module.
std::string CheminModuleLecteur();
std::string CheminModulePage();

// The whole text of a file; nullopt when it cannot be read.
std::optional<std::string> LitTexte(const std::string& chemin);

}  // namespace lumaveil
