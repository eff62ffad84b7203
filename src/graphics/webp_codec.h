#pragma once
// WebP files through libwebp: still pictures, lossy or lossless, with or without alpha.

#include <cstdint>
#include <span>

#include "graphics/bgra_image.h"

namespace plorvane {

// True when the bytes start with a RIFF header of form "WEBP".
bool LooksLikeWebp(std::span<const std::uint8_t> file);

// True for a WebP whose features say it is an animation, which DecodeWebp does not take.
bool IsAnimatedWebp(std::span<const std::uint8_t> file);

// False, with `out` unchanged, for a file libwebp refuses, an animation, and pictures beyond the
// bitmap caps.
bool DecodeWebp(std::span<const std::uint8_t> file, BgraImage& out);

}  // namespace plorvane
