#pragma once
// The pictures the editor carries: its splash, the about picture every card carries, and the
// first sample pictures of the library.

#include "graphics/bitmap.h"

namespace plorvane::art {

Bitmap DrawSplash();
Bitmap DrawAboutPicture();
Bitmap DrawBalloonsCard();
Bitmap DrawWinterNightCard();

}  // namespace plorvane::art
