// Texts are UTF-8 in memory and Windows-1252 in the files that Windows
// programs read (project and template files).
#pragma once

#include <string>

namespace lumaveil {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 etc., as Windows
// itself maps them, so that every byte string survives a round trip.
std::string Cp1252VersUtf8(const std::string& octets);

// UTF-8 to Windows-1252. A character that Windows-1252 cannot hold becomes
// '?' and *perte (when given) is set to true. Bytes that are not valid
// UTF-8 are taken one by one as Windows-1252 characters.
std::string Utf8VersCp1252(const std::string& utf8, bool* perte = nullptr);

// UTF-8 to UTF-16 code units and back (invalid input: replacement character).
std::u16string Utf8VersUtf16(const std::string& utf8);
std::string Utf16VersUtf8(const std::u16string& utf16);

}  // namespace lumaveil
