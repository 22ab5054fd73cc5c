// How a caption's fields (text/champs_texte.h) are written out with the
// values of its screen's photo. Texts read from photos lose the field
// marks' private-use characters, so a photo cannot bring a field in; only
// the command line reads "{date}" as a field (ChampsDepuisAccolades).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "date_locale.h"
#include "picture/meta_photo.h"
#include "text/champs_texte.h"
#include "text/texte.h"

namespace lumaveil {

using talvik::ChampLegende;
using talvik::kChampsLegende;
using talvik::kDebutChamp;
using talvik::kFinChamp;
using talvik::MarqueChamp;

// True when the text holds at least one field mark.
bool ContientChamps(const std::string& texte);

// "{date} in {place}" with its known field names in braces turned into
// fields; other braces stay as they are.
std::string ChampsDepuisAccolades(const std::string& texte);

// The stored text with its fields shown as "{date}" (for messages and
// lists; never read back as fields).
std::string AccoladesDepuisChamps(const std::string& texte);

// The text with its fields as "{date}" and its own braces doubled ("{{"),
// and back: a form of a caption with fields that files holding only
// Windows-1252 can carry.
std::string ChampsEchappes(const std::string& texte);
std::string ChampsDesechappes(const std::string& echappe);

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

// The text a caption of the photo at `chemin` draws: its fields written
// out in its date format, or nothing when its fields are all empty. A
// caption without fields is its text as it stands.
std::optional<std::string> LibelleDessine(const talvik::T_TEXTE& texte, const std::string& chemin);

}  // namespace lumaveil
