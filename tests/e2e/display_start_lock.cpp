#include "e2e/display_start_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plorvane::e2e {

DisplayStartLock::DisplayStartLock()
    : fd_(::open("/tmp/plorvane-virtual-display.lock", O_CREAT | O_RDWR | O_CLOEXEC, 0666)) {
  if (fd_ >= 0) ::flock(fd_, LOCK_EX);
}

DisplayStartLock::~DisplayStartLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace plorvane::e2e
