// The names of the changes to a project, as Edit > Undo and Redo show them
// ("Undo Crop", "Redo Move screen"). Each is translated in the context
// "Changement" when its command is made.
#pragma once

#include <QtGlobal>

namespace lumaveil::changement {

inline constexpr const char* kContexte = "Changement";

inline constexpr const char* kChargementImage = QT_TRANSLATE_NOOP("Changement", "Load picture");
inline constexpr const char* kDechargementImage =
    QT_TRANSLATE_NOOP("Changement", "Unload picture");
inline constexpr const char* kDepotImage = QT_TRANSLATE_NOOP("Changement", "Drop picture");
inline constexpr const char* kRotation = QT_TRANSLATE_NOOP("Changement", "Rotate");
inline constexpr const char* kReglage = QT_TRANSLATE_NOOP("Changement", "Colour adjustment");
inline constexpr const char* kRecoupe = QT_TRANSLATE_NOOP("Changement", "Crop");
inline constexpr const char* kRedimension = QT_TRANSLATE_NOOP("Changement", "Resize");
inline constexpr const char* kTexte = QT_TRANSLATE_NOOP("Changement", "Texts");
inline constexpr const char* kCadre = QT_TRANSLATE_NOOP("Changement", "Border");
inline constexpr const char* kFond = QT_TRANSLATE_NOOP("Changement", "Background");
inline constexpr const char* kEffet = QT_TRANSLATE_NOOP("Changement", "Changing effect");
inline constexpr const char* kDuree = QT_TRANSLATE_NOOP("Changement", "Displaying duration");
inline constexpr const char* kEcran = QT_TRANSLATE_NOOP("Changement", "Change screen");
inline constexpr const char* kNouvelEcran = QT_TRANSLATE_NOOP("Changement", "New screen");
inline constexpr const char* kSuppression = QT_TRANSLATE_NOOP("Changement", "Delete screen");
inline constexpr const char* kSuppressionTout =
    QT_TRANSLATE_NOOP("Changement", "Delete all screens");
inline constexpr const char* kDeplacement = QT_TRANSLATE_NOOP("Changement", "Move screen");
inline constexpr const char* kAjoutPhotos = QT_TRANSLATE_NOOP("Changement", "Add photos");
inline constexpr const char* kResolution = QT_TRANSLATE_NOOP("Changement", "Display properties");
inline constexpr const char* kModele = QT_TRANSLATE_NOOP("Changement", "Template");
inline constexpr const char* kModelePourTous =
    QT_TRANSLATE_NOOP("Changement", "Template for all screens");
inline constexpr const char* kOptionsLecture = QT_TRANSLATE_NOOP("Changement", "Playing options");
inline constexpr const char* kPaires = QT_TRANSLATE_NOOP("Changement", "Pair portrait photos");
inline constexpr const char* kRefonte = QT_TRANSLATE_NOOP("Changement", "Rebuild screens");

}  // namespace lumaveil::changement
