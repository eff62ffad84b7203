#include "library_folder.h"

#include <gtest/gtest.h>

#include "library_media.h"
#include "scratch_folder.h"

namespace plorvane::test {

const std::string& LibraryMediaFolder() {
  static const ScratchFolder folder;
  static const bool written = [] {
    std::string error;
    const bool ok = library::WriteLibraryMedia(folder.path(), error);
    EXPECT_TRUE(ok) << error;
    return ok;
  }();
  (void)written;
  return folder.path();
}

std::vector<std::string> ListedLibraryMediaFiles() {
  std::vector<std::string> names;
  const std::string_view listed = LIBRARY_MEDIA_FILES;
  for (std::size_t start = 0; start <= listed.size();) {
    const std::size_t bar = std::min(listed.find('|', start), listed.size());
    names.emplace_back(listed.substr(start, bar - start));
    start = bar + 1;
  }
  return names;
}

std::vector<std::string> LibraryMediaFilesEndingIn(std::string_view extension) {
  std::vector<std::string> names;
  for (const std::string& name : ListedLibraryMediaFiles()) {
    if (name.ends_with(extension)) names.push_back(name);
  }
  return names;
}

}  // namespace plorvane::test
