// The project file (.lmv): magic 175, the target resolution, the number of
// screens N, the template record and the N screen records in list order.
// Every integer is 32-bit little-endian; strings use the archive's length
// prefix (archive.h). A screen record is 640 bytes plus its strings (the
// picture path and the five texts). Pictures and run-time fields are not
// stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chaines.h"  // QT_TRANSLATE_NOOP
#include "dialogue.h"
#include "projet.h"

namespace lumaveil {

inline constexpr std::int32_t kMagiqueProjet = 175;

// Texts of the failures.
inline constexpr const char* kFichierIncorrect =
    QT_TRANSLATE_NOOP("Messages", "This file isn't correct.");
inline constexpr const char* kFichierEndommage =
    QT_TRANSLATE_NOOP("Messages", "This file is damaged or incomplete.");

// The bytes of the project file for `projet`.
std::vector<std::uint8_t> EcritProjet(const CProjet& projet);

// Reads project bytes into `nouveau` (a fresh project): ResolutionCible,
// the template's settings and one screen per record, appended in file
// order; no picture is loaded. Returns 1 on success. On a wrong magic it
// returns 0 with *erreur = kFichierIncorrect; on a short or damaged file 0
// with *erreur = kFichierEndommage. On failure `nouveau` holds whatever was
// read and must be discarded.
int LitProjet(const std::uint8_t* octets, std::size_t taille, CProjet& nouveau,
              std::string* erreur);

// Saves the project: writes a temporary file beside `chemin` and renames it
// over `chemin`, so that an interrupted save never leaves a half-written
// project. Returns 1 on success; on failure the message "Unable to write
// file %s" (caption "Error") is shown, any old file is left as it was and
// 0 is returned.
int SauveProjet(const CProjet& projet, const std::string& chemin, IDialogue& dialogue);

// Opens a project file into `projet`. The file is read whole into a new
// project, which replaces the open one only when it was read without
// fault: the screens, ResolutionCible and the template settings are taken
// over, ModeleCharge and ModeleSauve are cleared (NomModele is kept),
// CheminEcranDeVeille is cleared, and the last screen is selected (a file
// without screens opens empty, nothing selected). A relative picture path
// the current folder does not hold but the project's folder does names
// that file. No picture is loaded here. On failure the
// message ("This file isn't correct.", or the damaged-file text, or "Unable
// to open file %s") is shown with caption "Error", `projet` is left
// untouched and 0 is returned.
int ChargeProjet(CProjet& projet, const std::string& chemin, IDialogue& dialogue);

}  // namespace lumaveil
