#pragma once
// The pictures and sounds the editor carries: its splash, the about picture every card carries,
// and the first sample files of the library.

#include <cstdint>
#include <vector>

#include "graphics/bitmap.h"

namespace plorvane::art {

Bitmap DrawSplash();
Bitmap DrawAboutPicture();
Bitmap DrawBalloonsCard();
Bitmap DrawWinterNightCard();
// A bell-like chime as a 16-bit mono wave file.
std::vector<std::uint8_t> SynthesizeChime();

}  // namespace plorvane::art
