#include "support/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace plorvane {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  [[nodiscard]] int get() const { return fd_; }
  [[nodiscard]] bool valid() const { return fd_ >= 0; }
  bool Close() {
    if (fd_ < 0) return true;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed;
  }

 private:
  int fd_;
};

bool WriteAllTo(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool CopyContent(int from, int to) {
  std::vector<char> buffer(1 << 16);
  for (;;) {
    const ssize_t got = ::read(from, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!WriteAllTo(to, buffer.data(), static_cast<std::size_t>(got))) return false;
  }
}

}  // namespace

bool CopyFileReplacing(const std::string& source, const std::string& target) {
  FileDescriptor from(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (!from.valid() || ::fstat(from.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;

  std::string temporary = target + ".XXXXXX";
  FileDescriptor to(::mkostemp(temporary.data(), O_CLOEXEC));
  if (!to.valid()) return false;
  const bool written =
      ::fchmod(to.get(), info.st_mode & 0777) == 0 && CopyContent(from.get(), to.get()) && ::fsync(to.get()) == 0;
  if (to.Close() && written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace plorvane
