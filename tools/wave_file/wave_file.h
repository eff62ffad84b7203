#pragma once
// Mono PCM samples as a RIFF wave file. Samples run from -1 to 1 and are clipped there; 8-bit
// files store them offset by 128, 16-bit files as signed little-endian values.

#include <cstdint>
#include <span>
#include <vector>

namespace plorvane::tools {

enum class WaveDepth { kEightBit = 8, kSixteenBit = 16 };

std::vector<std::uint8_t> WaveFile(std::span<const double> samples, std::uint32_t rate, WaveDepth depth);

}  // namespace plorvane::tools
