#include "animation/element_speed.h"

#include <gtest/gtest.h>

#include <string>

namespace plorvane {
namespace {

// A frame-rate choice all the way to what the window shows: the interval written to the
// element, the bar position and the label.
struct FpsCase {
  int fps;
  int interval;
  int position;
  std::string label;
};

class FpsChoice : public ::testing::TestWithParam<FpsCase> {};

TEST_P(FpsChoice, GivesIntervalBarAndLabel) {
  const FpsCase& c = GetParam();
  const int interval = FpsInterval(c.fps);
  EXPECT_EQ(interval, c.interval);
  EXPECT_EQ(SpeedBarPosition(interval), c.position);
  EXPECT_EQ(SpeedBarInterval(c.position), c.interval);
  EXPECT_EQ(SpeedLabelText(interval), c.label);
}

INSTANTIATE_TEST_SUITE_P(Menu, FpsChoice,
                         ::testing::Values(FpsCase{12, 83, 1967, "Speed 12.04fps [83ms]"},  // 12.048 is cut
                                           FpsCase{0, 0, 49, "Speed Still "},
                                           FpsCase{-3, 0, 49, "Speed Still "},
                                           FpsCase{1, 1000, 1050, "Speed 1.00fps [1000ms]"},
                                           FpsCase{2, 500, 1550, "Speed 2.00fps [500ms]"},
                                           FpsCase{7, 142, 1908, "Speed 7.04fps [142ms]"},
                                           FpsCase{15, 66, 1984, "Speed 15.15fps [66ms]"},
                                           FpsCase{20, 50, 2000, "Speed 20.00fps [50ms]"}));

// Intervals the bar cannot show exactly: the position, the interval the bar then stands for,
// and the label, which keeps the element's own interval in its brackets.
struct IntervalCase {
  int interval;
  int position;
  int shown;
  std::string label;
};

class UnevenInterval : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(UnevenInterval, ClampsToTheBar) {
  const IntervalCase& c = GetParam();
  EXPECT_EQ(SpeedBarPosition(c.interval), c.position);
  EXPECT_EQ(SpeedBarInterval(c.position), c.shown);
  EXPECT_EQ(SpeedLabelText(c.interval), c.label);
}

INSTANTIATE_TEST_SUITE_P(Edges, UnevenInterval,
                         ::testing::Values(IntervalCase{1, 49, 0, "Speed Still [1ms]"},
                                           IntervalCase{49, 49, 0, "Speed Still [49ms]"},
                                           IntervalCase{50, 2000, 50, "Speed 20.00fps [50ms]"},
                                           IntervalCase{2000, 50, 2000, "Speed 0.50fps [2000ms]"},
                                           IntervalCase{3000, 50, 2000, "Speed 0.50fps [3000ms]"},
                                           IntervalCase{-20, 49, 0, "Speed Still [-20ms]"},
                                           IntervalCase{999, 1051, 999, "Speed 1.00fps [999ms]"},
                                           IntervalCase{990, 1060, 990, "Speed 1.01fps [990ms]"}));

TEST(SpeedBar, PositionsBeyondTheEndsCountAsTheEnds) {
  EXPECT_EQ(SpeedBarInterval(0), 0);
  EXPECT_EQ(SpeedBarInterval(-100), 0);
  EXPECT_EQ(SpeedBarInterval(50), 2000);
  EXPECT_EQ(SpeedBarInterval(2001), 50);
  EXPECT_EQ(SpeedBarInterval(99999), 50);
}

TEST(SpeedBar, EveryPositionOfTheBarComesBackFromItsInterval) {
  for (int position = SpeedBar::kMin; position <= SpeedBar::kMax; ++position) {
    ASSERT_EQ(SpeedBarPosition(SpeedBarInterval(position)), position) << position;
  }
}

}  // namespace
}  // namespace plorvane
