#include "support/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <random>

#include "support/file_io.h"
#include "support/folders.h"
#include "support/xdg_folders.h"

namespace plorvane {
namespace {

constexpr std::uint32_t kCounterWrapsAfter = 2'147'483'646;

std::uint32_t RandomUpTo(std::uint32_t limit) {
  std::random_device device;
  return std::uniform_int_distribution<std::uint32_t>(0, limit)(device);
}

std::string ParentFolder(const std::string& file_name) {
  const auto slash = file_name.rfind('/');
  return slash == std::string::npos ? std::string{} : file_name.substr(0, slash + 1);
}

std::uint64_t MillisecondsSinceStart() {
  timespec now{};
  ::clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000 + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000;
}

std::uint64_t FreeBytesOnRoot() {
  struct statvfs info {};
  if (::statvfs("/", &info) != 0) return 0;
  return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  const std::string folders = path;
  std::size_t start = 0;
  while (start <= folders.size()) {
    const auto end = std::min(folders.find(':', start), folders.size());
    const std::string folder = folders.substr(start, end - start);
    // An empty entry means the current folder; a program is never taken from there.
    if (folder.starts_with('/')) {
      std::string candidate = TPaths::WithBackslash(folder) + program;
      if (IsExecutableFile(candidate)) return candidate;
    }
    start = end + 1;
  }
  return {};
}

std::string MakerSubfolder(const std::string& root, const std::string& name) {
  if (root.empty()) return {};
  std::string folder = root + std::string{kMakerFolderName} + "/";
  return name.empty() ? folder : folder + TPaths::WithBackslash(name);
}

}  // namespace

TPaths::TPaths() : counter_(RandomUpTo(65534)) {}

std::string TPaths::WithBackslash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::string TPaths::SpecialFolder(int id) const {
  switch (id) {
    case 0:
      return xdg::DesktopFolder();
    case 2:
      return xdg::DataHome();
    case 11: {
      // The desktop's application menu is built from the entries in this folder.
      const std::string data = xdg::DataHome();
      return data.empty() ? data : data + "applications/";
    }
    case 20: {
      const std::string data = xdg::DataHome();
      return data.empty() ? data : data + "fonts/";
    }
    default:
      return {};
  }
}

std::string TPaths::WindowsFolder() const { return xdg::ConfigHome(); }
std::string TPaths::SystemFolder() const { return "/usr/bin/"; }
std::string TPaths::TempFolder() const { return xdg::TempRoot(); }

std::string TPaths::MenuFolder(const std::string& name, bool create) const {
  std::string folder = MakerSubfolder(ProgramsFolder(), name);
  if (create && !folder.empty()) ForceFolders(folder);
  return folder;
}

std::string TPaths::SettingsPath(const std::string& name) const { return MakerSubfolder(WindowsFolder(), name); }

std::string TPaths::SettingsFolder(const std::string& name) const {
  std::string folder = SettingsPath(name);
  if (!folder.empty()) ForceFolders(folder);
  return folder;
}

bool TPaths::DeleteFileIfPresent(const std::string& file_name) const {
  struct stat info {};
  if (::lstat(file_name.c_str(), &info) != 0) return errno == ENOENT;
  // Only a real file is made writable: a link's target is not ours to change.
  if (S_ISREG(info.st_mode)) ::chmod(file_name.c_str(), info.st_mode | S_IWUSR);
  ::unlink(file_name.c_str());
  return ::lstat(file_name.c_str(), &info) != 0 && errno == ENOENT;
}

std::string TPaths::StripExtension(const std::string& file_name) {
  // A dot inside a folder name is not an extension.
  const auto dot = file_name.rfind('.');
  const auto slash = file_name.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return file_name;
  return file_name.substr(0, dot);
}

bool TPaths::CopyFileTo(const std::string& source, const std::string& target) const {
  struct stat info {};
  if (::stat(source.c_str(), &info) != 0) return false;
  const std::string folder = ParentFolder(target);
  if (!folder.empty() && !ForceFolders(folder)) return false;
  return CopyFileReplacing(source, target);
}

std::uint32_t TPaths::VolumeSerial(char drive_letter) const {
  if (drive_letter != 'C' && drive_letter != 'c') return 0;
  struct statvfs info {};
  if (::statvfs("/", &info) != 0) return 0;
  const auto fsid = static_cast<std::uint64_t>(info.f_fsid);
  return static_cast<std::uint32_t>(fsid ^ (fsid >> 32));
}

std::string TPaths::UniqueToken() {
  counter_ = counter_ >= kCounterWrapsAfter ? 0 : counter_ + 1;
  return std::to_string(VolumeSerial('C')) + "=" + std::to_string(MillisecondsSinceStart()) + "=" +
         std::to_string(FreeBytesOnRoot()) + "=" + std::to_string(RandomUpTo(kCounterWrapsAfter)) + "=" +
         std::to_string(counter_);
}

std::string TPaths::TempFileName(const std::string& extension) {
  if (extension.find('/') != std::string::npos) return {};
  const std::string folder = TempFolder();
  if (!ForceFolders(folder)) return {};
  // The temporary folder is shared with other users. The name carries a random number and the
  // file is created exclusively, private to us, so nobody can plant a file or a link under a
  // name we are about to use.
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string name = folder + UniqueToken() + "." + extension;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::close(fd);
      return name;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

std::string TPaths::ClipboardObjectFile(const std::string& extension) const {
  const std::string folder = MenuFolder("Clipboard");
  return folder.empty() ? folder : folder + "clipboard-object-" + extension + "." + extension;
}

std::string TPaths::VolumeControlProgram() const {
  for (const char* program : {"pavucontrol", "pavucontrol-qt"}) {
    if (std::string found = FindOnPath(program); !found.empty()) return found;
  }
  return {};
}

int TPaths::Clamp(int value, int low, int high) {
  if (value < low) value = low;
  if (value > high) value = high;
  return value;
}

TPaths& Paths() {
  static TPaths instance;
  return instance;
}

}  // namespace plorvane
