// The fields a caption can hold (the date taken, the place, the title...):
// how they are marked in a caption's stored text, and how a caption is
// written out with the values of its screen's photo.
//
// A field is stored as its name between two private-use characters,
// U+E000 and U+E001 ("\uE000date\uE001"): no caption typed by hand, and
// no text read from a photo (those characters are taken out of them), can
// hold them by chance, so a caption made before fields existed keeps its
// meaning, braces and all. Only the command line reads "{date}" as a
// field (ChampsDepuisAccolades).
#pragma once

#include <array>
#include <string>

#include "date_locale.h"
#include "picture/meta_photo.h"

namespace lumaveil {

inline constexpr const char* kDebutChamp = "\xEE\x80\x80";  // U+E000
inline constexpr const char* kFinChamp = "\xEE\x80\x81";    // U+E001

struct ChampLegende {
  const char* nom;      // in the stored text and on the command line: "date"
  const char* libelle;  // in the text editor's "Insert field" menu
};

inline constexpr std::array kChampsLegende = {
    ChampLegende{"date", "Date taken"},   ChampLegende{"time", "Time taken"},
    ChampLegende{"place", "Place"},       ChampLegende{"title", "Title"},
    ChampLegende{"description", "Description"}, ChampLegende{"camera", "Camera"},
    ChampLegende{"file", "File name"},
};

// The stored form of the field `nom`.
std::string MarqueChamp(const std::string& nom);

// True when the text holds at least one field mark.
bool ContientChamps(const std::string& texte);

// "{date} in {place}" with its known field names in braces turned into
// fields; other braces stay as they are.
std::string ChampsDepuisAccolades(const std::string& texte);

// The stored text with its fields shown as "{date}" (for messages and
// lists; never read back as fields).
std::string AccoladesDepuisChamps(const std::string& texte);

// What a photo gives the fields.
struct ValeursPhoto {
  talvik::MetaPhoto meta;
  std::string lieu;     // "Town, Region, Country"; looked up when asked
  std::string fichier;  // the file's name without its folder and extension
};

// The values of the photo at `chemin`. The metadata of a file are read
// once and kept while the file keeps its size and time; the place is
// looked up in the gazetteer only when `avecLieu`. Thread-safe.
ValeursPhoto ValeursDeLaPhoto(const std::string& chemin, bool avecLieu);

// True when the text holds the field `nom`.
bool ContientChamp(const std::string& texte, const char* nom);

// The caption written out: each field replaced by its value (an unknown
// field name, or a stray mark, by nothing). A field without a value
// takes with it the separator (spaces and punctuation only) that joins it
// to its neighbour, so "{date} · {place}" without a place gives the date
// alone. `vide` is set when the text held fields and every one was
// empty: such a caption is not drawn at all.
std::string DevelopeChamps(const std::string& texte, const ValeursPhoto& valeurs,
                           FormatDate format, bool* vide);

}  // namespace lumaveil
