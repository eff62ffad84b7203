#include "platform/headless/call_log.h"

#include <utility>

namespace plorvane {

void CallLog::Add(std::string entry) {
  std::lock_guard lock(mutex_);
  entries_.push_back(std::move(entry));
}

std::vector<std::string> CallLog::Entries() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

bool CallLog::ContainsInOrder(const std::vector<std::string>& entries) const {
  std::lock_guard lock(mutex_);
  std::size_t next = 0;
  for (const std::string& entry : entries_) {
    if (next < entries.size() && entry == entries[next]) ++next;
  }
  return next == entries.size();
}

void CallLog::Clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

}  // namespace plorvane
