// The screen-saver command line: the text after the program name, compared
// case-sensitively.
#pragma once

#include <cstdint>
#include <string_view>

namespace lmvengine {

enum class PlayerMode {
  kHelp,        // "--help", "-h" or "/?" alone: the usage on standard output
  kAbout,       // begins with "/c"
  kPreview,     // "/p " and at least one more character: parent window number
  kFullScreen,  // anything else ("", "/s", "/S", "/C", "/P", "/p", "/p5", ...)
};

struct CommandLine {
  PlayerMode mode = PlayerMode::kFullScreen;
  int64_t parent = 0;  // preview: the parent window handle (0 when unreadable)
};

// Preview number: leading white space skipped, an optional sign, then digits
// up to the first other character; saturates instead of overflowing.
CommandLine ParseCommandLine(std::string_view text);

}  // namespace lmvengine
