#include "card/frame_painter.h"

#include <gtest/gtest.h>

#include <vector>

namespace plorvane {
namespace {

// The ring colours worked out by hand from the rule: dark at the edge, full at the split ring,
// dark again next to the picture; channels blended with truncating integer arithmetic.
struct Rgb {
  int r, g, b;
};

Rgb Mix(int percent, Rgb a, Rgb b) {
  return {(a.r * percent + b.r * (100 - percent)) / 100, (a.g * percent + b.g * (100 - percent)) / 100,
          (a.b * percent + b.b * (100 - percent)) / 100};
}

std::vector<Rgb> ExpectedRings(int size, int split_percent, int shade, Rgb colour, bool swap) {
  Rgb full = colour;
  Rgb dark{colour.r * shade / 100, colour.g * shade / 100, colour.b * shade / 100};
  if (swap) std::swap(full, dark);
  int split = size * split_percent / 100;
  split = std::min(std::max(split, 0), size - 1);
  std::vector<Rgb> rings(static_cast<std::size_t>(size));
  for (int i = 0; i <= split; ++i) rings[static_cast<std::size_t>(i)] = Mix(split ? i * 100 / split : 0, full, dark);
  const int inner = size - 1 - split;
  for (int j = 0; j <= inner; ++j) {
    rings[static_cast<std::size_t>(split + j)] = Mix(inner ? j * 100 / inner : 0, dark, full);
  }
  return rings;
}

Rgb RingAt(const Bitmap& bitmap, int ring) {
  const Colour c = bitmap.GetPixel(ring, bitmap.height() / 2);
  return {RedOf(c), GreenOf(c), BlueOf(c)};
}

struct FrameCase {
  const char* name;
  int size, split, shade;
  Rgb colour;
  bool swap;
};

TEST(FramePainterTest, RingsFollowTheGradientRule) {
  const std::vector<FrameCase> cases = {
      {"new card", 50, 100, 60, {98, 164, 253}, false},
      {"single ring", 1, 100, 60, {98, 164, 253}, false},
      {"split 0", 20, 0, 60, {200, 100, 50}, false},
      {"split 50", 21, 50, 40, {10, 250, 90}, false},
      {"flat", 10, 70, 100, {1, 2, 3}, false},
      {"black dark", 10, 70, 0, {255, 255, 255}, false},
      {"swapped", 30, 85, 60, {255, 0, 0}, true},
      {"widest", 75, 25, 60, {255, 166, 66}, false},
  };
  for (const auto& c : cases) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Resize(2 * c.size + 10, 2 * c.size + 10, MakeColour(7, 7, 7)));
    DrawFrame(bitmap, FrameStyle{c.size, c.split, c.shade, MakeColour(static_cast<std::uint8_t>(c.colour.r),
                                                                      static_cast<std::uint8_t>(c.colour.g),
                                                                      static_cast<std::uint8_t>(c.colour.b)),
                                 c.swap});
    const auto expected = ExpectedRings(c.size, c.split, c.shade, c.colour, c.swap);
    for (int ring = 0; ring < c.size; ++ring) {
      const Rgb got = RingAt(bitmap, ring);
      const Rgb want = expected[static_cast<std::size_t>(ring)];
      EXPECT_TRUE(got.r == want.r && got.g == want.g && got.b == want.b) << c.name << " ring " << ring;
      // The ring is a closed outline: its opposite side matches.
      EXPECT_EQ(bitmap.GetPixel(bitmap.width() - 1 - ring, bitmap.height() / 2), bitmap.GetPixel(ring, bitmap.height() / 2));
    }
    EXPECT_EQ(bitmap.GetPixel(c.size, c.size), MakeColour(7, 7, 7)) << c.name << ": inside the rings is untouched";
  }
}

TEST(FramePainterTest, NewCardRingsAreTheDocumentedColours) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(430, 430));
  DrawFrame(bitmap, FrameStyle{50, 100, 60, MakeColour(98, 164, 253), false});
  EXPECT_EQ(bitmap.GetPixel(0, 200), MakeColour(58, 98, 151));
  EXPECT_EQ(bitmap.GetPixel(49, 200), MakeColour(98, 164, 253));
  EXPECT_EQ(bitmap.GetPixel(380, 380), MakeColour(98, 164, 253));
}

TEST(FramePainterTest, SizeZeroDrawsNothing) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(1, 1, kWhite));
  DrawFrame(bitmap, FrameStyle{0, 100, 60, kBlack, false});
  EXPECT_EQ(bitmap.GetPixel(0, 0), kWhite);
}

}  // namespace
}  // namespace plorvane
