// The two kinds of screen saver the maker makes, and where their engine is.
#pragma once

#include <string>

namespace lumaveil {

enum class Plateforme {
  Windows,  // LmvEngine.exe: a .scr for Windows (the default)
  Linux,    // LmvEngine: an X11 program and xscreensaver hack
};

// "LmvEngine.exe" or "LmvEngine".
const char* NomMoteur(Plateforme plateforme);

// Directory of the running program (no trailing separator), "" when the
// system cannot tell.
std::string RepertoireProgramme();

// The engine of that platform: in the maker's library directory when it
// is installed, else beside the running program (see fichiers_livres.h).
std::string CheminMoteur(Plateforme plateforme);

// File extension proposed for a saver: ".scr" for Windows, none for Linux.
const char* ExtensionEcranDeVeille(Plateforme plateforme);

}  // namespace lumaveil
