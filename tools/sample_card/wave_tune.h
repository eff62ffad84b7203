#pragma once
// A few bars of a simple melody as a WAV file (8-bit mono), made note by note.

#include <cstdint>
#include <vector>

namespace plorvane::tools {

std::vector<std::uint8_t> WaveTune();

}  // namespace plorvane::tools
