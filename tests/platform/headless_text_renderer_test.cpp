#include "platform/headless/headless_text_renderer.h"

#include <gtest/gtest.h>

#include <climits>

namespace plorvane {
namespace {

constexpr Colour kRed = MakeColour(255, 0, 0);

TEST(HeadlessTextRendererTest, MeasuresCodePointsNotBytes) {
  const HeadlessTextRenderer renderer;
  const Font font{"", 7, true, false, true, kRed};
  EXPECT_EQ(renderer.Measure("menu", font), (PixelSize{24, 11}));
  EXPECT_EQ(renderer.Measure("", font), (PixelSize{0, 11}));
  EXPECT_EQ(renderer.Measure("\xC3\xA9t\xC3\xA9", font), (PixelSize{18, 11}));  // "été"
  EXPECT_EQ(renderer.Measure("x", Font{"", -3}), (PixelSize{6, 5}));
}

TEST(HeadlessTextRendererTest, DrawsBoxesAndUnderlineOnlyInsideTheClip) {
  const HeadlessTextRenderer renderer;
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(20, 14, kWhite));
  const Font font{"", 8, false, false, true, kRed};
  // The clip cuts the second glyph after its first column and the underline with it.
  renderer.Draw(bitmap, {1, 0}, "A b", font, Rect{0, 0, 14, 14});

  struct Probe {
    int x, y;
    bool inked;
  };
  const Probe probes[] = {
      {1, 2, true},   {5, 9, true},   {6, 5, false},  // first glyph, its gap
      {1, 1, false},  {1, 10, false},                 // above and below it
      {7, 5, false},                                  // the space
      {13, 2, true},  {14, 2, false},                 // the clip's right edge
      {1, 11, true},  {13, 11, true}, {14, 11, false},  // underline, clipped
  };
  for (const Probe& probe : probes) {
    EXPECT_EQ(bitmap.GetPixel(probe.x, probe.y), probe.inked ? kRed : kWhite) << probe.x << "," << probe.y;
  }
}

TEST(HeadlessTextRendererTest, ExtremeOriginsDrawNothingAndDoNotCrash) {
  const HeadlessTextRenderer renderer;
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(8, 8, kWhite));
  Bitmap untouched = bitmap;
  const Font font{"", 8, true, false, true, kRed};
  const Rect everything{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  renderer.Draw(bitmap, {INT_MAX - 3, INT_MAX - 3}, "overflowing text", font, everything);
  renderer.Draw(bitmap, {INT_MIN, 0}, "x", font, everything);
  EXPECT_EQ(bitmap, untouched);
}

}  // namespace
}  // namespace plorvane
