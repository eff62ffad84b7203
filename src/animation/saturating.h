#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace plorvane {

// Positions and offsets come from files and from the mouse; moving one must not overflow.
inline std::int32_t SaturatingAdd(std::int32_t value, std::int64_t delta) {
  const std::int64_t sum = std::int64_t{value} + delta;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace plorvane
