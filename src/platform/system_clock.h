#pragma once
// The real tick count: a steady clock, so changing the wall-clock time never disturbs playback.

#include "platform/clock.h"

namespace plorvane {

class SystemClock final : public Clock {
 public:
  [[nodiscard]] std::uint32_t Milliseconds() const override;
};

}  // namespace plorvane
