#pragma once
// Folder queries and creation shared by every path the program builds.

#include <string>

namespace plorvane {

// The path exists and is a folder (a link to a folder counts).
bool DirectoryExists(const std::string& path);

// Creates the folder and every missing parent. One trailing "/" is ignored. Answers whether the
// folder exists afterwards.
bool ForceFolders(const std::string& path);

}  // namespace plorvane
