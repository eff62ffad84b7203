#pragma once
// Held while a display server starts: servers starting at once can pick the same display number.
// Every server the tests start takes it, whatever its kind.

namespace plorvane::e2e {

class DisplayStartLock {
 public:
  DisplayStartLock();
  ~DisplayStartLock();
  DisplayStartLock(const DisplayStartLock&) = delete;
  DisplayStartLock& operator=(const DisplayStartLock&) = delete;

 private:
  int fd_;
};

}  // namespace plorvane::e2e
