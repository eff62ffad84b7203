#pragma once
// One ordered record of every call the core made into the headless platform, across all
// services, so a test can check the order of steps that span services.

#include <mutex>
#include <string>
#include <vector>

namespace plorvane {

class CallLog {
 public:
  void Add(std::string entry);
  [[nodiscard]] std::vector<std::string> Entries() const;
  // True when `entries` occur in this order (others may lie between them).
  [[nodiscard]] bool ContainsInOrder(const std::vector<std::string>& entries) const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> entries_;
};

}  // namespace plorvane
