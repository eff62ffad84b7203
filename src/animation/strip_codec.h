#pragma once
// The stored form of an animation strip: the BMP file of the strip as one zlib stream.

#include <string>

#include "graphics/bitmap.h"

namespace plorvane {

// Throws std::bad_alloc when the strip cannot be compressed, so that the save that asked for it
// fails as a whole instead of silently leaving the strip out.
std::string EncodeStrip(const Bitmap& strip);

// False, with `strip` unchanged, for data that does not inflate (within the decompression cap)
// to a readable BMP file.
bool DecodeStrip(const std::string& encoded, Bitmap& strip);

}  // namespace plorvane
