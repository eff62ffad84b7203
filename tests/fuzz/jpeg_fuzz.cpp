// JPEG files: decoding must end cleanly, and agree with the header-only size reader.
#include <cstdlib>

#include "fuzz/fuzz_target.h"
#include "graphics/bitmap.h"
#include "graphics/jpeg_codec.h"

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  std::vector<std::vector<std::uint8_t>> seeds;
  for (const int side : {1, 9, 20}) {
    Bitmap bitmap;
    if (!bitmap.Resize(side, side + 3, kWhite)) continue;
    for (int y = 0; y < bitmap.height(); ++y)
      for (int x = 0; x < side; ++x)
        bitmap.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x * 12), static_cast<std::uint8_t>(y * 9), 77));
    std::vector<std::uint8_t> bytes;
    if (EncodeJpeg(bitmap, side * 4, bytes)) seeds.push_back(std::move(bytes));
  }
  return seeds;
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  const std::span<const std::uint8_t> file(data, size);
  Bitmap bitmap;
  if (!DecodeJpeg(file, bitmap)) return 0;
  int width = 0;
  int height = 0;
  if (!ReadJpegSize(file, width, height) || width != bitmap.width() || height != bitmap.height()) std::abort();
  return 0;
}
