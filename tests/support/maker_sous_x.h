// The real maker on a private X server, driven as a user drives it: a real
// X pointer and keyboard through xdotool, with or without a window manager
// (openbox). Screenshots of the whole screen go under the build tree.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

#include "openbox.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

namespace lumaveil::testing {

// A window's place and size on the screen.
struct Geometrie {
  int x = 0, y = 0, largeur = 0, hauteur = 0;
};

// True when the two screenshots have the same pixels in `zone` (screen
// coordinates); false when either cannot be read.
bool MemesPixels(const std::string& a, const std::string& b, const Geometrie& zone);

// The title a window of the maker shows in the language the maker runs
// in (LANGUAGE and the locale, as the maker chooses it): `anglais` as the
// maker's translation of `contexte` gives it (Qt's own for a context
// "Q..."), cut before its first character that a window-name pattern
// reads otherwise ("(", "." ...). English when no translation is chosen.
std::string TitreTraduit(const char* contexte, const char* anglais);
// The key of the "&" of `anglais` so translated, lower case ("&File": "f",
// "&Datei": "d"); "" when it has none.
std::string ToucheTraduite(const char* contexte, const char* anglais);

class MakerSousX {
 public:
  // Starts Xvfb at `largeur` x `hauteur`, and openbox on it when `gestionnaire`.
  MakerSousX(int largeur, int hauteur, bool gestionnaire);
  ~MakerSousX();
  MakerSousX(const MakerSousX&) = delete;
  MakerSousX& operator=(const MakerSousX&) = delete;

  bool Ok() const { return xvfb_.Ok() && (!gestionnaire_ || gestionnaire_->Ok()); }
  TempDir& Dossier() { return dir_; }

  // Pictures of plain colours, one per colour (0x00BBGGRR), 320 x 240.
  std::vector<std::string> Images(const std::vector<unsigned>& couleurs);
  // A project of these pictures written by the maker's command line.
  std::string Projet(const std::vector<std::string>& images);

  // Starts the maker with the settings store `registre` ("" for a store of
  // its own) and the project `projet` ("" for none).
  void Lance(const std::string& projet, const std::string& registre = "");
  // Starts it on `projet` and waits until the start-up picture has gone and
  // the project is shown; returns the main window's id, "" on failure.
  std::string LanceEtAttend(const std::string& projet);
  // Waits up to `secondes` for the maker to end; its exit status in `statut`.
  bool AttendFin(int secondes, int* statut);

  std::string Xdotool(const std::string& arguments);
  // The first visible window whose name matches, or "" after `secondes`.
  std::string AttendFenetre(const std::string& nom, int secondes);
  // True when no visible window matches `nom` within `secondes`.
  bool AttendFermeture(const std::string& nom, int secondes);
  Geometrie GeometrieFenetre(const std::string& id);
  // The pointer's place on the screen.
  Geometrie Pointeur();

  // Pointer gestures in window `id`'s coordinates.
  void Deplace(const std::string& id, int x, int y);
  void Clique(const std::string& id, int x, int y, int bouton = 1);
  // Press at (x1, y1), moves in steps of about `pas` pixels to (x2, y2),
  // release; `pendant` runs before the release, the button still down.
  void Glisse(const std::string& id, int x1, int y1, int x2, int y2, int pas = 6,
              const std::function<void()>& pendant = {});
  // Keys (xdotool names) to the focused window after focusing `id`.
  void Touches(const std::string& id, const std::string& touches);
  void Ecrit(const std::string& id, const std::string& texte);

  // The whole screen saved as NAME.png under the screenshot directory
  // (NAME_de.png when the maker runs in German, and so on); returns the
  // file's path ("" when it could not be written).
  std::string Capture(const std::string& nom);

  // Ctrl+S in the main window, then the project read back: the picture
  // path of each screen in order (empty on failure).
  std::vector<std::string> SauveEtRelit(const std::string& fenetre, const std::string& projet);

 private:
  Xvfb xvfb_;
  std::unique_ptr<Openbox> gestionnaire_;
  TempDir dir_;
  pid_t pid_ = -1;
};

}  // namespace lumaveil::testing
