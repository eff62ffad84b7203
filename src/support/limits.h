#pragma once
// Caps on sizes read from files. Anything larger is treated as corrupt data, so a damaged or
// hostile file can never make the program allocate without bound.

#include <cstddef>
#include <cstdint>

namespace plorvane::limits {

inline constexpr std::int64_t kMaxDecompressedBytes = 256LL * 1024 * 1024;
inline constexpr std::int64_t kMaxBitmapPixels = 64LL * 1024 * 1024;
inline constexpr int kMaxBitmapSide = 262143;
// The decoded pixels of one card in all: its picture and its animations' strips, and its about
// picture while the about box shows. Drawing keeps several copies of the picture, so a card at
// this cap already takes some hundreds of megabytes; a card beyond it is refused.
inline constexpr std::int64_t kMaxCardPixels = 32LL * 1024 * 1024;
// Card files and the other documents are read whole into memory.
inline constexpr std::size_t kMaxDocumentBytes = 1024ULL * 1024 * 1024;

}  // namespace plorvane::limits
