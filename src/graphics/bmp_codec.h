#pragma once
// Windows BMP files.

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/bitmap.h"

namespace plorvane {

// Reads a BMP file of 1, 4, 8, 16, 24 or 32 bits per pixel, bottom-up or top-down, uncompressed,
// (16 and 32 bits) with bit-field masks, or run-length encoded (8 and 4 bits, bottom-up only, as
// Windows defines them; see dib_runs.h); both the Windows and the old OS/2 core info header.
// False, with `out` unchanged, for anything else, for any field or run that points outside the
// file or the picture, and for pictures beyond the bitmap caps.
bool ReadBmp(std::span<const std::uint8_t> file, Bitmap& out);

// The complete 24-bit bottom-up BMP file of the bitmap, in the exact layout Windows writes.
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap);

}  // namespace plorvane
