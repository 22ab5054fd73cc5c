// "Save as web page": a folder that any static web host serves as it is,
// and that also plays from the disk. It holds the screen saver (the Windows
// one, and the Linux one when its player is there, made from the same
// records), the page module and the web player it imports, and the page as
// index.html with both inside it (a page opened from the disk may load no
// module file).
//
// The folder may hold other things (a public_html, say): a file is written
// there only when it is new or an earlier export wrote it, as the folder's
// list of what the exports wrote (kFichierManifeste) says. Any other file
// of the same name, a link included, is replaced only when the user
// answers Yes (the command line answers No), and then a link is replaced
// itself, never the file it names. The export is whole or nothing: every
// file is written under a temporary name first and renamed into place only
// once all are written; on any failure the temporary files go and the old
// page stays as it was.
#pragma once

#include <string>

#include "chaines.h"  // QT_TRANSLATE_NOOP
#include "dialogue.h"
#include "generation.h"
#include "progression.h"
#include "projet.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

inline constexpr const char* kFichierIndex = "index.html";
// What the exports wrote in the folder: a first line kEnteteManifeste,
// then one file name a line.
inline constexpr const char* kFichierManifeste = ".lumaveil-web-page";
inline constexpr const char* kEnteteManifeste = "Lumaveil web page";

// The question asked before files the exports did not write are replaced;
// the message when the page is not written; the one when it was written
// only in part (a rename failed).
inline constexpr unsigned kIdRemplaceEtrangers = 61290;
inline constexpr const char* kRemplaceEtrangers = QT_TRANSLATE_NOOP(
    "Messages",
    "The folder already holds files that were not written by an earlier web page:\n\n%s\n"
    "Replace them? A link is replaced itself, never the file it names.");
inline constexpr const char* kPageNonEcrite =
    QT_TRANSLATE_NOOP("Messages", "The web page was not written: the folder is left as it was.");
inline constexpr const char* kPageIncomplete = QT_TRANSLATE_NOOP(
    "Messages", "The web page was written only in part: this file could not be put in place");

struct OptionsPageWeb {
  std::string dossier;        // the folder to write (made when missing)
  std::string nomBase;        // the saver's name: its files and the page's title
  int qualiteJPEG = 75;
  std::string fichierProjet;  // never overwritten ("" when the project has none)
  std::string moteurWindows;  // "": the shipped players
  std::string moteurLinux;
  std::string modelePage;     // "": the shipped "Page.html"
  std::string module;         // "": the shipped web player
  std::string modulePage;     // "": the shipped page module
  int fils = 0;               // as OptionsGeneration
  int messageChargement = 0;  // as OptionsGeneration
  std::string enregistrementsPrets;  // as OptionsGeneration
  std::string langue = "en";  // the page's and the savers' language (ContenuPage::langue)
};

struct BilanPageWeb {
  BilanGeneration generation;
  bool ecrite = false;            // the whole folder is written; when false, nothing
                                  // of the folder was replaced (but see incomplete)
  bool incomplete = false;        // a rename failed after others were done
  std::string page;               // its index.html
  std::string ecranWindows;       // the savers written ("" when not)
  std::string ecranLinux;
  std::string ecranDeVeille;      // the one generated (the other is made from it)
};

// File names in the folder: "<name>.scr" for Windows, "<name>" for Linux
// (a name that is empty or holds a "/" is made usable).
std::string NomFichierWeb(const std::string& nomBase, bool windows);

// Generates the saver with whichever player is there (Windows first), makes
// the other from it, then writes the modules and index.html. The generation
// reports through `dialogue` and `progression` as GenereEcranDeVeille does;
// a file of the folder that cannot be written gives 61247 naming it, then
// kPageNonEcrite. Files the exports did not write are named in the
// question kIdRemplaceEtrangers first. The project is only read.
BilanPageWeb EcritPageWeb(const CProjet& projet, talvik::CGraphique& graphique,
                          const OptionsPageWeb& options, IDialogue& dialogue,
                          IProgression& progression);

}  // namespace lumaveil
