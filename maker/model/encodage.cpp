#include "encodage.h"

#include <cstdint>

namespace lumaveil {

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones map to
// themselves.
constexpr char16_t kPlage80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodeDeOctet(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) return kPlage80[b - 0x80];
  return b;
}

// -1 when the code point has no Windows-1252 byte.
int OctetDeCode(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
  for (int i = 0; i < 32; ++i)
    if (kPlage80[i] == c) return 0x80 + i;
  return -1;
}

void AjouteUtf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s += char(c);
  } else if (c < 0x800) {
    s += char(0xC0 | (c >> 6));
    s += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += char(0xE0 | (c >> 12));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  } else {
    s += char(0xF0 | (c >> 18));
    s += char(0x80 | ((c >> 12) & 0x3F));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 character at s[i]; returns its length, or 0 when the
// bytes there are not valid UTF-8.
std::size_t DecodeUtf8(const std::string& s, std::size_t i, char32_t& c) {
  auto b = static_cast<unsigned char>(s[i]);
  std::size_t n;
  if (b < 0x80) {
    c = b;
    return 1;
  } else if ((b & 0xE0) == 0xC0) {
    n = 2;
    c = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3;
    c = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    n = 4;
    c = b & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    auto t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    c = (c << 6) | (t & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not valid.
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMin[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

std::string Cp1252VersUtf8(const std::string& octets) {
  std::string s;
  s.reserve(octets.size());
  for (char b : octets) AjouteUtf8(s, CodeDeOctet(static_cast<unsigned char>(b)));
  return s;
}

std::string Utf8VersCp1252(const std::string& utf8, bool* perte) {
  std::string s;
  s.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c;
    std::size_t n = DecodeUtf8(utf8, i, c);
    if (n == 0) {
      s += utf8[i];
      ++i;
      continue;
    }
    int o = OctetDeCode(c);
    if (o < 0) {
      s += '?';
      if (perte) *perte = true;
    } else {
      s += char(o);
    }
    i += n;
  }
  return s;
}

std::u16string Utf8VersUtf16(const std::string& utf8) {
  std::u16string s;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c;
    std::size_t n = DecodeUtf8(utf8, i, c);
    if (n == 0) {
      c = 0xFFFD;
      n = 1;
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      s += char16_t(0xD800 + (c >> 10));
      s += char16_t(0xDC00 + (c & 0x3FF));
    } else {
      s += char16_t(c);
    }
    i += n;
  }
  return s;
}

std::string Utf16VersUtf8(const std::u16string& utf16) {
  std::string s;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AjouteUtf8(s, c);
  }
  return s;
}

}  // namespace lumaveil
