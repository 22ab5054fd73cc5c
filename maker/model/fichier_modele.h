// The template file (.mod): one line per setting, "[Key] value", lines
// ending with CR LF, Windows-1252 text (the keys hold "°", 0xB0, and the
// header "è", 0xE8). It keeps resize, the five texts, border, background,
// transition effect and display time; crop, rotation and colour adjustment
// are not part of it. Texts are UTF-8 in memory; characters that
// Windows-1252 cannot hold are written as '?'.
#pragma once

#include <string>

#include "chaines.h"  // QT_TRANSLATE_NOOP
#include "dialogue.h"
#include "ecran.h"

namespace lumaveil {

// Texts of the failures (caption "Error"), in English like every message
// the user sees.
inline constexpr const char* kModeleEcritureImpossible =
    QT_TRANSLATE_NOOP("Messages", "Unable to open the file for writing");
inline constexpr const char* kModeleLectureImpossible =
    QT_TRANSLATE_NOOP("Messages", "Unable to open the file for reading");
inline constexpr const char* kModeleInvalide =
    QT_TRANSLATE_NOOP("Messages", "This file is not a Lumaveil template");
inline constexpr const char* kTitreErreurModele = QT_TRANSLATE_NOOP("Messages", "Error");

// The bytes of the template file for `modele`.
std::string EcritModele(const CEcran& modele);

// Applies the lines of a template file to `modele`. Every line is offered
// to six groups in turn (resize, texts 1 to 5, border, background, effect,
// duration); in each group the first key found anywhere in the line sets
// its field and ends the group. Fields whose key is absent keep their
// value; nothing is ever rejected.
void LitModele(const std::string& octets, CEcran& modele);

// Writes the template file (created or truncated). 1 on success; on
// failure the message kModeleEcritureImpossible (caption "Error", error
// icon) is shown and 0 returned.
int SauveModele(const std::string& chemin, const CEcran& modele, IDialogue& dialogue);

// Whether `octets` start with the header line every template file starts
// with ("Fichier modèle de : ", in Windows-1252 or UTF-8).
bool EnteteModele(const std::string& octets);

// Reads a template file into `modele`. 1 on success; when the file cannot
// be opened the message kModeleLectureImpossible, and when it does not start
// with the template header (a picture, a project, any other file) the
// message kModeleInvalide, is shown (caption "Error", error icon), `modele`
// is unchanged and 0 returned.
int ChargeModele(const std::string& chemin, CEcran& modele, IDialogue& dialogue);

}  // namespace lumaveil
