#include "support/zfile.h"

#include <sys/stat.h>

#include <string>
#include <utility>

#include "support/folders.h"
#include "support/general.h"
#include "support/paths.h"

namespace plorvane {
namespace {

constexpr auto kStaleAfter = std::chrono::seconds(499);
constexpr int kMostDeletionsPerRun = 4;

}  // namespace

TZFile::TZFile(Clock now) : now_(std::move(now)) {
  // The clean-up in the destructor uses these; made first, they are destroyed after us.
  Paths();
  General();
}

TZFile::~TZFile() {
  CleanTemporaryFiles();
  CleanTemporaryFiles();
}

int TZFile::CleanTemporaryFiles() {
  int deleted = 0;
  // Runs from a destructor at exit, where an escaping exception would abort the program.
  try {
    deleted = CleanStaleFiles();
  } catch (...) {
  }
  return deleted;
}

int TZFile::CleanStaleFiles() {
  const std::string folder = Paths().SettingsPath("TEMP");
  if (folder.empty() || !DirectoryExists(folder)) return 0;
  const auto now = now_();
  int deleted = 0;
  for (const std::string& file : General().ListFiles(folder + "*.ZMP", true)) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) continue;
    const auto stamp =
        std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(info.st_mtim.tv_sec) + std::chrono::nanoseconds(info.st_mtim.tv_nsec)));
    const auto age = now > stamp ? now - stamp : stamp - now;
    if (age < kStaleAfter || !Paths().DeleteFileIfPresent(file)) continue;
    if (++deleted == kMostDeletionsPerRun) break;
  }
  return deleted;
}

TZFile& ZFile() {
  static TZFile instance;
  return instance;
}

}  // namespace plorvane
