#pragma once
// Ends the program cleanly on SIGTERM (a logout) and SIGINT (Ctrl+C): by default the event loop
// quits and the program leaves by its ordinary way out, so the sound device closes and every
// destructor runs. The handler only writes a byte into a pipe, which is all a signal handler may
// safely do; a notifier on the main thread reads it and acts there. A second signal ends the
// program at once, in case the way out itself hangs.

#include <signal.h>

#include <array>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace plorvane {

class QtTerminationSignals {
 public:
  // Made on the main thread after the QApplication; at most one exists at a time. `on_signal`
  // runs on the main thread when a signal has come.
  explicit QtTerminationSignals(std::function<void()> on_signal = QuitApplication);
  // Puts the handlers back that were there before.
  ~QtTerminationSignals();
  QtTerminationSignals(const QtTerminationSignals&) = delete;
  QtTerminationSignals& operator=(const QtTerminationSignals&) = delete;

  // Whether a signal came. One that came before the event loop started cannot quit a loop, so
  // the program asks this before it starts it.
  [[nodiscard]] bool Received() const { return received_; }

  // Ends the application's event loops with exit code 0.
  static void QuitApplication();

 private:
  static constexpr std::array<int, 2> kSignals = {SIGTERM, SIGINT};

  void Drain();

  int read_end_ = -1;
  int write_end_ = -1;
  std::array<struct sigaction, kSignals.size()> previous_{};
  std::function<void()> on_signal_;
  std::unique_ptr<QSocketNotifier> notifier_;
  bool received_ = false;
};

}  // namespace plorvane
