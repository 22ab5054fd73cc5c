// The one "WxH" reader of the command lines.
#include <gtest/gtest.h>

#include "size_text.h"

namespace {

TEST(SizeText, ReadsWidthAndHeightAndRefusesAnythingElse) {
  int w = 7, h = 7;
  ASSERT_TRUE(lmvengine::ParseSize("1280x960", w, h));
  EXPECT_EQ(w, 1280);
  EXPECT_EQ(h, 960);
  ASSERT_TRUE(lmvengine::ParseSize("640X2147483647", w, h));
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 2147483647);
  for (const char* faux : {"", "x", "640x", "x480", "640", "640x480x2", " 640x480", "640x480 ",
                           "640 x480", "+640x480", "-640x480", "0x480", "640x0",
                           "2147483648x1", "99999999999999999999x1", "64ax480", "0x10x480"}) {
    w = h = 7;
    EXPECT_FALSE(lmvengine::ParseSize(faux, w, h)) << faux;
    EXPECT_EQ(w, 7) << faux;  // nothing is set on failure
    EXPECT_EQ(h, 7) << faux;
  }
}

}  // namespace
