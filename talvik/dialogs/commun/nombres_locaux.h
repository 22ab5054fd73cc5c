// Numbers as the user's language writes them (QLocale's default, which the
// maker sets from the desktop's language): "1,234" in English, "1.234" in
// German, "1 234" in French.
#pragma once

#include <QString>

#include <string>

namespace talvik {

QString NombreLocal(long long n);

// A progress counter, "(3 / 10)".
std::string CompteurLocal(unsigned int courant, unsigned int total);

}  // namespace talvik
