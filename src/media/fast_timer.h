#pragma once
// A timer with millisecond resolution for the animations. Its own thread only watches the clock;
// OnTimer always runs on the main thread, handed over through Application::Synchronize, so
// whatever the handler touches needs no locking.
//
// Ticks keep to their schedule: each is due one interval after the previous one was due, not
// after it ran, so a busy main thread does not stretch the interval; only a timer a whole
// interval behind starts its schedule again from now.
//
// Destroying the timer withdraws a tick that is still waiting for the main thread and joins the
// thread: no tick runs after the destructor returns. The destructor must not run inside OnTimer.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "platform/application.h"
#include "platform/clock.h"

namespace plorvane {

class TFastTimer {
 public:
  static constexpr int kMaxInterval = 1000;

  // Starts enabled with an interval of 1000 ms and no handler. `application` and `clock` must
  // outlive the timer; the clock is read from the timer's thread.
  TFastTimer(Application& application, const Clock& clock);
  TFastTimer(const TFastTimer&) = delete;
  TFastTimer& operator=(const TFastTimer&) = delete;

  [[nodiscard]] bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  [[nodiscard]] int Interval() const { return interval_; }
  // Clamped to 0..1000; 0 stops the ticks.
  void SetInterval(int milliseconds);
  // An empty handler stops the ticks.
  void SetOnTimer(std::function<void()> handler);
  // Called by the handler: it needs no tick before this tick count. Until then the timer
  // leaves the main thread alone and ticks at that time instead, but after at most two
  // intervals, so a change the handler could not foresee still gets its tick soon.
  void RestUntil(std::uint32_t tick_count);

 private:
  void Run(const std::stop_token& stop);
  // The tick count at which the next tick fires, `last` being when the previous one was due.
  [[nodiscard]] std::uint32_t Deadline(std::uint32_t last) const;
  // How long until that: zero when due, one poll step while the timer cannot tick (disabled,
  // no interval or handler).
  [[nodiscard]] std::chrono::milliseconds TimeToTick(std::uint32_t last) const;
  void EndPassedRest(std::uint32_t now);
  [[nodiscard]] bool HasHandler() const;
  // On the main thread.
  void Fire() const;

  Application& application_;
  const Clock& clock_;
  std::atomic<bool> enabled_{true};
  std::atomic<int> interval_{kMaxInterval};
  mutable std::mutex handler_mutex_;
  std::function<void()> on_timer_;
  mutable std::mutex rest_mutex_;
  std::optional<std::uint32_t> rest_until_;
  std::mutex sleep_mutex_;
  std::condition_variable_any sleep_;
  // Last, so the thread starts after everything it reads exists and ends before any of it goes.
  std::jthread thread_;
};

}  // namespace plorvane
