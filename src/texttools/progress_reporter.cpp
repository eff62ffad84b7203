#include "texttools/progress_reporter.h"

#include <chrono>

namespace plorvane {

std::uint64_t SteadyMilliseconds() {
  const auto since_origin = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since_origin).count());
}

void ProgressReporter::Running(int percent) {
  // Unsigned subtraction: a clock that went backwards counts as "long ago", never as a stall.
  const std::uint64_t now = Now();
  if (now - last_report_ < kMinRunningInterval) return;
  Deliver(ProgressStage::kRunning, percent, now);
}

void ProgressReporter::Deliver(ProgressStage stage, int percent, std::uint64_t now) {
  last_report_ = now;
  if (handler_) handler_(stage, percent, text_);
}

}  // namespace plorvane
