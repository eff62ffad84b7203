#pragma once
// Writes ICO, CUR and ANI files from BGRA frames: each image a 32-bit DIB with its alpha and a
// matching 1-bit mask, so readers that ignore alpha still see the right outline.

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/cursor_image.h"

namespace plorvane::art {

// An icon (kIconFileType) or cursor (kCursorFileType, keeping each frame's hot spot) holding
// every given image, largest sides 256.
std::vector<std::uint8_t> EncodeIconFile(std::span<const CursorFrame> images, std::uint16_t type);

// One step of an animated cursor: which frame it shows and for how many jiffies (1/60 s).
struct AniStep {
  std::uint32_t frame = 0;
  std::uint32_t jiffies = 0;
};

// A RIFF "ACON" file: every frame a one-image cursor, played in the order and at the rates of
// `steps` (written as "seq " and "rate" chunks).
std::vector<std::uint8_t> EncodeAniFile(std::span<const CursorFrame> frames, std::span<const AniStep> steps);

}  // namespace plorvane::art
