#pragma once
// Data blocks that begin with a 4-byte little-endian byte count, as bitmaps, JPEG pictures and
// metafiles write them inside a picture record. `count_overhead` is what the count adds to the
// payload's length: 0 for bitmaps and JPEG pictures, 4 for metafiles, whose count includes itself.

#include <cstdint>
#include <span>
#include <vector>

namespace plorvane {

// The payload the count announces. Bytes after it belong to nobody and are ignored, as the
// platform's own reader ignores them. False when the count is short or runs past the block.
bool SplitCountedBlock(std::span<const std::uint8_t> block, std::uint32_t count_overhead,
                       std::span<const std::uint8_t>& payload);

void AppendCountedBlock(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> payload,
                        std::uint32_t count_overhead);

}  // namespace plorvane
