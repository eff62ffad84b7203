#pragma once
// The library's tunes (".mid"), sounds (".wav"), animations (".san") and animation groups
// (".sag"), each written by the function that makes it.

#include <functional>
#include <string>
#include <vector>

namespace plorvane::library {

struct LibraryFile {
  std::string name;
  // Writes the file to the path; on failure says why in `error`.
  std::function<bool(const std::string& path, std::string& error)> write;
};

std::vector<LibraryFile> LibraryMediaFiles();

// Writes every file into the folder, which must exist; stops at the first failure.
bool WriteLibraryMedia(const std::string& folder, std::string& error);

}  // namespace plorvane::library
