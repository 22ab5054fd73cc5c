#include "command_line.h"

#include <limits>

namespace lmvengine {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Signed decimal number at the start of `text`, like atol but saturating.
int64_t ReadNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    int digit = text[i] - '0';
    if (value > (kMax - digit) / 10) {
      value = kMax;
    } else {
      value = value * 10 + digit;
    }
  }
  return negative ? -value : value;
}

}  // namespace

CommandLine ParseCommandLine(std::string_view text) {
  CommandLine line;
  std::string_view word = text;
  while (!word.empty() && IsSpace(word.front())) word.remove_prefix(1);
  while (!word.empty() && IsSpace(word.back())) word.remove_suffix(1);
  if (word == "--help" || word == "-h" || word == "/?") {
    line.mode = PlayerMode::kHelp;
  } else if (text.size() >= 2 && text[0] == '/' && text[1] == 'c') {
    line.mode = PlayerMode::kAbout;
  } else if (text.size() >= 4 && text.substr(0, 3) == "/p ") {
    line.mode = PlayerMode::kPreview;
    line.parent = ReadNumber(text.substr(3));
  }
  return line;
}

}  // namespace lmvengine
