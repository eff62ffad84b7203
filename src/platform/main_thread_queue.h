#pragma once
// Work handed to the main thread by other threads, and the waiting for it. Every platform's
// Application::Synchronize is built on this; the platform only decides when the main thread
// drains the queue.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace plorvane {

class MainThreadQueue {
 public:
  // The constructing thread is the main thread.
  MainThreadQueue() = default;

  [[nodiscard]] bool IsMainThread() const { return std::this_thread::get_id() == main_thread_; }

  // The contract of Application::Synchronize. `wake` runs after the task is queued, outside the
  // lock, to nudge the main thread's event loop; it may be empty. A task that throws counts as
  // run; its exception is dropped, since no caller could take it.
  bool RunAndWait(const std::function<void()>& task, std::stop_token stop, const std::function<void()>& wake);

  // On the main thread: runs the tasks queued before this call, in order; answers how many ran.
  int RunPending();
  [[nodiscard]] std::size_t PendingCount() const;
  // Waits until at least one task is queued; false when the time ran out first.
  bool WaitUntilPending(std::chrono::milliseconds timeout) const;

 private:
  struct Entry {
    explicit Entry(const std::function<void()>& work) : task(work) {}
    const std::function<void()>& task;  // lives in the waiting caller's frame
    bool started = false;
    bool finished = false;
  };

  const std::thread::id main_thread_ = std::this_thread::get_id();
  mutable std::mutex mutex_;
  mutable std::condition_variable_any changed_;
  std::deque<std::shared_ptr<Entry>> queue_;
};

}  // namespace plorvane
