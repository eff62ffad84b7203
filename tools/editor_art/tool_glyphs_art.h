#pragma once
// The 21 tool-button pictures, drawn on white (the face colour the buttons make transparent).

#include "graphics/bitmap.h"

namespace plorvane::art {

// Tag 1..21 in the tool bar's order; an empty bitmap for any other tag.
Bitmap DrawToolGlyph(int tag);

}  // namespace plorvane::art
