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

bool TFastTimer::Due(std::uint32_t start) const {
  const int interval = interval_;
  if (!enabled_ || interval <= 0 || !HasHandler()) return false;
  // Unsigned difference: right across the wrap of the tick count.
  const std::uint32_t elapsed = clock_.Milliseconds() - start;
  return elapsed > static_cast<std::uint32_t>(interval);
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
    while (!stop.stop_requested() && !Due(start)) std::this_thread::sleep_for(kPollStep);
    if (stop.stop_requested()) return;
    application_.Synchronize(tick, stop);
  }
}

}  // namespace plorvane
