#include "platform/system_clock.h"

#include <chrono>

namespace plorvane {

std::uint32_t SystemClock::Milliseconds() const {
  const auto since_start = std::chrono::steady_clock::now().time_since_epoch();
  const auto count = std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count();
  // Keeping the low 32 bits wraps like the system tick count.
  return static_cast<std::uint32_t>(count);
}

}  // namespace plorvane
