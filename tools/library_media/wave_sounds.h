#pragma once
// The library's short sounds, synthesized as 16-bit mono wave files.

#include <cstdint>
#include <vector>

namespace plorvane::library {

// Three bell notes struck one after another, each fading away.
std::vector<std::uint8_t> SynthesizeChime();
// A brass call: three quick notes, a long one and a held chord.
std::vector<std::uint8_t> SynthesizeFanfare();
// High glassy pings scattered over a falling shimmer.
std::vector<std::uint8_t> SynthesizeSparkle();

}  // namespace plorvane::library
