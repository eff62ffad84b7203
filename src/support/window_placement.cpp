#include "support/window_placement.h"

#include <cstdint>
#include <limits>

namespace plorvane {
namespace {

constexpr std::int64_t kVisibleMargin = 32;

// 64-bit arithmetic, so extreme sizes from a damaged settings file cannot overflow.
int ClampedToRange(std::int64_t value, std::int64_t low, std::int64_t high) {
  if (value < low) value = low;
  if (value > high) value = high;
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

}  // namespace

WindowBounds PlacedBounds(const WindowBounds& wanted, int screen_width, int screen_height) {
  WindowBounds placed = wanted;
  placed.left = ClampedToRange(wanted.left, kVisibleMargin - wanted.width, std::int64_t{screen_width} - kVisibleMargin);
  placed.top = ClampedToRange(wanted.top, kVisibleMargin - wanted.height, std::int64_t{screen_height} - kVisibleMargin);
  return placed;
}

WindowPosition CentredPosition(int width, int height, int screen_width, int screen_height) {
  const auto half = [](std::int64_t screen, std::int64_t window) {
    return ClampedToRange((screen - window) / 2, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  };
  return {half(screen_width, width), half(screen_height, height)};
}

}  // namespace plorvane
