// The saver's own messages in the language it was made in: the few texts
// LmvEngine shows (a package it cannot read, a picture it cannot decode,
// the about box's button), keyed by their English text as designed, for
// the languages the maker speaks. The maker writes the language into the
// options block (kFieldLanguage); before the package is read, the system's
// language is used instead.
#pragma once

#include <string_view>

namespace lmvengine {

enum class Language { kEnglish, kFrench, kGerman, kSpanish };

// The language of a code: "fr", "de-AT", "es_ES.UTF-8", "fr:en" (a list:
// its first); English for any other ("", "C", "pt").
Language LanguageFromCode(std::string_view code);

// The system's language on POSIX: the first of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG that is set and not empty.
Language EnvironmentLanguage();

// `english` in `language`: its wording, or `english` itself when it has
// none (English, or a text of the JPEG library).
const char* Words(Language language, const char* english);

}  // namespace lmvengine
