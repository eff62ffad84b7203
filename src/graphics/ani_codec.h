#pragma once
// Animated cursors: a RIFF "ACON" file. Its "anih" chunk gives the frame and step counts, the
// default display rate in jiffies (1/60 s) and flags (bit 0: frames are ICO or CUR files, bit 1:
// a "seq " chunk orders the steps); an optional "rate" chunk gives each step its own jiffies, and
// a "LIST" of type "fram" holds the frames as "icon" chunks.

#include <cstddef>
#include <cstdint>
#include <span>

#include "graphics/cursor_error.h"
#include "graphics/cursor_image.h"

namespace plorvane {

// Decoded frames of one animated cursor may hold at most this many bytes in all, so that a small
// file repeating a large frame in thousands of steps cannot exhaust memory.
inline constexpr std::size_t kMaxAnimatedCursorBytes = 64ULL * 1024 * 1024;

// True when the file starts with a RIFF header (it may still be of another RIFF form).
bool LooksLikeRiffFile(std::span<const std::uint8_t> file);

// One frame per step, in step order, each shown for its step's jiffies in milliseconds. A rate of
// 0 counts as 1 jiffy, so no platform timer is asked to spin. On failure `image` is unchanged.
CursorError DecodeAniFile(std::span<const std::uint8_t> file, CursorImage& image);

}  // namespace plorvane
