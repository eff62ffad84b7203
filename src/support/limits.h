#pragma once
// Caps on sizes read from files. Anything larger is treated as corrupt data, so a damaged or
// hostile file can never make the program allocate without bound.

#include <cstddef>
#include <cstdint>

namespace plorvane::limits {

inline constexpr std::int64_t kMaxDecompressedBytes = 256LL * 1024 * 1024;
inline constexpr std::int64_t kMaxBitmapPixels = 64LL * 1024 * 1024;
inline constexpr int kMaxBitmapSide = 262143;
// Card files and the other documents are read whole into memory.
inline constexpr std::size_t kMaxDocumentBytes = 1024ULL * 1024 * 1024;

}  // namespace plorvane::limits
