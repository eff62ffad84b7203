#include "support/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include "support/messages.h"

namespace plorvane {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  [[nodiscard]] int get() const { return fd_; }
  [[nodiscard]] bool valid() const { return fd_ >= 0; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool WriteAllTo(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t max_bytes) {
  bytes.clear();
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return errno == ENOENT || errno == ENOTDIR ? FileResult::kNotFound : FileResult::kInUse;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileResult::kInUse;
  bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), max_bytes));
  std::uint8_t buffer[64 * 1024];
  while (bytes.size() < max_bytes) {
    const ssize_t got = ::read(fd.get(), buffer, std::min(sizeof buffer, max_bytes - bytes.size()));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return FileResult::kInUse;
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  return FileResult::kOk;
}

FileResult WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes, unsigned mode) {
  // mkstemp makes the name unpredictable and the file exclusively ours.
  std::string temporary = FolderOf(path) + "/.plorvane-XXXXXX";
  FileDescriptor fd(::mkstemp(temporary.data()));
  if (!fd.valid()) return errno == ENOSPC || errno == EDQUOT ? FileResult::kOutOfDiskSpace : FileResult::kInUse;
  const bool written = WriteAllTo(fd.get(), bytes) && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0;
  const bool closed = ::close(fd.release()) == 0;
  if (!written || !closed) {
    ::unlink(temporary.c_str());
    return FileResult::kOutOfDiskSpace;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return FileResult::kInUse;
  }
  return FileResult::kOk;
}

bool CopyFileReplacing(const std::string& source, const std::string& target) {
  struct stat info {};
  std::vector<std::uint8_t> bytes;
  if (::stat(source.c_str(), &info) != 0 || ReadWholeFile(source, bytes) != FileResult::kOk) return false;
  return WriteFileReplacing(target, bytes, info.st_mode & 0777) == FileResult::kOk;
}

std::string_view FileResultText(FileResult result) {
  switch (result) {
    case FileResult::kOk:
      return {};
    case FileResult::kNotFound:
      return msg::kFileNotFound;
    case FileResult::kInUse:
      return msg::kFileInUse;
    case FileResult::kOutOfDiskSpace:
      return msg::kOutOfDiskSpace;
  }
  return msg::kUnexpectedError;
}

}  // namespace plorvane
