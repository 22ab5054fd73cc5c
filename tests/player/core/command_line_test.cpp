// The screen-saver command line.
#include <gtest/gtest.h>

#include "command_line.h"

namespace {

using lmvengine::ParseCommandLine;
using lmvengine::PlayerMode;

TEST(CommandLine, SlashSmallCIsTheAboutBoxEvenWithAWindowNumber) {
  EXPECT_EQ(ParseCommandLine("/c").mode, PlayerMode::kAbout);
  EXPECT_EQ(ParseCommandLine("/c:1234").mode, PlayerMode::kAbout);
  EXPECT_EQ(ParseCommandLine("/C").mode, PlayerMode::kFullScreen);
}

TEST(CommandLine, PreviewNeedsASpaceAndSomethingAfterIt) {
  auto p = ParseCommandLine("/p 4242");
  EXPECT_EQ(p.mode, PlayerMode::kPreview);
  EXPECT_EQ(p.parent, 4242);
  EXPECT_EQ(ParseCommandLine("/p").mode, PlayerMode::kFullScreen);
  EXPECT_EQ(ParseCommandLine("/p ").mode, PlayerMode::kFullScreen);
  EXPECT_EQ(ParseCommandLine("/p5").mode, PlayerMode::kFullScreen);
  EXPECT_EQ(ParseCommandLine("/P 5").mode, PlayerMode::kFullScreen);
}

TEST(CommandLine, PreviewNumberReadsLikeASignedDecimal) {
  EXPECT_EQ(ParseCommandLine("/p   -17xyz").parent, -17);
  EXPECT_EQ(ParseCommandLine("/p +88 9").parent, 88);
  auto zero = ParseCommandLine("/p abc");
  EXPECT_EQ(zero.mode, PlayerMode::kPreview);
  EXPECT_EQ(zero.parent, 0);
  EXPECT_GT(ParseCommandLine("/p 99999999999999999999999").parent, 0);  // saturates
}

TEST(CommandLine, HelpAloneAsksForTheUsage) {
  for (const char* line : {"--help", "-h", " --help ", "/?"}) {
    EXPECT_EQ(ParseCommandLine(line).mode, PlayerMode::kHelp) << line;
  }
  for (const char* line : {"--helpme", "-h x", "/p --help", "/?x"}) {
    EXPECT_NE(ParseCommandLine(line).mode, PlayerMode::kHelp) << line;
  }
}

TEST(CommandLine, EverythingElseIsFullScreen) {
  for (const char* line : {"", "/s", "/S", "-s", "hello", "c"}) {
    EXPECT_EQ(ParseCommandLine(line).mode, PlayerMode::kFullScreen) << line;
  }
}

}  // namespace
