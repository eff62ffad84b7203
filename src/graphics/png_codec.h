#pragma once
// PNG files through libpng, as icons store their large images and as pictures are imported.

#include <cstdint>
#include <span>

#include "graphics/bgra_image.h"

namespace plorvane {

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::span<const std::uint8_t> file);

// Decodes a PNG of any colour type and depth into 8-bit sRGB pixels with straight alpha. False,
// with `out` unchanged, for anything libpng refuses, for a side past `max_side` and for
// pictures beyond the bitmap caps.
bool DecodePng(std::span<const std::uint8_t> file, int max_side, BgraImage& out);

}  // namespace plorvane
