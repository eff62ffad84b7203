#pragma once
// The speed control of the animation element window: a bar whose left end means "still" and
// whose other positions are frame intervals, the right end the fastest. The mapping lives here,
// away from the widgets, so it can be checked without a display.

#include <string>

namespace plorvane {

struct SpeedBar {
  static constexpr int kMin = 49;  // still
  static constexpr int kMax = 2000;  // 50 ms, 20 frames per second
  static constexpr int kLargeStep = 10;
};

// The bar position that shows an interval in milliseconds. The interval is first clamped to
// 49..2000, so 1 to 49 ms (and anything below) show as still and anything above 2000 ms as 2000.
int SpeedBarPosition(int interval_ms);
// The interval a bar position stands for: 0 (still) at the left end, else 2050 - position, so
// the right end is 50 ms and the position next to still 2000 ms. Positions beyond the bar's
// ends count as its ends.
int SpeedBarInterval(int position);
// The interval of a frame rate from the frame-rate menu: 1000 div rate, 0 (still) for 0 and
// for negative rates.
int FpsInterval(int frames_per_second);

// "Speed 2.00fps [500ms]": the rate the bar shows for the element's interval with two digits
// after the point (cut, not rounded), and the element's own interval in brackets; "Speed Still "
// (the blank kept) for an interval of 0, "Speed Still [30ms]" for one too short for the bar.
std::string SpeedLabelText(int interval_ms);

}  // namespace plorvane
