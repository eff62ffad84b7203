#pragma once
// The library's media written once per test program into a scratch folder, and the file names
// the build expects (tools/library_media/files.cmake).

#include <string>
#include <string_view>
#include <vector>

namespace plorvane::test {

// The folder holding every file plorvane_library_media writes; the test fails when writing does.
const std::string& LibraryMediaFolder();
std::vector<std::string> ListedLibraryMediaFiles();
// The listed files whose names end in the extension (".mid", ...).
std::vector<std::string> LibraryMediaFilesEndingIn(std::string_view extension);

}  // namespace plorvane::test
