#pragma once
// The millisecond tick count of the system. Playback reads it through this interface so tests
// drive time with a fake clock instead of sleeping.

#include <atomic>
#include <cstdint>

namespace plorvane {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like the system tick count.
  [[nodiscard]] virtual std::uint32_t Milliseconds() const = 0;
};

// A clock whose time only moves when told to. Timer threads read it while a test moves it.
class ManualClock final : public Clock {
 public:
  [[nodiscard]] std::uint32_t Milliseconds() const override { return now_.load(); }
  void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }
  void Set(std::uint32_t milliseconds) { now_ = milliseconds; }

 private:
  std::atomic<std::uint32_t> now_{0};
};

}  // namespace plorvane
