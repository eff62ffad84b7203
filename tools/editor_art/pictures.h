#pragma once
// The pictures and sounds the editor carries: its splash, the about picture every card carries,
// and the library's chime.

#include <cstdint>
#include <vector>

#include "graphics/bitmap.h"

namespace plorvane::art {

Bitmap DrawSplash();
Bitmap DrawAboutPicture();
// A bell-like chime as a 16-bit mono wave file.
std::vector<std::uint8_t> SynthesizeChime();

}  // namespace plorvane::art
