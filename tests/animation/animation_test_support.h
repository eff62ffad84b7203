#pragma once
// Strips, scratch folders and files for the animation tests.

#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/bitmap.h"

namespace plorvane::test {

// Every pixel differs from its neighbours and `seed` tells strips apart, so a lost or moved
// pixel shows. Noisy enough that the compressed strip takes the long string form.
inline Bitmap NoisyStrip(int width, int height, std::uint32_t seed = 1) {
  Bitmap bitmap;
  if (!bitmap.Resize(width, height)) std::abort();
  std::uint32_t state = seed * 2654435761U + 12345U;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      state = state * 1664525U + 1013904223U;
      bitmap.SetPixel(x, y, state >> 8);
    }
  }
  return bitmap;
}

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plorvane-animation-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  [[nodiscard]] std::string File(const std::string& name) const { return path_ + "/" + name; }
  [[nodiscard]] long EntryCount() const {
    return std::distance(std::filesystem::directory_iterator(path_), std::filesystem::directory_iterator());
  }

 private:
  std::string path_;
};

inline std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace plorvane::test
