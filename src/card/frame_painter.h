#pragma once
// The card's frame: concentric one-pixel rings from a dark shade of the frame colour at the
// outer edge to the full colour at the split ring and back to the dark shade at the picture.

#include "graphics/bitmap.h"
#include "graphics/colour.h"

namespace plorvane {

struct FrameStyle {
  int size = 0;   // ring count, 0..75
  int split = 0;  // percent of the size where the full colour lies
  int shade = 0;  // percent of the colour that the dark colour keeps
  Colour colour = 0;
  bool swap = false;
};

// Draws the rings on the whole bitmap; nothing inside ring size - 1 is touched.
void DrawFrame(Bitmap& bitmap, const FrameStyle& style);

}  // namespace plorvane
