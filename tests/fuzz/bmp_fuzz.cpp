// BMP files: every picture that reads must survive writing and reading again unchanged.
#include <cstdlib>

#include "fuzz/fuzz_target.h"
#include "graphics/bitmap.h"
#include "graphics/bmp_codec.h"

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  std::vector<std::vector<std::uint8_t>> seeds;
  for (const int width : {1, 3, 8}) {
    Bitmap bitmap;
    if (!bitmap.Resize(width, 2 + width % 3, MakeColour(10, 200, 30))) continue;
    bitmap.SetPixel(0, 0, MakeColour(255, 0, 128));
    seeds.push_back(WriteBmp(bitmap));
  }
  return seeds;
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  Bitmap bitmap;
  if (!ReadBmp(std::span(data, size), bitmap)) return 0;
  Bitmap again;
  if (!ReadBmp(WriteBmp(bitmap), again) || !(again == bitmap)) std::abort();
  return 0;
}
