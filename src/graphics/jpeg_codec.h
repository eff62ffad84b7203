#pragma once
// JPEG pictures through libjpeg. Damaged data never ends the program: libjpeg's fatal errors
// become a false answer, its warnings are ignored (a picture cut short still shows what it has).

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/bitmap.h"

namespace plorvane {

inline constexpr int kMinJpegQuality = 1;
inline constexpr int kMaxJpegQuality = 100;

// Decodes grey, colour and CMYK pictures. False, with `out` unchanged, for data that is not a
// JPEG, cannot be decoded, or describes a picture beyond the bitmap caps.
bool DecodeJpeg(std::span<const std::uint8_t> file, Bitmap& out);

// Reads only the header. False when the header is unreadable or the picture beyond the caps.
bool ReadJpegSize(std::span<const std::uint8_t> file, int& width, int& height);

// Quality is clamped to 1..100. False for an empty bitmap (a JPEG cannot be 0 pixels wide).
bool EncodeJpeg(const Bitmap& bitmap, int quality, std::vector<std::uint8_t>& out);

}  // namespace plorvane
