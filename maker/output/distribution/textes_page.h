// The download page in the language of the maker that writes it: the
// designed English texts of the template (web/Page.html) and each
// language's wording of them, and the page's lang attribute, which the web
// player reads to speak the same language.
#pragma once

#include <string>

namespace lumaveil {

// `modele` with `<html lang="en">` made `<html lang="LANGUE">` and every
// designed English text of the page replaced by its wording in `langue`
// ("fr", "de", "es"). Any other language, or a template whose texts are
// not the designed ones, is left as it is (English).
std::string TraduitModelePage(const std::string& modele, const std::string& langue);

}  // namespace lumaveil
