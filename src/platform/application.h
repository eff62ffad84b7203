#pragma once
// The running program as a whole: its event loop, its end, and its main thread.

#include <functional>
#include <stop_token>

namespace plorvane {

class Application {
 public:
  virtual ~Application() = default;

  // Lets pending window events run (repaints, moves) and returns when none are left. Work queued
  // by Synchronize runs too.
  virtual void ProcessPendingEvents() = 0;

  // Ends the program with this exit code. An implementation may return (a test platform only
  // records it), so callers return straight after calling it.
  virtual void Terminate(int exit_code) = 0;

  // Runs `task` on the main thread and waits until it has run; on the main thread itself it runs
  // at once. Safe to call from any thread. While waiting, a stop request on `stop` withdraws a
  // task that has not started yet (answer false), so a thread being joined by the main thread
  // never waits for the main thread in turn. True when the task ran.
  // Pass an empty std::stop_token to wait unconditionally.
  virtual bool Synchronize(const std::function<void()>& task, std::stop_token stop) = 0;
};

}  // namespace plorvane
