#pragma once
// Progress of a long load or save, passed to a plain callback. Running reports closer together
// than 250 ms are dropped so a listener that repaints is not flooded.

#include <cstdint>
#include <functional>
#include <string_view>

namespace plorvane {

enum class ProgressStage { kStarting, kRunning, kEnding };

using ProgressHandler = std::function<void(ProgressStage stage, int percent, std::string_view text)>;
// Milliseconds from any fixed origin; injectable so tests control time.
using MillisecondClock = std::function<std::uint64_t()>;

std::uint64_t SteadyMilliseconds();

// Lives for one operation; the time of the last report lives with the owner, across operations.
class ProgressReporter {
 public:
  static constexpr std::uint64_t kMinRunningInterval = 250;

  ProgressReporter(const ProgressHandler& handler, const MillisecondClock& clock, std::uint64_t& last_report,
                   std::string_view text)
      : handler_(handler), clock_(clock), last_report_(last_report), text_(text) {}

  void Start() { Deliver(ProgressStage::kStarting, 0, Now()); }
  void Running(int percent);
  void End() { Deliver(ProgressStage::kEnding, 100, Now()); }

 private:
  void Deliver(ProgressStage stage, int percent, std::uint64_t now);
  [[nodiscard]] std::uint64_t Now() const { return clock_ ? clock_() : SteadyMilliseconds(); }

  const ProgressHandler& handler_;
  const MillisecondClock& clock_;
  std::uint64_t& last_report_;
  std::string_view text_;
};

}  // namespace plorvane
