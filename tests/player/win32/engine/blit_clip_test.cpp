// Clipping a planned blit to the picture it reads from (LmvEngine.exe's GDI
// surface draws only pixels whose source exists).
#include <gtest/gtest.h>

#include "blit_clip.h"

namespace lmvengine::win32 {
namespace {

TEST(BlitClip, StepInsideThePictureIsUnchanged) {
  for (bool stretch : {false, true}) {
    BlitStep step{{192, 144, 640, 480}, {0, 0, 640, 480}, stretch};
    BlitStep out;
    ASSERT_TRUE(ClipToPicture(step, 640, 480, out));
    EXPECT_EQ(out, step);
  }
  BlitStep band{{0, 0, 1024, 230}, {0, 0, 1280, 288}, true};  // effect 1, step 3, scaled
  BlitStep out;
  ASSERT_TRUE(ClipToPicture(band, 1280, 960, out));
  EXPECT_EQ(out, band);
}

TEST(BlitClip, CopyFromASmallerPictureKeepsOnlyItsPixels) {
  // Trailer 640x480, picture decoded at 400x300: the copy shrinks to it and
  // stays at the same destination origin, one source pixel per pixel.
  BlitStep step{{192, 144, 640, 480}, {0, 0, 640, 480}, false};
  BlitStep out;
  ASSERT_TRUE(ClipToPicture(step, 400, 300, out));
  EXPECT_EQ(out.dest, (Rect{192, 144, 400, 300}));
  EXPECT_EQ(out.source, (Rect{0, 0, 400, 300}));
  EXPECT_FALSE(out.stretch);
}

TEST(BlitClip, BottomBandOfASmallerPictureShiftsWithTheSource) {
  // Effect 4 copies the picture's bottom rows; of a 240-row band starting at
  // row 240 only rows 240..299 exist in a 300-row picture.
  BlitStep step{{0, 528, 640, 240}, {0, 240, 640, 240}, false};
  BlitStep out;
  ASSERT_TRUE(ClipToPicture(step, 640, 300, out));
  EXPECT_EQ(out.source, (Rect{0, 240, 640, 60}));
  EXPECT_EQ(out.dest, (Rect{0, 528, 640, 60}));
}

TEST(BlitClip, StretchShrinksTheDestinationInProportion) {
  // The whole 1280x960 trailer size into 1024x768, picture only 640x960:
  // the left half of the source fills the left half of the destination.
  BlitStep step{{0, 0, 1024, 768}, {0, 0, 1280, 960}, true};
  BlitStep out;
  ASSERT_TRUE(ClipToPicture(step, 640, 960, out));
  EXPECT_EQ(out.source, (Rect{0, 0, 640, 960}));
  EXPECT_EQ(out.dest, (Rect{0, 0, 512, 768}));
  EXPECT_TRUE(out.stretch);
}

TEST(BlitClip, NothingLeftIsNotDrawn) {
  BlitStep out;
  // Source entirely below the picture.
  EXPECT_FALSE(ClipToPicture({{0, 0, 100, 10}, {0, 500, 100, 10}, false}, 640, 480, out));
  // Empty rectangles and an empty picture.
  EXPECT_FALSE(ClipToPicture({{0, 0, 0, 10}, {0, 0, 0, 10}, false}, 640, 480, out));
  EXPECT_FALSE(ClipToPicture({{0, 0, 64, 48}, {0, 0, 640, 480}, true}, 0, 0, out));
  // A sliver whose destination share rounds to nothing.
  EXPECT_FALSE(ClipToPicture({{0, 0, 10, 10}, {0, 0, 1000, 1000}, true}, 50, 1000, out));
}

}  // namespace
}  // namespace lmvengine::win32
