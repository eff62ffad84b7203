#include "platform/main_thread_queue.h"

#include <algorithm>

namespace plorvane {
namespace {

void RunGuarded(const std::function<void()>& task) {
  try {
    task();
  } catch (...) {
    // Nobody on the draining thread could handle it, and the waiting thread must be released.
  }
}

}  // namespace

bool MainThreadQueue::RunAndWait(const std::function<void()>& task, std::stop_token stop,
                                 const std::function<void()>& wake) {
  if (!task) return false;
  if (IsMainThread()) {
    RunGuarded(task);
    return true;
  }
  if (stop.stop_requested()) return false;

  auto entry = std::make_shared<Entry>(task);
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(entry);
  }
  changed_.notify_all();
  if (wake) wake();

  std::unique_lock lock(mutex_);
  if (changed_.wait(lock, stop, [&] { return entry->finished; })) return true;
  if (!entry->started) {
    queue_.erase(std::find(queue_.begin(), queue_.end(), entry));
    return false;
  }
  // Already running on the main thread: it refers to `task`, so this frame must stay.
  changed_.wait(lock, [&] { return entry->finished; });
  return true;
}

int MainThreadQueue::RunPending() {
  std::size_t budget = PendingCount();
  int ran = 0;
  while (budget-- > 0) {
    std::shared_ptr<Entry> entry;
    {
      std::lock_guard lock(mutex_);
      if (queue_.empty()) break;
      entry = queue_.front();
      queue_.pop_front();
      entry->started = true;
    }
    RunGuarded(entry->task);
    {
      std::lock_guard lock(mutex_);
      entry->finished = true;
    }
    changed_.notify_all();
    ++ran;
  }
  return ran;
}

std::size_t MainThreadQueue::PendingCount() const {
  std::lock_guard lock(mutex_);
  return queue_.size();
}

bool MainThreadQueue::WaitUntilPending(std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return !queue_.empty(); });
}

}  // namespace plorvane
