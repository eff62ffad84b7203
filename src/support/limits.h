#pragma once
// Caps on sizes read from files. Anything larger is treated as corrupt data, so a damaged or
// hostile file can never make the program allocate without bound.

#include <cstdint>

namespace plorvane::limits {

inline constexpr std::int64_t kMaxDecompressedBytes = 256LL * 1024 * 1024;
inline constexpr std::int64_t kMaxBitmapPixels = 64LL * 1024 * 1024;
inline constexpr int kMaxBitmapSide = 262143;

}  // namespace plorvane::limits
