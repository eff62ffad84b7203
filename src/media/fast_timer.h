#pragma once
// A timer with millisecond resolution for the animations. Its own thread only watches the clock;
// OnTimer always runs on the main thread, handed over through Application::Synchronize, so
// whatever the handler touches needs no locking.
//
// Destroying the timer withdraws a tick that is still waiting for the main thread and joins the
// thread: no tick runs after the destructor returns. The destructor must not run inside OnTimer.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
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

 private:
  void Run(const std::stop_token& stop);
  // How long until a tick is due, `start` being when the timer last ticked or started: zero
  // when due, one poll step while the timer cannot tick (disabled, no interval or handler).
  [[nodiscard]] std::chrono::milliseconds TimeToTick(std::uint32_t start) const;
  [[nodiscard]] bool HasHandler() const;
  // On the main thread.
  void Fire() const;

  Application& application_;
  const Clock& clock_;
  std::atomic<bool> enabled_{true};
  std::atomic<int> interval_{kMaxInterval};
  mutable std::mutex handler_mutex_;
  std::function<void()> on_timer_;
  std::mutex sleep_mutex_;
  std::condition_variable_any sleep_;
  // Last, so the thread starts after everything it reads exists and ends before any of it goes.
  std::jthread thread_;
};

}  // namespace plorvane
