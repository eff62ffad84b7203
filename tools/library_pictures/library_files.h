#pragma once
// The library's pictures, icons and animated cursors as the files the editor carries.

#include <string>

namespace plorvane::art {

// Writes every file into `folder` (which must exist) under its own name. False on the first
// file that cannot be written, whose name is then in `failed`.
bool WriteLibraryPictures(const std::string& folder, std::string& failed);

}  // namespace plorvane::art
