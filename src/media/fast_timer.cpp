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

void TFastTimer::RestUntil(std::uint32_t tick_count) {
  std::lock_guard lock(rest_mutex_);
  rest_until_ = tick_count;
}

void TFastTimer::EndPassedRest(std::uint32_t now) {
  std::lock_guard lock(rest_mutex_);
  // Forgotten once passed, so it cannot seem to lie ahead again when the tick count wraps.
  if (rest_until_ && static_cast<std::int32_t>(*rest_until_ - now) <= 0) rest_until_.reset();
}

std::uint32_t TFastTimer::Deadline(std::uint32_t last) const {
  const auto interval = static_cast<std::uint32_t>(interval_.load());
  // Strictly more than the interval, counted in whole milliseconds.
  const std::uint32_t regular = last + interval + 1;
  std::lock_guard lock(rest_mutex_);
  if (!rest_until_) return regular;
  // Differences from `last`, so the comparison holds across the wrap of the tick count.
  const std::uint32_t rest = *rest_until_ - last;
  if (static_cast<std::int32_t>(rest) <= 0) return regular;
  return last + std::min(rest, 2 * interval + 1);
}

std::chrono::milliseconds TFastTimer::TimeToTick(std::uint32_t last) const {
  if (!enabled_ || interval_ <= 0 || !HasHandler()) return kPollStep;
  // Signed difference: right across the wrap of the tick count.
  const auto left = static_cast<std::int32_t>(Deadline(last) - clock_.Milliseconds());
  return std::chrono::milliseconds(std::max(left, 0));
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
  // While disabled `last` stays, so the first tick after enabling may come at once.
  std::uint32_t last = clock_.Milliseconds();
  while (!stop.stop_requested()) {
    // Sleeps until the tick is due rather than waking every millisecond; a stop request ends
    // the wait at once.
    for (auto wait = TimeToTick(last); wait.count() > 0; wait = TimeToTick(last)) {
      std::unique_lock lock(sleep_mutex_);
      if (sleep_.wait_for(lock, stop, wait, [] { return false; }) || stop.stop_requested()) return;
    }
    if (stop.stop_requested()) return;
    const std::uint32_t due = Deadline(last) - 1;
    application_.Synchronize(tick, stop);
    const std::uint32_t now = clock_.Milliseconds();
    EndPassedRest(now);
    last = now - due > static_cast<std::uint32_t>(interval_.load()) ? now : due;
  }
}

}  // namespace plorvane
