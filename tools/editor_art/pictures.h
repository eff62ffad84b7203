#pragma once
// The pictures the editor carries: its splash and the about picture every card carries.

#include "graphics/bitmap.h"

namespace plorvane::art {

Bitmap DrawSplash();
Bitmap DrawAboutPicture();

}  // namespace plorvane::art
