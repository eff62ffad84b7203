#include "support/folders.h"

#include <sys/stat.h>

#include <cerrno>

namespace plorvane {

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ForceFolders(const std::string& path) {
  std::string folder = path;
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  if (folder.empty()) return DirectoryExists("/");
  if (DirectoryExists(folder)) return true;

  // Walks down from the root rather than recursing up, so a very deep path cannot exhaust the
  // call stack; every prefix that ends before a separator is made in turn.
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
    const std::string prefix = folder.substr(0, slash);
    if (prefix.back() == '/' || DirectoryExists(prefix)) continue;
    if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return false;
  return DirectoryExists(folder);
}

}  // namespace plorvane
