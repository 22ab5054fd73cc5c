// "Save as web page": a folder that any static web host serves as it is,
// and that also plays from the disk. It holds the screen saver (the Windows
// one, and the Linux one when its player is there, made from the same
// records), the web player module, and the page as index.html with the
// player inside it (a page opened from the disk may load no module file).
#pragma once

#include <string>

#include "dialogue.h"
#include "generation.h"
#include "progression.h"
#include "projet.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

inline constexpr const char* kFichierIndex = "index.html";

struct OptionsPageWeb {
  std::string dossier;        // the folder to write (made when missing)
  std::string nomBase;        // the saver's name: its files and the page's title
  int qualiteJPEG = 75;
  std::string fichierProjet;  // never overwritten ("" when the project has none)
  std::string moteurWindows;  // "": the shipped players
  std::string moteurLinux;
  std::string modelePage;     // "": the shipped "Page.html"
  std::string module;         // "": the shipped web player
  int fils = 0;               // as OptionsGeneration
  int messageChargement = 0;  // as OptionsGeneration
};

struct BilanPageWeb {
  BilanGeneration generation;
  bool ecrite = false;            // the whole folder is written
  std::string page;               // its index.html
  std::string ecranWindows;       // the savers written ("" when not)
  std::string ecranLinux;
  std::string ecranDeVeille;      // the one generated (the other is made from it)
};

// File names in the folder: "<name>.scr" for Windows, "<name>" for Linux
// (a name that is empty or holds a "/" is made usable).
std::string NomFichierWeb(const std::string& nomBase, bool windows);

// Generates the saver with whichever player is there (Windows first), makes
// the other from it, then writes the module and index.html. The generation
// reports through `dialogue` and `progression` as GenereEcranDeVeille does;
// a file of the folder that cannot be written gives 61247 naming it. The
// project is only read.
BilanPageWeb EcritPageWeb(const CProjet& projet, talvik::CGraphique& graphique,
                          const OptionsPageWeb& options, IDialogue& dialogue,
                          IProgression& progression);

}  // namespace lumaveil
