// plorvane_library_pictures FOLDER: draws the library's card pictures (JPEG), icons (ICO) and
// animated cursors (ANI) into FOLDER; files.cmake lists what it writes.

#include <cstdio>
#include <filesystem>
#include <string>

#include "library_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[1], error);
  std::string failed;
  if (plorvane::art::WriteLibraryPictures(argv[1], failed)) return 0;
  std::fprintf(stderr, "%s: cannot write %s/%s\n", argv[0], argv[1], failed.c_str());
  return 1;
}
