#include "media/fast_timer.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace plorvane {
namespace {

constexpr auto kPollStep = std::chrono::milliseconds(1);

}  // namespace

TFastTimer::TFastTimer(Application& application, const Clock& clock)
    : application_(application), clock_(clock), thread_([this](const std::stop_token& stop) { Run(stop); }) {}

void TFastTimer::SetInterval(int milliseconds) { interval_ = std::clamp(milliseconds, 0, kMaxInterval); }

void TFastTimer::SetOnTimer(std::function<void()> handler) {
  std::lock_guard lock(handler_mutex_);
  on_timer_ = std::move(handler);
}

bool TFastTimer::HasHandler() const {
  std::lock_guard lock(handler_mutex_);
  return static_cast<bool>(on_timer_);
}

std::chrono::milliseconds TFastTimer::TimeToTick(std::uint32_t start) const {
  const int interval = interval_;
  if (!enabled_ || interval <= 0 || !HasHandler()) return kPollStep;
  // Unsigned difference: right across the wrap of the tick count.
  const std::uint32_t elapsed = clock_.Milliseconds() - start;
  if (elapsed > static_cast<std::uint32_t>(interval)) return std::chrono::milliseconds(0);
  return std::chrono::milliseconds(static_cast<std::uint32_t>(interval) + 1 - elapsed);
}

void TFastTimer::Fire() const {
  std::function<void()> handler;
  {
    std::lock_guard lock(handler_mutex_);
    handler = on_timer_;
  }
  // Emptied while the tick waited for the main thread: the owner no longer wants it.
  if (handler) handler();
}

void TFastTimer::Run(const std::stop_token& stop) {
  const std::function<void()> tick = [this] { Fire(); };
  while (!stop.stop_requested()) {
    // While disabled the start stays, so the first tick after enabling may come at once.
    const std::uint32_t start = clock_.Milliseconds();
    // Sleeps until the tick is due rather than waking every millisecond; a stop request ends
    // the wait at once.
    for (auto wait = TimeToTick(start); wait.count() > 0; wait = TimeToTick(start)) {
      std::unique_lock lock(sleep_mutex_);
      if (sleep_.wait_for(lock, stop, wait, [] { return false; }) || stop.stop_requested()) return;
    }
    if (stop.stop_requested()) return;
    application_.Synchronize(tick, stop);
  }
}

}  // namespace plorvane
