// The download page uploaded beside a screen saver: the template
// "Page.html" beside the maker's program, filled with the saver's name and
// its file name.
#pragma once

#include <optional>
#include <string>

namespace lumaveil {

// Placeholders of the template, replaced wherever they appear.
inline constexpr char kMarqueNom[] = "**SCREENSAVERNAME**";          // the name base
inline constexpr char kMarqueFichier[] = "**SCREENSAVERNFILEAME**";  // the saver's remote file

// Text made safe for HTML text and attribute values: & < > " ' as entities.
std::string EchappeHtml(const std::string& texte);
// Every byte but the unreserved ones (letters, digits, - . _ ~) as %XX: a
// file name that is safe as a relative link and in HTML.
std::string EchappeUrl(const std::string& texte);

// The template's text with every kMarqueNom replaced by the HTML-escaped
// name and every kMarqueFichier by the URL-escaped file name, in one pass
// (a name that holds a placeholder is not replaced again); line ends kept.
std::string RemplitPage(const std::string& modele, const std::string& nomBase,
                        const std::string& nomFichier);

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
  int Fabrique(const std::string& cheminModele, const std::string& nomBase,
               const std::string& nomFichier);
  const std::string& Chemin() const { return chemin_; }

 private:
  std::string chemin_;
};

// "Page.html" where the maker's shipped files are (fichiers_livres.h).
std::string CheminModelePage();

}  // namespace lumaveil
