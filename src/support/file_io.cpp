#include "support/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>
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

// Creates a new file beside `path` under an unpredictable name, exclusively ours. The mode goes
// through the user's umask as for any new file. -1 (and errno) on failure.
int CreateTemporaryBeside(const std::string& path, unsigned mode, std::string& name) {
  std::random_device random;
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%08x%08x", random(), random());
    name = FolderOf(path) + "/.plorvane-" + suffix;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The rename is only lasting once the folder's entry is on the disk too. Failing to sync the
// folder leaves the new file in place, so it is not a failed write.
void SyncFolderOf(const std::string& path) {
  FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) (void)::fsync(folder.get());
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
  std::string temporary;
  FileDescriptor fd(CreateTemporaryBeside(path, mode, temporary));
  if (!fd.valid()) return errno == ENOSPC || errno == EDQUOT ? FileResult::kOutOfDiskSpace : FileResult::kInUse;
  const bool written = WriteAllTo(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  const bool closed = ::close(fd.release()) == 0;
  if (!written || !closed) {
    ::unlink(temporary.c_str());
    return FileResult::kOutOfDiskSpace;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return FileResult::kInUse;
  }
  SyncFolderOf(path);
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
