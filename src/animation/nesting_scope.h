#pragma once

namespace plorvane {

// Raises a nesting count (loads or stream operations in progress) for one scope, so the count
// comes down again however the operation ends.
class NestingScope {
 public:
  explicit NestingScope(int& count) : count_(count) { ++count_; }
  ~NestingScope() { --count_; }
  NestingScope(const NestingScope&) = delete;
  NestingScope& operator=(const NestingScope&) = delete;

 private:
  int& count_;
};

}  // namespace plorvane
