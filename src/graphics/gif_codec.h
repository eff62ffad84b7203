#pragma once
// GIF files through giflib: the first frame, as a still picture.

#include <cstdint>
#include <span>

#include "graphics/bgra_image.h"

namespace plorvane {

// True when the bytes start with a GIF87a or GIF89a signature.
bool LooksLikeGif(std::span<const std::uint8_t> file);

// Decodes the first frame onto the logical screen (grown to hold the frame when the frame
// reaches past it): the frame's transparent colour and the screen outside the frame are left
// transparent, an index past the colour table is black. False, with `out` unchanged, for a file
// giflib refuses, a frame without a colour table, and a screen beyond the bitmap caps.
bool DecodeGif(std::span<const std::uint8_t> file, BgraImage& out);

}  // namespace plorvane
