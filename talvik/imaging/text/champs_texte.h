// The fields a caption can hold (the date taken, the place...), as the
// text editor inserts them and the maker writes them out from each photo.
// A field is stored as its name between two private-use characters,
// U+E000 and U+E001 ("\uE000date\uE001"): no caption typed by hand can
// hold them by chance, so a caption made before fields existed keeps its
// meaning, braces and all.
#pragma once

#include <array>
#include <string>

namespace talvik {

inline constexpr const char* kDebutChamp = "\xEE\x80\x80";  // U+E000
inline constexpr const char* kFinChamp = "\xEE\x80\x81";    // U+E001

// Marks the texts the text editor shows for its translators (lupdate
// reads it; the code keeps the English text).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

struct ChampLegende {
  const char* nom;      // in the stored text and on the command line: "date"
  const char* libelle;  // in the text editor's "Insert field" menu
};

inline constexpr std::array kChampsLegende = {
    ChampLegende{"date", QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Date taken")},
    ChampLegende{"time", QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Time taken")},
    ChampLegende{"place", QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Place")},
    ChampLegende{"title", QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Title")},
    ChampLegende{"description", QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Description")},
    ChampLegende{"camera", QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Camera")},
    ChampLegende{"file", QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "File name")},
};

// The date formats a caption chooses from, in the order of their stored
// numbers (T_TEXTE::FormatDate), as the text editor lists them.
inline constexpr std::array kLibellesFormatDate = {
    QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Long (14 July 2024)"),
    QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "With the day (Sunday 14 July 2024)"),
    QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Numeric (14/07/2024)"),
    QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Month and year (July 2024)"),
    QT_TRANSLATE_NOOP("talvik::CMiniTexteDlg", "Year (2024)"),
};

// The stored form of the field `nom`.
inline std::string MarqueChamp(const std::string& nom) { return kDebutChamp + nom + kFinChamp; }

}  // namespace talvik
