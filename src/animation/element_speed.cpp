#include "animation/element_speed.h"

#include <algorithm>

#include "support/translate.h"

namespace plorvane {
namespace {

// Position and interval always add up to this, so the bar runs from slow at the left to fast.
constexpr int kPositionPlusInterval = SpeedBar::kMax + SpeedBar::kMin + 1;

// 1000 / interval with two decimals, computed in hundredths so that nothing is rounded.
std::string RateText(int interval_ms) {
  const int hundredths = 100'000 / interval_ms;
  const int fraction = hundredths % 100;
  return std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
}

}  // namespace

int SpeedBarPosition(int interval_ms) {
  const int clamped = std::clamp(interval_ms, SpeedBar::kMin, SpeedBar::kMax);
  return clamped == SpeedBar::kMin ? SpeedBar::kMin : kPositionPlusInterval - clamped;
}

int SpeedBarInterval(int position) {
  if (position <= SpeedBar::kMin) return 0;
  return kPositionPlusInterval - std::min(position, SpeedBar::kMax);
}

int FpsInterval(int frames_per_second) { return frames_per_second > 0 ? 1000 / frames_per_second : 0; }

std::string SpeedLabelText(int interval_ms) {
  const int shown = SpeedBarInterval(SpeedBarPosition(interval_ms));
  std::string text = Translate("Speed") + " ";
  text += shown == 0 ? Translate("Still") : RateText(shown) + Translate("fps");
  text += " ";
  if (interval_ms != 0) text += "[" + std::to_string(interval_ms) + Translate("ms") + "]";
  return text;
}

}  // namespace plorvane
