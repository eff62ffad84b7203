#pragma once
// The program's loop without a display. Processing pending events paints the windows that asked
// for it and runs the work other threads handed over with Synchronize. A test thread counts as
// the main thread: the one that made the platform.

#include <chrono>
#include <optional>

#include "platform/application.h"
#include "platform/headless/call_log.h"
#include "platform/headless/headless_windowing.h"
#include "platform/main_thread_queue.h"

namespace plorvane {

class HeadlessApplication final : public Application {
 public:
  HeadlessApplication(CallLog& log, HeadlessWindowing& windowing) : log_(log), windowing_(windowing) {}

  void ProcessPendingEvents() override;
  void Terminate(int exit_code) override;
  bool Synchronize(const std::function<void()>& task, std::stop_token stop) override;

  // Runs only the handed-over work, as a main loop iteration would; answers how many tasks ran.
  int RunPendingTasks() { return queue_.RunPending(); }
  // For a test that waits for another thread to hand work over.
  bool WaitForPendingTask(std::chrono::milliseconds timeout) const { return queue_.WaitUntilPending(timeout); }

  [[nodiscard]] int processed_count() const { return processed_count_; }
  // The exit code asked for, once Terminate was called.
  [[nodiscard]] std::optional<int> exit_code() const { return exit_code_; }

 private:
  CallLog& log_;
  HeadlessWindowing& windowing_;
  MainThreadQueue queue_;
  int processed_count_ = 0;
  std::optional<int> exit_code_;
};

}  // namespace plorvane
