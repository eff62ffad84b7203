#pragma once
// The "Label|pattern;pattern|Label|pattern" filter strings of file dialogs, taken apart for
// platforms whose dialogs want the pieces.

#include <string>
#include <string_view>
#include <vector>

namespace plorvane {

struct FileFilter {
  std::string label;
  std::vector<std::string> patterns;  // "*.jpg", never empty strings
  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// A label without a pattern at the end is dropped, as is a pair whose patterns are all empty.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

}  // namespace plorvane
