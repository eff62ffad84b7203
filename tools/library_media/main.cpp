// plorvane_library_media FOLDER: writes the library's tunes, sounds, animations and animation
// groups into FOLDER, which is made when missing.

#include <cstdio>
#include <filesystem>
#include <string>

#include "library_media.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  std::string error;
  if (!plorvane::library::WriteLibraryMedia(folder, error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 1;
  }
  return 0;
}
