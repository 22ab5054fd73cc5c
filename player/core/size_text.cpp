#include "size_text.h"

namespace lmvengine {

namespace {

bool ParseSide(std::string_view text, int& value) {
  if (text.empty()) return false;
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > 2147483647LL) return false;
  }
  if (v == 0) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

bool ParseSize(std::string_view text, int& width, int& height) {
  const size_t x = text.find_first_of("xX");
  int w = 0, h = 0;
  if (x == std::string_view::npos || !ParseSide(text.substr(0, x), w) ||
      !ParseSide(text.substr(x + 1), h))
    return false;
  width = w;
  height = h;
  return true;
}

}  // namespace lmvengine
