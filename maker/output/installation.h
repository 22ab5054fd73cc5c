// Installing a generated screen saver where the system finds it. A Windows
// saver is copied into the Windows system directory only on Windows, so
// nothing is offered here for one. A Linux saver becomes an xscreensaver
// hack: it is copied to ~/.local/share/lumaveil/savers/ and added at the end
// of the `programs:` list of ~/.xscreensaver, the rest of the user's file
// left as it was (the file is created when there is none).
#pragma once

#include <string>

#include "dialogue.h"
#include "plateforme.h"

namespace lumaveil {

inline constexpr const char* kCopieImpossible = "Impossible de recopier le fichier !";
inline constexpr const char* kTitreCopieImpossible = "Erreur";

// Asks whether to install the saver (question IDS_INSTALLATION_XSCREENSAVER,
// Linux savers only) and installs it on Yes, showing the result. `maison` is the user's home directory.
// Returns 1 when the saver was installed.
int ProposeInstallation(const std::string& paquet, Plateforme plateforme, IDialogue& dialogue,
                        const std::string& maison);

// Copies the saver into `maison`/.local/share/lumaveil/savers/ (executable)
// and lists it in `maison`/.xscreensaver. Returns 1 on success; *nom
// receives the name shown in xscreensaver's list.
int InstalleHackXscreensaver(const std::string& paquet, const std::string& maison,
                             std::string* nom);

// The text of an .xscreensaver file with one more entry, `entree` (a
// complete program line such as "\"Lumaveil: x\" /path/x -root"), added at
// the end of its `programs:` resource, or a new `programs:` resource at the
// end when there is none. A file that already lists `commande` is returned
// unchanged. Indexes of the existing entries (the `selected:` setting
// counts on them) do not move.
std::string AjouteProgrammeXscreensaver(const std::string& contenu, const std::string& entree,
                                        const std::string& commande);

}  // namespace lumaveil
