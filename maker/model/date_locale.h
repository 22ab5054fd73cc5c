// Dates and times of photos written in the user's language and customs
// (LC_TIME, as the C library reads it from LC_ALL, LC_TIME or LANG),
// without Qt: the month and day names come from the C library's locale
// data.
#pragma once

#include <string>

#include "picture/meta_photo.h"

namespace lumaveil {

// How a caption writes a date taken; stored per caption as its number.
enum class FormatDate {
  Longue = 0,     // "14 July 2024" ("July 14, 2024" in en_US, "14. Juli 2024" in de)
  AvecJour = 1,   // "Sunday 14 July 2024"
  Numerique = 2,  // the locale's short form: "07/14/24", "14/07/2024"
  MoisAnnee = 3,  // "July 2024"
  Annee = 4,      // "2024"
};
inline constexpr int kNombreFormatsDate = 5;

// A caption's format, its stored number read back (Longue when out of range).
inline FormatDate FormatDateDe(int valeur) {
  return valeur >= 0 && valeur < kNombreFormatsDate ? FormatDate(valeur) : FormatDate::Longue;
}

// The strftime pattern of a format for a locale whose short date
// pattern (nl_langinfo D_FMT) is `motifCourt` and whose language code is
// `langue` ("en", "de", "" for the C locale).
std::string MotifDate(FormatDate format, const std::string& motifCourt, const std::string& langue);

// The date in the user's locale; "" when the date is unknown. A date
// without its day (or month) is written with what it has.
std::string TexteDate(const talvik::DatePhoto& date, FormatDate format);
// The time of day in the user's locale ("18:30", "6:30 PM"); "" when the
// time is unknown.
std::string TexteHeure(const talvik::DatePhoto& date);

}  // namespace lumaveil
