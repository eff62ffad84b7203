#include "support/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace plorvane {
namespace {

TEST(WindowPlacement, AtLeast32PixelsStayOnTheScreen) {
  const struct {
    WindowBounds wanted;
    WindowBounds placed;
  } cases[] = {
      {{-5000, 10, 200, 100}, {-168, 10, 200, 100}},
      {{5000, 10, 200, 100}, {992, 10, 200, 100}},
      {{10, -900, 200, 100}, {10, -68, 200, 100}},
      {{10, 900, 200, 100}, {10, 736, 200, 100}},
      {{100, 100, 200, 100}, {100, 100, 200, 100}},
      {{INT_MIN, INT_MAX, INT_MAX, 10}, {32 - INT_MAX, 736, INT_MAX, 10}},
  };
  for (const auto& c : cases) EXPECT_EQ(PlacedBounds(c.wanted, 1024, 768), c.placed) << c.wanted.left;
  // A screen narrower than the margins: the right-hand limit wins.
  EXPECT_EQ(PlacedBounds({50, 0, 10, 10}, 20, 20).left, -12);
}

TEST(WindowPlacement, CentringRoundsHalvesTowardsZero) {
  EXPECT_EQ(CentredPosition(101, 100, 1024, 768), (WindowPosition{461, 334}));
  EXPECT_EQ(CentredPosition(1027, 771, 1024, 768), (WindowPosition{-1, -1}));
  EXPECT_EQ(CentredPosition(1025, 768, 1024, 768), (WindowPosition{0, 0}));
}

}  // namespace
}  // namespace plorvane
