#pragma once
// Pixels with straight (not premultiplied) alpha, as the PNG, GIF and WebP decoders give them,
// and their flattening into the core's 24-bit bitmaps.

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/bitmap.h"

namespace plorvane {

struct BgraImage {
  int width = 0;
  int height = 0;
  // Rows top-down, 4 bytes per pixel: blue, green, red, alpha (0 transparent, 255 opaque).
  std::vector<std::uint8_t> bgra;
};

// The pixels laid over white, as a card shows a picture with transparent parts. `bgra` holds
// width x height pixels. False, with `out` unchanged, when the size passes the bitmap caps.
bool FlattenOverWhite(int width, int height, std::span<const std::uint8_t> bgra, Bitmap& out);

}  // namespace plorvane
