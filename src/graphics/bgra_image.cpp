#include "graphics/bgra_image.h"

#include <new>

namespace plorvane {
namespace {

std::uint8_t OverWhite(std::uint8_t colour, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace

bool FlattenOverWhite(int width, int height, std::span<const std::uint8_t> bgra, Bitmap& out) {
  try {
    Bitmap drawn;
    if (!drawn.Resize(width, height)) return false;
    const std::uint8_t* in = bgra.data();
    for (int y = 0; y < height; ++y) {
      std::uint8_t* row = drawn.scanline(y);
      for (int x = 0; x < width; ++x, in += 4, row += 3) {
        for (int channel = 0; channel < 3; ++channel) row[channel] = OverWhite(in[channel], in[3]);
      }
    }
    out = std::move(drawn);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
